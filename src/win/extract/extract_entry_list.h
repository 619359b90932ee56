// An entry list of the step pages with the fields it shares: the list box
// shows the entries, "追加" appends the fields' entry, "削除" removes the
// selected one, and selecting an entry shows it in the fields.
#pragma once

#include <windows.h>

#include <vector>

#include "extract/extract_settings.h"

namespace quelt::win {

struct EntryListFields {
  int list;
  int text;
  int position;
  int count;  // 0: the list's entries have no line count
};

// The entries into the list box, none selected.
void FillEntryList(HWND page, const EntryListFields& f, const std::vector<ExtractEntry>& entries);
// "追加": beeps when the list is full; a refused field beeps and is
// selected; otherwise the entry is appended and selected, and the string
// field is ready for the next one.
void AddListEntry(HWND page, const EntryListFields& f, std::vector<ExtractEntry>& entries);
// "削除": beeps when no entry is selected.
void RemoveListEntry(HWND page, const EntryListFields& f, std::vector<ExtractEntry>& entries);
// The selected entry into the fields.
void ShowListEntry(HWND page, const EntryListFields& f, const std::vector<ExtractEntry>& entries);

// A number field with its spin button over [low, high], showing value.
void SetupNumberField(HWND page, int edit, int spin, int low, int high, int value);

}  // namespace quelt::win
