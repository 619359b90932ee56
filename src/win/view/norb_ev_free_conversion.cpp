// The free conversion command of the edit window: the dialog (or, played
// back, the recorded rules), the run over the selection or the whole text,
// and the result in place or in a new untitled document.
#include "app/command_ids.h"
#include "view/edit_context.h"
#include "base/messages.h"
#include "cabinet/cabinet_recorder.h"
#include "convert/free_conversion_dialog.h"
#include "convert/free_conversion_edit.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"
#include "view/norb_view.h"

namespace quelt::win {
namespace {

// A new untitled document holding text; it counts as changed, so closing it
// asks before the text is lost.
void OpenResultDocument(const EditContext& context, const std::string& text) {
  CNorbView* view = FirstTextView(context.opener.NewTextDocument());
  CNorbEV* edit = view ? view->EditWindow() : nullptr;
  if (edit && !text.empty()) edit->AppendText(text);
}

}  // namespace

void CNorbEV::FreeConversionCommand() {
  if (HasBoxSelection()) {
    host_.Beep();
    return;
  }
  FreeConversionRules rules;
  std::string played;
  if (CabinetRecorder().TakePlaybackData(kCmdFreeConversion, played)) {
    if (!DecodeFreeConversionRecord(played, rules)) {
      host_.Beep();
      return;
    }
  } else {
    rules = context_.state.Data().freeConversion;
    if (!RunFreeConversionDialog(context_.owner.MainHwnd(), rules)) return;
    // Kept for the next time, and in the state file at exit.
    context_.state.Data().freeConversion = rules;
  }
  EditSession session(doc_.History(), MakeEditOptions());
  TextOffset from = 0, to = 0;
  const bool selected = SelectionRange(from, to);
  const TextRange range{from, to};
  const FreeConversionOutcome o =
      ApplyFreeConversion(session, selected ? &range : nullptr, rules, settings_.fullEscapeSequence != 0);
  if (o.status == FreeConversionStatus::kBadEscape) return;
  CabinetRecorder().RecordOperation(kCmdFreeConversion, EncodeFreeConversionRecord(rules));
  const bool converted = o.status == FreeConversionStatus::kDone || o.status == FreeConversionStatus::kOutputFull;
  if (!converted) return;
  if (o.toNewDocument) {
    OpenResultDocument(context_, o.newDocument);
  } else {
    Finish(o.edit);
  }
  // Shown once the result is on the screen: the converted start was used.
  if (o.status == FreeConversionStatus::kOutputFull) host_.ShowMessage(kMsgSourceTooLarge);
}

}  // namespace quelt::win
