#include "print/print_preview.h"

#include <algorithm>
#include <string>

#include "base/messages.h"
#include "framework/win_text.h"
#include "print/print_session.h"

namespace quelt::win {
namespace {

constexpr wchar_t kClass[] = L"QueltPrintPreview";
constexpr int kBarHeight = 32;  // the row of buttons
constexpr int kGap = 12;        // grey around the page
constexpr int kMaxZoom = 2;     // the page at 1, 2 or 4 times the fitting size

enum ButtonId : int { kPrint = 100, kNext, kPrev, kZoomIn, kZoomOut, kClose, kPageText };

struct ButtonSpec {
  int id;
  const wchar_t* japanese;
  const wchar_t* english;
  int width;
};
constexpr ButtonSpec kButtons[] = {
    {kPrint, L"印刷(&P)...", L"&Print...", 80},    {kNext, L"次ﾍﾟｰｼﾞ(&N)", L"&Next Page", 84},
    {kPrev, L"前ﾍﾟｰｼﾞ(&V)", L"Pre&v Page", 84},    {kZoomIn, L"拡大(&I)", L"Zoom &In", 70},
    {kZoomOut, L"縮小(&O)", L"Zoom &Out", 70},     {kClose, L"閉じる(&C)", L"&Close", 70},
};

class PreviewWindow {
 public:
  PreviewWindow(HWND frame, const PrintPages& session) : frame_(frame), session_(session) {}
  PreviewResult Run();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void CreateButtons();
  void OnCommand(int id);
  // Ends the loop; the posted message wakes it when a sent message did this.
  void Finish(PreviewResult result);
  bool OnKey(UINT vk);
  void GoTo(int page);
  void Zoom(int zoom);
  void UpdateBar();
  // The page's size and place on the client area at the current zoom.
  RECT PageRect() const;
  SIZE ContentSize() const;
  void UpdateScrollBars();
  void Scroll(int bar, int code);
  void ScrollBy(int dx, int dy);
  void Paint(HDC dc, const RECT& client);

  HWND frame_;
  const PrintPages& session_;
  HWND hwnd_ = nullptr;
  HWND pageText_ = nullptr;
  int page_ = 1;
  int zoom_ = 0;
  int scrollX_ = 0, scrollY_ = 0;
  bool done_ = false;
  PreviewResult result_ = PreviewResult::kClosed;
};

bool RegisterOnce() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
    wc.lpszClassName = kClass;
    return RegisterClassExW(&wc) != 0;
  }();
  return registered;
}

PreviewResult PreviewWindow::Run() {
  if (!RegisterOnce()) return PreviewResult::kClosed;
  RECT frameRect{};
  GetWindowRect(frame_, &frameRect);
  std::wstring title = IsEnglishInterface() ? L"Print Preview" : L"印刷ﾌﾟﾚﾋﾞｭｰ";
  if (!session_.Title().empty()) title += L" - " + SjisToWide(session_.Title());
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClass, title.c_str(),
                          WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, frameRect.left,
                          frameRect.top, frameRect.right - frameRect.left, frameRect.bottom - frameRect.top, frame_,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return PreviewResult::kClosed;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
  CreateButtons();
  UpdateBar();
  UpdateScrollBars();
  EnableWindow(frame_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(GetDlgItem(hwnd_, kNext));
  MSG msg;
  bool quit = false;
  while (!done_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    if (msg.message == WM_KEYDOWN && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd)) && OnKey(static_cast<UINT>(msg.wParam))) {
      continue;
    }
    if (IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  EnableWindow(frame_, TRUE);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
  SetActiveWindow(frame_);
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return result_;
}

void PreviewWindow::CreateButtons() {
  const bool english = IsEnglishInterface();
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  int x = 6;
  for (const ButtonSpec& b : kButtons) {
    HWND button = CreateWindowExW(0, L"BUTTON", english ? b.english : b.japanese,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, 4, b.width, kBarHeight - 8,
                                  hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), GetModuleHandleW(nullptr),
                                  nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    x += b.width + 4;
  }
  pageText_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, x + 8, 4, 160,
                              kBarHeight - 8, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPageText)),
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(pageText_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void PreviewWindow::UpdateBar() {
  const int pages = session_.PageCount();
  const std::wstring text = (IsEnglishInterface() ? L"Page " : L"ﾍﾟｰｼﾞ ") + std::to_wstring(page_) + L" / " +
                            std::to_wstring(pages);
  SetWindowTextW(pageText_, text.c_str());
  const auto enable = [&](int id, bool on) {
    HWND item = GetDlgItem(hwnd_, id);
    if (!on && GetFocus() == item) SetFocus(GetDlgItem(hwnd_, kClose));
    EnableWindow(item, on);
  };
  enable(kNext, page_ < pages);
  enable(kPrev, page_ > 1);
  enable(kZoomIn, zoom_ < kMaxZoom);
  enable(kZoomOut, zoom_ > 0);
}

void PreviewWindow::OnCommand(int id) {
  switch (id) {
    case kPrint:
      Finish(PreviewResult::kPrint);
      break;
    case kNext:
      GoTo(page_ + 1);
      break;
    case kPrev:
      GoTo(page_ - 1);
      break;
    case kZoomIn:
      Zoom(zoom_ + 1);
      break;
    case kZoomOut:
      Zoom(zoom_ - 1);
      break;
    case kClose:
    case IDCANCEL:
      Finish(PreviewResult::kClosed);
      break;
    default:
      break;
  }
}

bool PreviewWindow::OnKey(UINT vk) {
  switch (vk) {
    case VK_NEXT: GoTo(page_ + 1); return true;
    case VK_PRIOR: GoTo(page_ - 1); return true;
    case VK_HOME: GoTo(1); return true;
    case VK_END: GoTo(session_.PageCount()); return true;
    case VK_UP: ScrollBy(0, -40); return true;
    case VK_DOWN: ScrollBy(0, 40); return true;
    case VK_ESCAPE: Finish(PreviewResult::kClosed); return true;
    default: return false;
  }
}

void PreviewWindow::Finish(PreviewResult result) {
  result_ = result;
  done_ = true;
  PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void PreviewWindow::GoTo(int page) {
  const int target = std::clamp(page, 1, session_.PageCount());
  if (target == page_) return;
  page_ = target;
  scrollY_ = 0;
  UpdateBar();
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void PreviewWindow::Zoom(int zoom) {
  zoom_ = std::clamp(zoom, 0, kMaxZoom);
  scrollX_ = scrollY_ = 0;
  UpdateBar();
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

SIZE PreviewWindow::ContentSize() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const PaperGeometry& paper = session_.Paper();
  const int areaW = std::max(1L, client.right - 2 * kGap);
  const int areaH = std::max(1L, client.bottom - kBarHeight - 2 * kGap);
  const double fit = std::min(static_cast<double>(areaW) / paper.width, static_cast<double>(areaH) / paper.height);
  const double scale = fit * (1 << zoom_);
  return SIZE{std::max(1, static_cast<int>(paper.width * scale)), std::max(1, static_cast<int>(paper.height * scale))};
}

RECT PreviewWindow::PageRect() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const SIZE size = ContentSize();
  const int areaW = client.right, areaH = client.bottom - kBarHeight;
  const int left = std::max<int>(kGap, (areaW - size.cx) / 2) - scrollX_;
  const int top = kBarHeight + std::max<int>(kGap, (areaH - size.cy) / 2) - scrollY_;
  return RECT{left, top, left + size.cx, top + size.cy};
}

void PreviewWindow::UpdateScrollBars() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const SIZE size = ContentSize();
  const int areaW = client.right, areaH = client.bottom - kBarHeight;
  const int maxX = std::max(0, static_cast<int>(size.cx) + 2 * kGap - areaW);
  const int maxY = std::max(0, static_cast<int>(size.cy) + 2 * kGap - areaH);
  scrollX_ = std::clamp(scrollX_, 0, maxX);
  scrollY_ = std::clamp(scrollY_, 0, maxY);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  si.nMax = maxX > 0 ? maxX + areaW - 1 : 0;
  si.nPage = maxX > 0 ? static_cast<UINT>(areaW) : 0;
  si.nPos = scrollX_;
  SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
  si.nMax = maxY > 0 ? maxY + areaH - 1 : 0;
  si.nPage = maxY > 0 ? static_cast<UINT>(areaH) : 0;
  si.nPos = scrollY_;
  SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
}

void PreviewWindow::Scroll(int bar, int code) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(hwnd_, bar, &si);
  int pos = si.nPos;
  switch (code) {
    case SB_LINEUP: pos -= 40; break;
    case SB_LINEDOWN: pos += 40; break;
    case SB_PAGEUP: pos -= static_cast<int>(si.nPage); break;
    case SB_PAGEDOWN: pos += static_cast<int>(si.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    default: return;
  }
  if (bar == SB_HORZ) {
    ScrollBy(pos - scrollX_, 0);
  } else {
    ScrollBy(0, pos - scrollY_);
  }
}

void PreviewWindow::ScrollBy(int dx, int dy) {
  scrollX_ += dx;
  scrollY_ += dy;
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void PreviewWindow::Paint(HDC dc, const RECT& client) {
  // Into a bitmap first, so the page does not flicker while it is drawn.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max(1L, client.right), std::max(1L, client.bottom));
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  FillRect(memory, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
  const RECT page = PageRect();
  RECT shadow{page.left + 4, page.top + 4, page.right + 4, page.bottom + 4};
  FillRect(memory, &shadow, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  FillRect(memory, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const int saved = SaveDC(memory);
  IntersectClipRect(memory, page.left, page.top, page.right, page.bottom);
  const PaperGeometry& paper = session_.Paper();
  SetMapMode(memory, MM_ANISOTROPIC);
  SetWindowExtEx(memory, paper.width, paper.height, nullptr);
  SetViewportExtEx(memory, page.right - page.left, page.bottom - page.top, nullptr);
  SetWindowOrgEx(memory, -paper.offsetX, -paper.offsetY, nullptr);
  SetViewportOrgEx(memory, page.left, page.top, nullptr);
  session_.DrawPage(memory, page_);
  RestoreDC(memory, saved);
  BitBlt(dc, 0, kBarHeight, client.right, client.bottom - kBarHeight, memory, 0, kBarHeight, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

LRESULT CALLBACK PreviewWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<PreviewWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT PreviewWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wp));
      return 0;
    case WM_CLOSE:
      Finish(PreviewResult::kClosed);
      return 0;
    case WM_SIZE:
      UpdateScrollBars();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT client{};
      GetClientRect(hwnd_, &client);
      RECT bar{0, 0, client.right, kBarHeight};
      FillRect(dc, &bar, GetSysColorBrush(COLOR_BTNFACE));
      Paint(dc, client);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_VSCROLL:
      Scroll(SB_VERT, LOWORD(wp));
      return 0;
    case WM_HSCROLL:
      Scroll(SB_HORZ, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollBy(0, -GET_WHEEL_DELTA_WPARAM(wp) * 40 / WHEEL_DELTA);
      return 0;
    case WM_LBUTTONDOWN:
      // A click on the page zooms in, and back out from the largest size.
      Zoom(zoom_ < kMaxZoom ? zoom_ + 1 : 0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

}  // namespace

PreviewResult ShowPrintPreview(HWND frame, const PrintPages& session) {
  PreviewWindow window(frame, session);
  return window.Run();
}

}  // namespace quelt::win
