// The character command of the visual view: the character dialog for the
// selection (or for what is typed at the caret), its choices applied as
// one undo step.
#include "app/quelt_app.h"
#include "html/tag_dialogs.h"
#include "html/visual/hyl_doc.h"
#include "html/visual/hyl_ev.h"
#include "html/visual_format.h"

namespace quelt::win {

void CHylEV::CharacterDialog() {
  if (!EditAllowed()) return;
  const VisualSelection sel = Selection();
  const VisualAttr a = AttrsOfRange(doc_.Editor(), sel.Start(), sel.End());
  const VisualFont& font = doc_.Model().fonts[a.font];
  CharTagSettings s;
  s.superscript = PositionKind(a.position) == 1;
  s.subscript = PositionKind(a.position) == 2;
  s.bold = font.weight > 400;
  s.italic = font.italic != 0;
  s.points = font.height;
  s.colour = a.colour;
  if (!RunCharTagDialog(CQueltApp::Get()->MainHwnd(), s)) return;
  if (sel.Empty()) return;  // nothing selected: nothing to change
  CharacterChange c;
  c.points = s.points;
  c.bold = s.bold;
  c.italic = s.italic;
  c.colour = s.colour;
  c.superscript = s.superscript;
  c.subscript = s.subscript;
  if (ApplyCharacterChange(doc_.Editor(), sel.Start(), sel.End(), c)) Reformatted();
}

}  // namespace quelt::win
