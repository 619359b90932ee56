#include "extract/extract_output.h"

#include "base/host.h"
#include "extract/extract_progress.h"
#include "framework/document_list.h"
#include "framework/text_window.h"
#include "text/text_buffer.h"

namespace quelt::win {
namespace {

// While the lines are shown as they come, they are appended this often.
constexpr DWORD kDisplayIntervalMs = 100;
// Otherwise the batches grow to this size.
constexpr std::size_t kBatchBytes = 1u << 20;
// The largest text a store takes (its block keeps two bytes spare).
constexpr std::uint32_t kLargestText = kMaxTextSize - 3;

}  // namespace

bool ExtractOutput::OnLine(std::string_view line) {
  pending_ += line;
  const bool due = display_ ? GetTickCount() - lastFlush_ >= kDisplayIntervalMs : pending_.size() >= kBatchBytes;
  if (due && !Flush()) return false;
  return KeepGoing();
}

bool ExtractOutput::KeepGoing() {
  // Messages processed meanwhile may close the document (automation, DDE).
  return progress_.KeepGoing() && !full_ && DocumentOpen();
}

bool ExtractOutput::DocumentOpen() const { return documents_.IsOpen(&doc_); }

bool ExtractOutput::Flush() {
  lastFlush_ = GetTickCount();
  if (pending_.empty()) return !full_;
  if (full_ || !DocumentOpen()) return false;
  TextStore& store = edit_.Store();
  const std::uint32_t room = store.Length() < kLargestText ? kLargestText - store.Length() : 0;
  std::string_view batch = pending_;
  bool overLimit = false;
  if (batch.size() > room) {
    // The lines that still fit go in whole; the text is then full.
    const std::size_t end = room >= 2 ? batch.rfind("\r\n", room - 2) : std::string_view::npos;
    batch = end == std::string_view::npos ? std::string_view() : batch.substr(0, end + 2);
    overLimit = true;
  }
  // A failed append has said why ("メモリ不足です。").
  const bool appended = batch.empty() || edit_.AppendText(batch);
  pending_.clear();
  if (!appended || overLimit) {
    full_ = true;
    if (appended) ReportCapacityFailure(host_, Capacity::kOverLimit, false);
    return false;
  }
  // The layout cut the document at its line limit (and said so).
  if (edit_.TextLayout().LineCount() >= kMaxDisplayLines) full_ = true;
  if (display_ && !full_) UpdateWindow(edit_.Hwnd());
  return !full_;
}

}  // namespace quelt::win
