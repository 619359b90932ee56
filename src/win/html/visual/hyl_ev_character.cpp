// The character command of the visual view: the character dialog in its
// visual mode for the selection, what the user changed applied as one
// undo step.
#include "html/visual/hyl_doc.h"
#include "html/visual/visual_context.h"
#include "html/visual/hyl_ev.h"
#include "html/visual/visual_char_dialog.h"
#include "html/visual_char_dialog.h"

namespace quelt::win {

void CHylEV::CharacterDialog() {
  if (!EditAllowed()) return;
  const VisualSelection sel = Selection();
  const VisualCharValues shown = CharValuesOf(doc_.Model(), AttrsOfRange(doc_.Editor(), sel.Start(), sel.End()));
  VisualCharValues chosen = shown;
  if (!RunVisualCharDialog(context_.owner.MainHwnd(), chosen, context_.settings.htmlMode.measureType == 1)) return;
  if (sel.Empty()) {
    pending_ = CharChangeBetween(shown, chosen);
    pendingAt_ = caret_.offset;
    return;
  }
  if (ApplyCharacterChange(doc_.Editor(), sel.Start(), sel.End(), CharChangeBetween(shown, chosen))) Reformatted();
}

void CHylEV::InsertTyped(const std::string& bytes) {
  const std::optional<CharacterChange> change =
      pending_ && Selection().Empty() && caret_.offset == pendingAt_ ? pending_ : std::nullopt;
  pending_.reset();
  const bool continues = typing_ && Selection().Empty() && caret_.offset == typingEnd_ && caret_.virtualBlanks == 0;
  VisualHistory& history = doc_.Editor().History();
  const VisualEditResult r = doc_.Editor().InsertText(Selection(), bytes, caret_.virtualBlanks);
  if (r.done && change) {
    // The new characters take the change, in the same undo step; those
    // typed after them follow them as typed text follows the character
    // before it.
    const std::size_t start = r.caret >= bytes.size() ? r.caret - bytes.size() : 0;
    if (ApplyCharacterChange(doc_.Editor(), start, r.caret, *change)) history.MergeLastTwo();
  }
  if (r.done && continues) history.MergeLastTwo();
  AfterEdit(r.done, r.caret);
  typing_ = r.done;
  typingEnd_ = r.caret;
}

}  // namespace quelt::win
