// `ExtractService`: line extraction (32883, "行の抽出") in the program. It
// shows the sheet (or takes the played-back settings), records the run,
// copies the active document's text, runs the engine's extraction into a
// new untitled document with the progress window and shows the
// information dialog. The settings live in the state file's record.
#pragma once

#include <windows.h>

#include <string>

#include "extract/extract_settings.h"
#include "framework/command.h"

namespace quelt::win {

class CQueltApp;

class ExtractService {
 public:
  explicit ExtractService(CQueltApp& app) : app_(app) {}
  ExtractService(const ExtractService&) = delete;
  ExtractService& operator=(const ExtractService&) = delete;

  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);

 private:
  // The settings to run with: the played-back record, or the sheet's after
  // OK (stored then). False when nothing is to run.
  bool ChooseSettings(ExtractSettings& settings, bool& played);
  void Record(const ExtractSettings& settings, bool played);
  void Extract();
  void Run(const ExtractSettings& settings);

  CQueltApp& app_;
  bool running_ = false;
};

}  // namespace quelt::win
