#include "app/micro_scroll.h"

#include <commctrl.h>

#include <cwchar>

namespace quelt::win {
namespace {

WNDPROC g_upDownProc = nullptr;

LRESULT CALLBACK MicroScrollProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    // Whatever the dialog template says, the buttons step the field before
    // them and write the number into it.
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    cs->style |= UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    SetWindowLongPtrW(hwnd, GWL_STYLE, cs->style);
  }
  const LRESULT r = CallWindowProcW(g_upDownProc, hwnd, msg, wp, lp);
  if (msg == WM_CREATE && r == 0) {
    // The plain control counts down on its up arrow (range 100..0).
    CallWindowProcW(g_upDownProc, hwnd, UDM_SETRANGE32, 0, 32767);
    HWND buddy = reinterpret_cast<HWND>(CallWindowProcW(g_upDownProc, hwnd, UDM_GETBUDDY, 0, 0));
    if (buddy) {
      wchar_t text[32] = L"";
      GetWindowTextW(buddy, text, 32);
      CallWindowProcW(g_upDownProc, hwnd, UDM_SETPOS32, 0, static_cast<int>(wcstol(text, nullptr, 10)));
    }
  }
  return r;
}

}  // namespace

bool RegisterMicroScroll(HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(nullptr, UPDOWN_CLASSW, &wc)) return false;
  g_upDownProc = wc.lpfnWndProc;
  wc.lpfnWndProc = &MicroScrollProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"MicroScroll32";
  wc.style &= ~CS_GLOBALCLASS;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace quelt::win
