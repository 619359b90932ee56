// The cabinet sheet `CCabinetPS` and its five pages: format, colour,
// keywords, filters and file list. The sheet (command 32814) shows all five;
// the single-page commands show one. Each page is filled from the working
// copy when it opens and applied, in page order, when the user confirms.
#pragma once

#include <windows.h>
#include <prsht.h>

namespace quelt::win {

enum CabinetPageMask : unsigned {
  kCabinetPageFormat = 1u << 0,
  kCabinetPageColour = 1u << 1,
  kCabinetPageKeyword = 1u << 2,
  kCabinetPageFilter = 1u << 3,
  kCabinetPageFiles = 1u << 4,
  kCabinetPagesAll = 0x1Fu,
};

// Shows the pages of mask as one sheet, open at the page openAt (one bit of
// the mask; 0: the first); true when the user confirmed. A format page
// alone first looks for a recorded format change to play back.
bool ShowCabinetPages(unsigned mask, unsigned openAt = 0);

// The pages, each as its sheet entry. lParam is left for the page's state.
PROPSHEETPAGEW FormatPage();
PROPSHEETPAGEW ColourPage();
PROPSHEETPAGEW KeywordPage();
PROPSHEETPAGEW FilterPage();
PROPSHEETPAGEW FilesPage();

// The sheet entry of a dialog resource with its procedure.
PROPSHEETPAGEW MakePage(int dialogId, DLGPROC proc);

}  // namespace quelt::win
