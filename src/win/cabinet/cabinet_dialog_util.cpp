#include "cabinet/cabinet_dialog_util.h"

#include "base/host.h"
#include "cabinet/cabinet_service.h"
#include "framework/win_text.h"

namespace quelt::win {

std::string GetItemSjis(HWND dialog, int id) {
  return WideToSjis(WindowTextOf(GetDlgItem(dialog, id)));
}

void SetItemSjis(HWND dialog, int id, std::string_view text) {
  SetDlgItemTextW(dialog, id, SjisToWide(text).c_str());
}

bool IsItemChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void CheckItem(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

void SelectField(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) return;
  SetFocus(item);
  SendMessageW(item, EM_SETSEL, 0, -1);
}

INT_PTR PageResult(HWND page, LONG_PTR result) {
  SetWindowLongPtrW(page, DWLP_MSGRESULT, result);
  return TRUE;
}

std::wstring DialogFilter(std::wstring_view barSeparated) {
  std::wstring out(barSeparated);
  for (wchar_t& c : out) {
    if (c == L'|') c = L'\0';
  }
  out.push_back(L'\0');
  return out;
}

void CabinetBeep() { CabinetService::Get().GetHost().Beep(); }

}  // namespace quelt::win
