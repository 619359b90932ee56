#include "extract/extract_progress.h"

#include "res/extract_ids.h"

namespace quelt::win {
namespace {

// The messages are looked at this often; a line costs far less.
constexpr DWORD kPumpIntervalMs = 50;
// The window shows only for a run that lasts longer than this, so that a
// short one does not flash it.
constexpr DWORD kShowDelayMs = 300;

}  // namespace

ExtractProgress::ExtractProgress(HWND owner, bool withWindow)
    : window_(owner, withWindow ? IDD_EXTRACT_PROGRESS : 0) {
  start_ = lastPump_ = GetTickCount();
  window_.Pump();
}

ExtractProgress::~ExtractProgress() = default;

bool ExtractProgress::KeepGoing() {
  const DWORD now = GetTickCount();
  if (now - lastPump_ >= kPumpIntervalMs) {
    lastPump_ = now;
    if (!shown_ && now - start_ >= kShowDelayMs) {
      window_.Show();
      shown_ = true;
    }
    window_.Pump();
  }
  return !window_.Stopped();
}

}  // namespace quelt::win
