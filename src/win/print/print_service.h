// `PrintService`: printing in the program. The commands 57606 (printer
// setup), 57607 (print), 57609 (print preview) and 32791 (page layout); the
// printer chosen last, kept for the run; the print dialog and the job with
// its progress window. Print and preview are open to the active text
// window only; the page layout lives in the state file's record.
#pragma once

#include <windows.h>

#include "framework/command.h"
#include "print/print_page.h"
#include "print/print_preview.h"

namespace quelt {
class Host;
}

namespace quelt::win {

class AppState;
class CabinetService;
class OwnerWindow;
class PrintSession;
class TextWindows;

class PrintService {
 public:
  PrintService(AppState& state, Host& host, CabinetService& cabinet, OwnerWindow& owner, TextWindows& windows)
      : state_(state), host_(host), cabinet_(cabinet), owner_(owner), windows_(windows) {}
  ~PrintService();
  PrintService(const PrintService&) = delete;
  PrintService& operator=(const PrintService&) = delete;

  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);

  // For windows that lay out pages of their own: the print dialog (false
  // when cancelled), the kept printer (null without one, after the
  // message), and the job over pages first to last (1-based).
  bool AskPrint(bool selection, PrintRequest& request, HDC& dc);
  HDC PrinterDc();
  void RunJob(HDC dc, const PrintPages& pages, int first, int last);

 private:
  void PrinterSetup();
  void Print();
  void Preview();
  void PageLayoutCommand();

  AppState& state_;
  Host& host_;
  CabinetService& cabinet_;
  OwnerWindow& owner_;
  TextWindows& windows_;
  HGLOBAL devMode_ = nullptr;
  HGLOBAL devNames_ = nullptr;
  bool busy_ = false;
};

}  // namespace quelt::win
