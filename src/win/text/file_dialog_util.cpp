#include "text/file_dialog_util.h"

#include <commctrl.h>

#include "app/quelt_app.h"
#include "cabinet/cabinet_settings.h"
#include "framework/win_text.h"
#include "text/char_code.h"

namespace quelt::win {

std::wstring DialogFilter() {
  const CabinetSettings& cabinet = CQueltApp::Get()->CurrentCabinet();
  const int type = cabinet.DocumentType();
  std::wstring filter;
  if (type >= 0 && type < kDocumentTypes) {
    for (const FilterPair& f : cabinet.filters[type]) {
      if (f.pattern.empty()) continue;
      filter += SjisToWide(f.title.empty() ? f.pattern : f.title);
      filter += L'\0';
      filter += SjisToWide(f.pattern);
      filter += L'\0';
    }
  }
  if (filter.empty()) {
    filter = L"すべてのﾌｧｲﾙ(*.*)";
    filter += L'\0';
    filter += L"*.*";
    filter += L'\0';
  }
  filter += L'\0';
  return filter;
}

DWORD& LastFilterIndex() {
  static DWORD index = 1;
  return index;
}

std::wstring DefaultExtension(bool htmlDocument) {
  return Utf8ToWide(FileDialogExtension(CQueltApp::Get()->CurrentCabinet().DocumentType(), htmlDocument));
}

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

void SetStatusPane(int pane, const std::wstring& text) {
  HWND frame = CQueltApp::Get()->MainHwnd();
  HWND bar = frame ? FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
  if (!bar) return;
  const LRESULT parts = SendMessageW(bar, SB_GETPARTS, 0, 0);
  if (pane != 0 && pane >= parts) return;
  SendMessageW(bar, SB_SETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace quelt::win
