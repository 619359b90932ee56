#include "extract/extract_service.h"

#include <new>

#include "app/command_ids.h"
#include "app/settings.h"
#include "base/host.h"
#include "framework/document.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "framework/owner_window.h"
#include "framework/text_window.h"
#include "state/app_state.h"
#include "base/messages.h"
#include "cabinet/cabinet_recorder.h"
#include "extract/extract_info_dialog.h"
#include "extract/extract_output.h"
#include "extract/extract_progress.h"
#include "extract/extract_sheet.h"
#include "extract/line_extraction.h"
#include "record/recording.h"

namespace quelt::win {

bool ExtractService::OnCommand(UINT id) {
  if (id != kCmdLineExtract) return false;
  if (running_) {
    host_.Beep();
    return true;
  }
  running_ = true;
  Extract();
  running_ = false;
  return true;
}

bool ExtractService::OnUpdateCommand(UINT id, CommandState& state) {
  if (id != kCmdLineExtract) return false;
  state.enabled = !running_ && windows_.ActiveTextWindow() != nullptr;
  return true;
}

bool ExtractService::ChooseSettings(ExtractSettings& settings, bool& played) {
  std::string data;
  played = CabinetRecorder().TakePlaybackData(kCmdLineExtract, data);
  if (played) {
    // The whole record and nothing after it.
    std::string_view in = data;
    if (!DecodeExtractSection(in, settings) || !in.empty()) {
      host_.Beep();
      return false;
    }
    return true;
  }
  ExtractSheetValues values{state_.Data().extract, settings_.recordExtractOperation != 0};
  CExtPS sheet(values);
  if (!sheet.DoModal(owner_.MainHwnd())) return false;
  settings = values.settings;
  state_.Data().extract = values.settings;
  settings_.recordExtractOperation = values.recordOperation ? 1 : 0;
  return true;
}

void ExtractService::Record(const ExtractSettings& settings, bool played) {
  std::string record;
  EncodeExtractSection(settings, record);
  OperationRecorder& recorder = recording_.Recorder();
  if (!played && settings_.recordExtractOperation != 0 && !recorder.IsRecording() && !recorder.IsPlaying()) {
    // "操作を記録": the run becomes the one recorded operation, ready to be
    // played again or saved, and the settings reach the state file now.
    if (recorder.StartRecording()) {
      CabinetRecorder().RecordOperation(kCmdLineExtract, record);
      recorder.StopRecording();
    }
    state_.Save();
    return;
  }
  CabinetRecorder().RecordOperation(kCmdLineExtract, record);
}

void ExtractService::Extract() {
  ExtractSettings settings;
  bool played = false;
  if (!ChooseSettings(settings, played)) return;
  Record(settings, played);
  if (windows_.ActiveTextWindow() == nullptr || !HasExtractEntries(settings)) {
    host_.Beep();
    return;
  }
  Run(settings);
}

void ExtractService::Run(const ExtractSettings& settings) {
  Host& host = host_;
  TextWindow* active = windows_.ActiveTextWindow();
  // The source is copied: messages processed during the run may close it.
  std::string text;
  try {
    text = active->Store().Text();
  } catch (const std::bad_alloc&) {
    host.ShowMessage(kMsgOutOfMemory);
    return;
  }
  const LeadByteTest lead = active->Store().Lead();
  Document* doc = opener_.NewTextDocument();
  TextWindow* edit = windows_.FirstTextWindow(doc);
  if (!edit) return;
  ExtractOutcome outcome;
  bool complete = false;
  {
    ExtractProgress progress(owner_.MainHwnd(), !settings.displayWhileExtracting);
    ExtractOutput output(host_, documents_, *doc, *edit, progress, settings.displayWhileExtracting);
    outcome = RunLineExtraction(text, settings, lead, output);
    const bool flushed = output.Flush();
    if (!output.DocumentOpen()) return;
    complete = outcome.result == ExtractResult::kDone && flushed;
  }
  switch (outcome.result) {
    case ExtractResult::kMissingEntries:
      doc->OnCloseDocument();
      host.Beep();
      return;
    case ExtractResult::kOutOfMemory:
      doc->OnCloseDocument();
      host.ShowMessage(kMsgOutOfMemory);
      return;
    case ExtractResult::kNoLines:
      doc->OnCloseDocument();
      return;
    case ExtractResult::kDone:
    case ExtractResult::kStopped:
      break;
  }
  edit->JumpTo(0, 0);
  if (complete && settings.showInformation) ShowExtractInformation(owner_.MainHwnd(), outcome);
}

}  // namespace quelt::win
