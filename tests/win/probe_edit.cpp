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

}  // namespace probe
