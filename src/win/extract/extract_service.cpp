#include "extract/extract_service.h"

#include <new>

#include "app/command_ids.h"
#include "app/quelt_app.h"
#include "base/messages.h"
#include "cabinet/cabinet_recorder.h"
#include "extract/extract_info_dialog.h"
#include "extract/extract_output.h"
#include "extract/extract_progress.h"
#include "extract/extract_sheet.h"
#include "extract/line_extraction.h"
#include "record/recording.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"
#include "view/norb_view.h"

namespace quelt::win {

bool ExtractService::OnCommand(UINT id) {
  if (id != kCmdLineExtract) return false;
  if (running_) {
    app_.GetHost().Beep();
    return true;
  }
  running_ = true;
  Extract();
  running_ = false;
  return true;
}

bool ExtractService::OnUpdateCommand(UINT id, CommandState& state) {
  if (id != kCmdLineExtract) return false;
  state.enabled = !running_ && ActiveEditWindow() != nullptr;
  return true;
}

bool ExtractService::ChooseSettings(ExtractSettings& settings, bool& played) {
  std::string data;
  played = CabinetRecorder().TakePlaybackData(kCmdLineExtract, data);
  if (played) {
    // The whole record and nothing after it.
    std::string_view in = data;
    if (!DecodeExtractSection(in, settings) || !in.empty()) {
      app_.GetHost().Beep();
      return false;
    }
    return true;
  }
  ExtractSheetValues values{app_.State().Data().extract, app_.Settings().recordExtractOperation != 0};
  CExtPS sheet(values);
  if (!sheet.DoModal(app_.MainHwnd())) return false;
  settings = values.settings;
  app_.State().Data().extract = values.settings;
  app_.Settings().recordExtractOperation = values.recordOperation ? 1 : 0;
  return true;
}

void ExtractService::Record(const ExtractSettings& settings, bool played) {
  std::string record;
  EncodeExtractSection(settings, record);
  OperationRecorder& recorder = app_.GetRecording().Recorder();
  if (!played && app_.Settings().recordExtractOperation != 0 && !recorder.IsRecording() && !recorder.IsPlaying()) {
    // "操作を記録": the run becomes the one recorded operation, ready to be
    // played again or saved, and the settings reach the state file now.
    if (recorder.StartRecording()) {
      CabinetRecorder().RecordOperation(kCmdLineExtract, record);
      recorder.StopRecording();
    }
    app_.State().Save();
    return;
  }
  CabinetRecorder().RecordOperation(kCmdLineExtract, record);
}

void ExtractService::Extract() {
  ExtractSettings settings;
  bool played = false;
  if (!ChooseSettings(settings, played)) return;
  Record(settings, played);
  if (ActiveEditWindow() == nullptr || !HasExtractEntries(settings)) {
    app_.GetHost().Beep();
    return;
  }
  Run(settings);
}

void ExtractService::Run(const ExtractSettings& settings) {
  Host& host = app_.GetHost();
  CNorbEV* active = ActiveEditWindow();
  // The source is copied: messages processed during the run may close it.
  std::string text;
  try {
    text = active->Doc().Store().Text();
  } catch (const std::bad_alloc&) {
    host.ShowMessage(kMsgOutOfMemory);
    return;
  }
  const LeadByteTest lead = active->Doc().Store().Lead();
  Document* doc = app_.NewTextDocument();
  CNorbView* view = FirstTextView(doc);
  CNorbEV* edit = view ? view->EditWindow() : nullptr;
  if (!edit) return;
  ExtractOutcome outcome;
  bool complete = false;
  {
    ExtractProgress progress(app_.MainHwnd(), !settings.displayWhileExtracting);
    ExtractOutput output(app_, *doc, *edit, progress, settings.displayWhileExtracting);
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
  if (complete && settings.showInformation) ShowExtractInformation(app_.MainHwnd(), outcome);
}

}  // namespace quelt::win
