#include "record/recorder_texts.h"

#include "base/messages.h"
#include "record/operation_recorder.h"

namespace quelt {
namespace {

constexpr const char* kPaneTail = "      ";

}  // namespace

RecordingPane RecordingPaneText(bool recording, bool playing, std::uint16_t count) {
  const bool english = IsEnglishInterface();
  RecordingPane pane;
  if (recording) {
    pane.text = std::string(english ? "Rec" : "記録中") + " " + std::to_string(count) + kPaneTail;
  } else if (playing) {
    pane.text = std::string(english ? "Playing" : "再生中") + "  " + kPaneTail;
  } else {
    return pane;
  }
  pane.enabled = true;
  return pane;
}

RecordingPane RecordingPaneText(const OperationRecorder& recorder) {
  return RecordingPaneText(recorder.IsRecording(), recorder.IsPlaying(), recorder.Count());
}

std::string RecordToggleLabel(bool recording) {
  if (IsEnglishInterface()) return recording ? "&Stop Recording" : "&Start Recording";
  return recording ? "操作の記録終了" : "操作の記録開始";
}

}  // namespace quelt
