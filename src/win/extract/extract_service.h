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

namespace quelt {
struct AppSettings;
class Host;
}  // namespace quelt

namespace quelt::win {

class AppState;
class DocumentList;
class DocumentOpener;
class OwnerWindow;
class Recording;
class TextWindows;

class ExtractService {
 public:
  ExtractService(AppSettings& settings, Host& host, AppState& state, Recording& recording, OwnerWindow& owner,
                 DocumentList& documents, DocumentOpener& opener, TextWindows& windows)
      : settings_(settings),
        host_(host),
        state_(state),
        recording_(recording),
        owner_(owner),
        documents_(documents),
        opener_(opener),
        windows_(windows) {}
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

  AppSettings& settings_;
  Host& host_;
  AppState& state_;
  Recording& recording_;
  OwnerWindow& owner_;
  DocumentList& documents_;
  DocumentOpener& opener_;
  TextWindows& windows_;
  bool running_ = false;
};

}  // namespace quelt::win
