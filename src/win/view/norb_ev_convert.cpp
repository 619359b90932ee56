// The character conversions, split lines and join lines of the edit
// window: the window reads what the layout knows of the selection's
// display lines and hands it to the engine's conversion operations.
#include <vector>

#include "app/settings.h"
#include "view/convert_ops.h"
#include "view/layout.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {
void CNorbEV::ConversionCommand(UINT id) {
  // Only a stream selection is converted; a box selection is left alone.
  TextOffset from = 0, to = 0;
  if (HasBoxSelection() || !SelectionRange(from, to)) return;
  EditSession session(doc_.History(), MakeEditOptions());
  if (const auto kind = CharConversionOfCommand(id)) {
    Finish(ConvertSelection(session, TextRange{from, to}, *kind));
    return;
  }
  if (id == kCmdJoinLines && settings_.joinLinesTightly != 0) {
    Finish(JoinLinesTightly(session, TextRange{from, to}));
    return;
  }
  // The display lines from the one holding the selection's start through
  // the one holding its last character.
  Layout& layout = *layout_;
  const std::uint32_t first = layout.LineOfOffset(from);
  const std::uint32_t last = layout.LineOfOffset(to - 1);
  std::vector<DisplayLineEnd> lines;
  for (std::uint32_t line = first; line <= last && line < layout.LineCount(); ++line) {
    DisplayLineEnd end;
    end.end = layout.LineTextEnd(line);
    end.crLf = layout.EndsWithCrLf(line);
    end.wraps = !end.crLf && line + 1 < layout.LineCount();
    end.endColumn = layout.ColumnInLine(line, end.end);
    lines.push_back(end);
  }
  const TextOffset coveredEnd = last + 1 < layout.LineCount() ? layout.LineStart(last + 1) : doc_.Store().Length();
  const TextRange covered{layout.LineStart(first), coveredEnd};
  Finish(id == kCmdSplitLines ? SplitLines(session, covered, lines) : JoinLines(session, covered, lines));
}

}  // namespace quelt::win
