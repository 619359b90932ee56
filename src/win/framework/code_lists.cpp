#include "framework/code_lists.h"

#include "framework/win_text.h"
#include "text/char_code.h"

namespace quelt::win {

std::vector<const char*> CharCodeListNames() {
  std::vector<const char*> names;
  for (int id = static_cast<int>(CharCodeId::kAuto); id <= static_cast<int>(kLastCharCode); ++id)
    names.push_back(CharCodeListName(static_cast<CharCodeId>(id)));
  return names;
}

void FillList(HWND combo, const std::vector<const char*>& utf8Names, int selected) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const char* name : utf8Names) {
    const std::wstring w = Utf8ToWide(name);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int ListSelection(HWND combo) {
  const LRESULT i = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? 0 : static_cast<int>(i);
}

}  // namespace quelt::win
