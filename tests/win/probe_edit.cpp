#include "probe_edit.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>

#include "probe_ui.h"

namespace probe {
namespace {

struct ButtonSearch {
  UINT command;
  HWND bar = nullptr;
};

BOOL CALLBACK FindBarWithButton(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<ButtonSearch*>(lp);
  wchar_t cls[64] = L"";
  GetClassNameW(hwnd, cls, 64);
  if (wcscmp(cls, TOOLBARCLASSNAMEW) == 0 &&
      SendMessageW(hwnd, TB_COMMANDTOINDEX, search->command, 0) >= 0) {
    search->bar = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int PrintCaret(HWND frame) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(frame, nullptr);
  if (!GetGUIThreadInfo(thread, &info) || !info.hwndCaret) return 2;
  POINT pt{info.rcCaret.left, info.rcCaret.top};
  ClientToScreen(info.hwndCaret, &pt);
  std::printf("%ld %ld %ld\n", pt.x, pt.y, info.rcCaret.bottom - info.rcCaret.top);
  return 0;
}

int PrintWindowStates(HWND frame) {
  HWND client = FindChildOfClass(frame, L"MDIClient");
  if (!client) return 2;
  for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindow(child, GW_OWNER)) continue;
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const char* state = (style & WS_MAXIMIZE) ? "M" : (style & WS_MINIMIZE) ? "I" : "N";
    std::printf("%s %s\n", state, Utf8(WindowText(child)).c_str());
  }
  return 0;
}

int PrintButtonState(HWND frame, UINT command) {
  ButtonSearch search{command};
  EnumChildWindows(frame, FindBarWithButton, reinterpret_cast<LPARAM>(&search));
  if (!search.bar) {
    std::printf("missing\n");
    return 1;
  }
  // The frame updates its buttons when idle; give it a moment.
  Pump(300);
  const bool enabled = SendMessageW(search.bar, TB_ISBUTTONENABLED, command, 0) != 0;
  std::printf("%s\n", enabled ? "enabled" : "grayed");
  return 0;
}

int RightClickMenu(HWND frame, const wchar_t* key) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(frame, nullptr);
  if (!GetGUIThreadInfo(thread, &info) || !info.hwndCaret) return 2;
  POINT pt{info.rcCaret.left + 4, info.rcCaret.top + 4};
  ClientToScreen(info.hwndCaret, &pt);
  // A menu still closing from an earlier click must not be taken for the
  // new one.
  for (int i = 0; i < 50 && VisibleMenuPopup(frame); ++i) Sleep(20);
  ClickAt(pt.x, pt.y, true);
  HWND popup = nullptr;
  for (int i = 0; i < 100 && !popup; ++i) {
    Sleep(20);
    popup = VisibleMenuPopup(frame);
  }
  if (!popup) return 2;
  Sleep(300);  // placed and sized
  RECT rc{};
  GetWindowRect(popup, &rc);
  std::printf("menu %ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  // The menu of another process can be read on Windows; Wine gives none.
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi)) continue;
    if (mi.fType & MFT_SEPARATOR) {
      std::printf("-\n");
    } else {
      std::printf("%s%s\n", (mi.fState & MFS_GRAYED) ? "(grayed) " : "", Utf8(text).c_str());
    }
  }
  std::fflush(stdout);
  for (const wchar_t* k = key; *k; ++k) {
    Tap(*k == L'!' ? VK_ESCAPE : static_cast<WORD>(LOBYTE(VkKeyScanW(*k))));
    Sleep(100);
  }
  return 0;
}

}  // namespace probe
