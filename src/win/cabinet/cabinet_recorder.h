// What the cabinet commands tell the operation recorder. A command that can
// be recorded reports its data when it runs; during playback it takes its
// data from the recording instead of asking the user. Until operations can
// be recorded, the recorder below records nothing and plays nothing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quelt::win {

class CabinetOperationRecorder {
 public:
  virtual ~CabinetOperationRecorder() = default;
  // True (data filled) while a recording is being played back and its next
  // operation is command id.
  virtual bool TakePlaybackData(UINT /*id*/, std::string& /*data*/) { return false; }
  // Records command id with its data while a recording is being made.
  virtual void RecordOperation(UINT /*id*/, std::string_view /*data*/) {}
};

// The recorder the cabinet commands report to; never null.
CabinetOperationRecorder& CabinetRecorder();
// Replaces the recorder (null: the one that records nothing).
void SetCabinetRecorder(CabinetOperationRecorder* recorder);

}  // namespace quelt::win
