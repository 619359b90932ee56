#include "frame/status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "framework/win_text.h"
#include "text/char_code.h"

namespace quelt::win {
namespace {

// Widths of the panes after the prompt, measured on their placeholders.
constexpr std::array<const wchar_t*, 9> kPlaceholders = {L"XXXXX", L"XXX",  L"XXX",  L"BBBB",       L"SJIS",
                                                         L"CRLF",  L"上書", L"書禁", L"%1 %2      "};

}  // namespace

CStatusBar::~CStatusBar() {
  if (font_) DeleteObject(font_);
}

bool CStatusBar::Create(HWND frame, bool english) {
  hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  HDC dc = GetDC(hwnd_);
  const int height = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(hwnd_, dc);
  font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, english ? ANSI_CHARSET : SHIFTJIS_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                      english ? L"MS Sans Serif" : L"MS UI Gothic");
  if (font_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
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
  }
  // The code pane is as wide as the widest code name.
  const std::size_t codePane = static_cast<std::size_t>(StatusPane::kCodeName) - 1;
  for (int id = static_cast<int>(CharCodeId::kShiftJis); id <= static_cast<int>(kLastCharCode); ++id) {
    const std::wstring name = Utf8ToWide(CharCodeStatusName(static_cast<CharCodeId>(id)));
    SIZE size{};
    GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
    widths[codePane] = std::max(widths[codePane], static_cast<int>(size.cx) + 12);
  }
  for (int w : widths) total += w;
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
  const auto i = static_cast<std::size_t>(pane);
  if (!hwnd_ || i >= shown_.size()) return;
  // The prompt pane is written every time: the framework's own messages
  // may have changed it behind our back.
  if (pane != StatusPane::kPrompt && shown_[i] == text) return;
  shown_[i] = text;
  SendMessageW(hwnd_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
}

void CStatusBar::Clear(StatusPane pane) {
  const auto i = static_cast<std::size_t>(pane);
  if (!hwnd_ || i >= shown_.size()) return;
  shown_[i].clear();
  SendMessageW(hwnd_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(L""));
}

void CStatusBar::Show(bool show) {
  if (hwnd_) ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE);
}

}  // namespace quelt::win
