#include "text/file_dialog_util.h"

#include <commctrl.h>

#include "cabinet/cabinet_settings.h"
#include "framework/win_text.h"
#include "text/char_code.h"

namespace quelt::win {

std::wstring DialogFilter(const CabinetSettings& cabinet) {
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

std::wstring DefaultExtension(const CabinetSettings& cabinet, bool htmlDocument) {
  return Utf8ToWide(FileDialogExtension(cabinet.DocumentType(), htmlDocument));
}

void SetStatusPane(HWND frame, int pane, const std::wstring& text) {
  HWND bar = frame ? FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
  if (!bar) return;
  const LRESULT parts = SendMessageW(bar, SB_GETPARTS, 0, 0);
  if (pane != 0 && pane >= parts) return;
  SendMessageW(bar, SB_SETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace quelt::win
