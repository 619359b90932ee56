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

SearchProgress::SearchProgress(HWND owner) : window_(owner, IDD_GLOBAL_SEARCH_PROGRESS) {}

SearchProgress::~SearchProgress() = default;

bool SearchProgress::Update(std::string_view fileName, std::uint32_t found) {
  const DWORD now = GetTickCount();
  HWND dialog = window_.Dialog();
  if (dialog && (lastShown_ == 0 || now - lastShown_ >= kShowIntervalMs)) {
    lastShown_ = now;
    SetDlgItemTextW(dialog, IDC_GS_PROGRESS_FILE, (L"検索中 : " + SjisToWide(fileName)).c_str());
    SetDlgItemTextW(dialog, IDC_GS_PROGRESS_COUNT, (L"見つかった個数 : " + std::to_wstring(found)).c_str());
  }
  return window_.Pump();
}

}  // namespace quelt::win
