// What the recorder's state shows: the recording pane of the status bar
// (pane 59149) and the label of command 32808. Texts are UTF-8, in the
// current interface language.
#pragma once

#include <cstdint>
#include <string>

namespace quelt {

class OperationRecorder;

struct RecordingPane {
  bool enabled = false;  // only while recording or playing
  std::string text;      // empty while disabled
};

// "%1 %2      ": "記録中" ("Rec") and the count while recording, else "再生中"
// ("Playing") and a blank while playing.
RecordingPane RecordingPaneText(bool recording, bool playing, std::uint16_t count);
RecordingPane RecordingPaneText(const OperationRecorder& recorder);

// The menu label of 32808 without the mnemonic group the Japanese menu adds.
std::string RecordToggleLabel(bool recording);

}  // namespace quelt
