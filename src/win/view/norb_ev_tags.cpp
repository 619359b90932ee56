// The HTML tag commands of the edit window: the tag dialogs and the block
// tags put their pair round the selection or at the caret, the lists and
// the selection box add their items to each selected line, the free tag
// form is recorded with its prefix and suffix, repeat inserts the last pair
// again and tag erase strips the tags of a stream selection.
#include "app/command_ids.h"
#include "view/edit_context.h"
#include "html/page_tags.h"
#include "html/tag_commands.h"
#include "html/tag_dialogs.h"
#include "html/tag_erase.h"
#include "html/tag_form_record.h"
#include "html/tag_insert.h"
#include "record/operation_record.h"
#include "record/operation_recorder.h"
#include "view/edit_ops.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {

TagSelection CNorbEV::TagSelectionKind() const {
  TextOffset from = 0, to = 0;
  if (HasBoxSelection()) return TagSelection::kBox;
  return SelectionRange(from, to) ? TagSelection::kStream : TagSelection::kNone;
}

template <typename Run>
void CNorbEV::RunTagEdit(Run run) {
  EditSession session(doc_.History(), MakeEditOptions());
  TextOffset from = 0, to = 0;
  SelectionRange(from, to);
  TagWindow w{session, *layout_, Place(), TagSelectionKind(), TextRange{from, to},
              [this](const TextChange& c) { ApplyChange(c); }};
  const TagEditResult r = run(w);
  if (r.cancelSelection) CancelSelection();
  if (r.Done()) SetCaretOffset(r.caret);
}

bool CNorbEV::OnTagCommand(UINT id) {
  HtmlTagService& tags = context_.htmlTags;
  TagRepeat& repeat = tags.Repeat();
  switch (id) {
    case kCmdInsertTag:
      TagFormCommand();
      return true;
    case kCmdTagRepeat:
      RunTagEdit([&](TagWindow& w) { return RepeatLastTag(w, repeat); });
      return true;
    case kCmdTagErase: {
      HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      RunTagEdit([&](TagWindow& w) { return EraseTags(w); });
      SetCursor(old);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return true;
    }
    default:
      break;
  }
  TagSettings& settings = tags.Settings();
  if (!TagPairOfCommand(id, settings)) return false;
  TagDialogContext context;
  TextOffset from = 0, to = 0;
  const bool stream = SelectionRange(from, to);
  if (id == kCmdTagLink && ShowsLinkText(stream, to - from)) context.linkText = SelectedText();
  if (!ShowTagCommandDialog(id, context_.owner.MainHwnd(), settings, context)) return true;
  const TagPair pair = *TagPairOfCommand(id, settings);
  if (const std::optional<ListItems> items = LineItemsOfCommand(id)) {
    RunTagEdit([&](TagWindow& w) { return InsertListTags(w, repeat, pair, items->itemA, items->itemB); });
  } else {
    RunTagEdit([&](TagWindow& w) { return InsertTagPair(w, repeat, pair); });
  }
  return true;
}

void CNorbEV::TagFormCommand() {
  HtmlTagService& tags = context_.htmlTags;
  TagPair values = tags.Settings().formPair;
  if (recorder_.IsPlaying()) {
    // Played back: the recorded prefix and suffix, without the dialog.
    const std::optional<TagPair> played = DecodeTagFormRecord(recorder_.CurrentData());
    if (!played) {
      host_.Beep();
      return;
    }
    values = *played;
  } else if (!RunTagFormDialog(context_.owner.MainHwnd(), values)) {
    return;
  }
  recorder_.Record(kOpViewCommand, kCmdInsertTag, EncodeTagFormRecord(values));
  RunTagEdit([&](TagWindow& w) { return InsertTagForm(w, tags.Repeat(), tags.Settings().formPair, values); });
}

bool CNorbEV::OnUpdateTagCommand(UINT id, CommandState& state) {
  HtmlTagService& tags = context_.htmlTags;
  switch (id) {
    case kCmdTagRepeat:
      state.enabled = tags.Repeat().CanRepeat();
      return true;
    case kCmdTagErase:
      state.enabled = CanEraseTags(TagSelectionKind(), HasSelection());
      return true;
    case kCmdInsertTag:
      state.enabled = true;
      return true;
    default:
      break;
  }
  if (!TagPairOfCommand(id, tags.Settings())) return false;
  state.enabled = true;
  return true;
}

}  // namespace quelt::win
