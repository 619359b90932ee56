#include "frame/status_bar.h"

#include <commctrl.h>

#include <array>

namespace quelt::win {
namespace {

// Widths of the panes after the prompt, measured on their placeholders
// "XXXXX", "XXX", "XXX", "BBBB", "SJIS" and "CRLF".
constexpr std::array<const wchar_t*, 6> kPlaceholders = {L"XXXXX", L"XXX", L"XXX", L"BBBB", L"SJIS", L"CRLF"};

}  // namespace

bool CStatusBar::Create(HWND frame) {
  hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  Resize();
  return true;
}

int CStatusBar::Height() const {
  // The frame may not be shown yet: look at the bar's own style.
  if (!hwnd_ || !(GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE)) return 0;
  RECT rc;
  GetWindowRect(hwnd_, &rc);
  return rc.bottom - rc.top;
}

void CStatusBar::Resize() {
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SIZE, 0, 0);
  RECT rc;
  GetClientRect(hwnd_, &rc);
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  std::array<int, kPlaceholders.size()> widths{};
  int total = 0;
  for (std::size_t i = 0; i < kPlaceholders.size(); ++i) {
    SIZE size{};
    GetTextExtentPoint32W(dc, kPlaceholders[i], static_cast<int>(wcslen(kPlaceholders[i])), &size);
    widths[i] = size.cx + 12;
    total += widths[i];
  }
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  int edges[kPlaceholders.size() + 1];
  const int grip = GetSystemMetrics(SM_CXVSCROLL);
  int x = std::max(100, static_cast<int>(rc.right) - total - grip);
  edges[0] = x;
  for (std::size_t i = 0; i < kPlaceholders.size(); ++i) {
    x += widths[i];
    edges[i + 1] = i + 1 == kPlaceholders.size() ? -1 : x;
  }
  SendMessageW(hwnd_, SB_SETPARTS, kPlaceholders.size() + 1, reinterpret_cast<LPARAM>(edges));
}

void CStatusBar::SetText(StatusPane pane, const std::wstring& text) {
  if (hwnd_) SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.c_str()));
}

void CStatusBar::Show(bool show) {
  if (hwnd_) ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE);
}

}  // namespace quelt::win
