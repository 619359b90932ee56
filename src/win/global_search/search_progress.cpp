#include "global_search/search_progress.h"

#include <string>

#include "framework/win_text.h"
#include "res/global_search_ids.h"

namespace quelt::win {
namespace {

// The texts are redrawn at most this often; the messages are processed at
// every call.
constexpr DWORD kShowIntervalMs = 100;

}  // namespace

SearchProgress::SearchProgress(HWND owner) : owner_(owner) {
  dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GLOBAL_SEARCH_PROGRESS), owner, Proc,
                               reinterpret_cast<LPARAM>(this));
  // The search keeps the program to itself, as a modal dialog would.
  if (owner_) EnableWindow(owner_, FALSE);
}

SearchProgress::~SearchProgress() {
  if (owner_) EnableWindow(owner_, TRUE);
  if (dialog_) DestroyWindow(dialog_);
  if (owner_) SetActiveWindow(owner_);
}

INT_PTR CALLBACK SearchProgress::Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(dlg, DWLP_USER, lp);
    return TRUE;
  }
  auto* self = reinterpret_cast<SearchProgress*>(GetWindowLongPtrW(dlg, DWLP_USER));
  if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL && self) {
    self->stopped_ = true;
    return TRUE;
  }
  return FALSE;
}

bool SearchProgress::Update(std::string_view fileName, std::uint32_t found) {
  const DWORD now = GetTickCount();
  if (dialog_ && (lastShown_ == 0 || now - lastShown_ >= kShowIntervalMs)) {
    lastShown_ = now;
    SetDlgItemTextW(dialog_, IDC_GS_PROGRESS_FILE, (L"検索中 : " + SjisToWide(fileName)).c_str());
    SetDlgItemTextW(dialog_, IDC_GS_PROGRESS_COUNT, (L"見つかった個数 : " + std::to_wstring(found)).c_str());
  }
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The program is ending: the message goes back for the main loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      stopped_ = true;
      break;
    }
    if (dialog_ && IsDialogMessageW(dialog_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return !stopped_;
}

}  // namespace quelt::win
