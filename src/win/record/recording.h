// `Recording`: operation recording and playback in the program. It owns the
// engine's recorder, answers the cabinet commands' recorder interface,
// plays records back into the frame and the active edit window, and carries
// out the commands 32808 (start or stop recording), 32809 (play), 32810
// (save) and 32811 (load).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "cabinet/cabinet_recorder.h"
#include "framework/command.h"
#include "record/operation_recorder.h"
#include "record/playback_target.h"

namespace quelt {
class FileSystem;
class Host;
class KeyTable;
}  // namespace quelt

namespace quelt::win {

class Recording : public CabinetOperationRecorder, private OperationSink {
 public:
  // exeFolder: where operation files are kept.
  Recording(Host& host, FileSystem& files);
  ~Recording() override;
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  void SetExeFolder(const std::string& folder) { exeFolder_ = folder; }
  // The key table that keeps the operation files' shortcut keys.
  void SetKeys(KeyTable* keys) { keys_ = keys; }
  OperationRecorder& Recorder() { return recorder_; }
  // Where the records that are not the frame's go: the active edit window,
  // or null when the active child is no text view.
  void SetPlaybackTarget(std::function<PlaybackTarget*()> activeTarget) { activeTarget_ = std::move(activeTarget); }

  // The commands 32808-32811; false for other ids.
  bool OnCommand(UINT id, HWND frame);
  bool OnUpdateCommand(UINT id, CommandState& state);
  // Plays an operation file named as the save dialog names it, or by its
  // full path (automation's PlayOperation).
  void PlayOperationFile(const std::string& name, HWND frame);

  // The frame's dialog commands (kind 512): their data while played back,
  // their results while recorded.
  bool TakePlaybackData(UINT id, std::string& data) override;
  void RecordOperation(UINT id, std::string_view data) override;

 private:
  bool Dispatch(const OperationRecord& record) override;
  void Play(HWND frame, const std::string* path);
  void SaveOperation(HWND frame);
  void LoadOperation(HWND frame);

  Host& host_;
  FileSystem& files_;
  OperationRecorder recorder_;
  std::string exeFolder_;
  KeyTable* keys_ = nullptr;
  std::function<PlaybackTarget*()> activeTarget_;
  HWND frame_ = nullptr;
  UINT playingCommand_ = 0;  // the frame command being played back
};

}  // namespace quelt::win
