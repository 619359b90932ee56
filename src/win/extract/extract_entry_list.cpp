#include "extract/extract_entry_list.h"

#include <commctrl.h>
#include <prsht.h>

#include "cabinet/cabinet_dialog_util.h"
#include "extract/extract_entry_editing.h"
#include "framework/win_text.h"

namespace quelt::win {
namespace {

// Tab stops of the rows (dialog units): the position, then the count.
constexpr int kRowTabs[] = {80, 110};

void Select(HWND page, const EntryListFields& f, int index) {
  SendDlgItemMessageW(page, f.list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace

void FillEntryList(HWND page, const EntryListFields& f, const std::vector<ExtractEntry>& entries) {
  HWND list = GetDlgItem(page, f.list);
  SendMessageW(list, LB_SETTABSTOPS, f.count != 0 ? 2 : 1, reinterpret_cast<LPARAM>(kRowTabs));
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const ExtractEntry& e : entries) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(EntryRowText(e, f.count != 0)).c_str()));
  }
}

void AddListEntry(HWND page, const EntryListFields& f, std::vector<ExtractEntry>& entries) {
  const std::string count = f.count != 0 ? GetItemSjis(page, f.count) : std::string();
  const EntryRefusal refusal =
      AddTypedEntry(entries, GetItemSjis(page, f.text), GetItemSjis(page, f.position), count, f.count != 0);
  switch (refusal) {
    case EntryRefusal::kNone:
      break;
    case EntryRefusal::kListFull:
      CabinetBeep();
      return;
    case EntryRefusal::kText:
      CabinetBeep();
      SelectField(page, f.text);
      return;
    case EntryRefusal::kPosition:
      CabinetBeep();
      SelectField(page, f.position);
      return;
    case EntryRefusal::kLineCount:
      CabinetBeep();
      SelectField(page, f.count);
      return;
  }
  FillEntryList(page, f, entries);
  Select(page, f, static_cast<int>(entries.size()) - 1);
  PropSheet_Changed(GetParent(page), page);
  SelectField(page, f.text);
}

void RemoveListEntry(HWND page, const EntryListFields& f, std::vector<ExtractEntry>& entries) {
  const auto selected = static_cast<int>(SendDlgItemMessageW(page, f.list, LB_GETCURSEL, 0, 0));
  const std::optional<int> next = RemoveEntry(entries, selected);
  if (!next) {
    CabinetBeep();
    return;
  }
  FillEntryList(page, f, entries);
  if (*next >= 0) {
    Select(page, f, *next);
    ShowListEntry(page, f, entries);
  }
  PropSheet_Changed(GetParent(page), page);
}

void ShowListEntry(HWND page, const EntryListFields& f, const std::vector<ExtractEntry>& entries) {
  const auto selected = static_cast<int>(SendDlgItemMessageW(page, f.list, LB_GETCURSEL, 0, 0));
  if (selected < 0 || static_cast<std::size_t>(selected) >= entries.size()) return;
  const ExtractEntry& e = entries[static_cast<std::size_t>(selected)];
  SetItemSjis(page, f.text, e.text);
  SetDlgItemInt(page, f.position, static_cast<UINT>(e.position), TRUE);
  if (f.count != 0) SetDlgItemInt(page, f.count, static_cast<UINT>(e.lineCount), FALSE);
}

void SetupNumberField(HWND page, int edit, int spin, int low, int high, int value) {
  SendDlgItemMessageW(page, spin, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
  SendDlgItemMessageW(page, spin, UDM_SETPOS32, 0, value);
  SetDlgItemInt(page, edit, static_cast<UINT>(value), TRUE);
}

}  // namespace quelt::win
