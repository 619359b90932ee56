// Random runs of edits: undoing a run gives back the text before it, redoing
// it the edited text; runs that overflow the undo buffer take back exactly
// the edits the buffer kept.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "edit_fixture.h"
#include "view/edit_ops.h"
#include "view/text_lines.h"

namespace quelt {
namespace {

class RandomEdits : public test::EditFixture {
 protected:
  std::mt19937 rng{20261208};

  int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  // A character: letters, blanks, a tab, a lone LF, CR LF or a double-byte one.
  std::string RandomChar() {
    switch (Pick(10)) {
      case 0: return "\r\n";
      case 1: return "\t";
      case 2: return " ";
      case 3: return "\x82\xA0";   // あ
      case 4: return "\x95\x5C";   // 表: trail byte 0x5C
      case 5: return "\x81\x40";   // full-width space
      case 6: return "\n";
      default: return std::string(1, static_cast<char>('a' + Pick(26)));
    }
  }
  std::string RandomText(int chars) {
    std::string s;
    for (int i = 0; i < chars; ++i) s += RandomChar();
    return s;
  }
  // Offsets where a character starts, and the end.
  std::vector<TextOffset> Boundaries() {
    const std::string t = Text();
    std::vector<TextOffset> b;
    for (std::size_t i = 0; i < t.size();) {
      b.push_back(static_cast<TextOffset>(i));
      const auto c = static_cast<std::uint8_t>(t[i]);
      i += (i + 1 < t.size() && (IsSjisLeadByte(c) || (c == '\r' && t[i + 1] == '\n'))) ? 2 : 1;
    }
    b.push_back(static_cast<TextOffset>(t.size()));
    return b;
  }
  TextOffset RandomOffset() {
    const std::vector<TextOffset> b = Boundaries();
    return b[static_cast<std::size_t>(Pick(static_cast<int>(b.size())))];
  }
  TextRange RandomRange(int maxChars) {
    const std::vector<TextOffset> b = Boundaries();
    const int i = Pick(static_cast<int>(b.size()));
    const int j = std::min(static_cast<int>(b.size()) - 1, i + Pick(maxChars + 1));
    return {b[static_cast<std::size_t>(i)], b[static_cast<std::size_t>(j)]};
  }
  CaretPlace Caret(TextOffset at) {
    const TextOffset start = LogicalLineStart(store, at);
    CaretPlace c;
    c.offset = at;
    c.column = ColumnAfter(Text().substr(start, at - start), 0, options.tabWidth, LeadByteTest());
    if (LogicalLineEnd(store, at) == at && Pick(4) == 0) {
      c.virtualColumns = 1 + Pick(9);
      c.column += c.virtualColumns;
    }
    c.lastDisplayLine = LogicalLineEnd(store, at) == store.Length();
    return c;
  }

  // One random edit. Every text edit stays small.
  EditResult RandomEdit(bool linesToo) {
    options.tabWidth = 2 + Pick(7);
    options.tabTypesBlanks = Pick(3) == 0;
    options.autoIndent = Pick(2) == 0;
    options.padSpaceForMoving = Pick(2) == 0;
    options.moveFromLineTop = Pick(4) != 0;
    options.wrapColumn = 10 + Pick(40);
    EditSession s = Session();
    const int kinds = linesToo ? 12 : 6;
    switch (Pick(kinds)) {
      case 0: return TypeText(s, Caret(RandomOffset()), RandomText(1 + Pick(3)), false);
      case 1: return TypeText(s, Caret(RandomOffset()), RandomText(1 + Pick(2)), true);
      case 2: return DeleteAtCaret(s, RandomOffset(), 1 + Pick(5));
      case 3: return DeleteRange(s, RandomRange(20));
      case 4: {
        std::string clip = RandomText(Pick(12));
        if (Pick(3) == 0) clip.insert(static_cast<std::size_t>(Pick(static_cast<int>(clip.size()) + 1)), 1, '\r');
        return Paste(s, Caret(RandomOffset()), clip, Pick(2) == 0);
      }
      case 5: return DeleteBeforeCaret(s, RandomOffset());
      case 6: return IndentBlock(s, RandomRange(30));
      case 7: return UnindentBlock(s, RandomRange(30));
      case 8: {
        const TextRange sel = RandomRange(30);
        const auto mode = static_cast<AlignMode>(Pick(3));
        return AlignLine(s, mode, sel.start, Pick(2) == 0 ? &sel : nullptr);
      }
      case 9: return TabsToSpaces(s, RandomRange(30), 0);
      case 10: return SpacesToTabs(s, RandomRange(30), 0);
      default: return TypeText(s, Caret(RandomOffset()), "\r\n", Pick(2) == 0);
    }
  }

  // The change an edit reports must describe the difference exactly.
  void ExpectChange(const std::string& before, const std::string& after, const EditResult& r) {
    if (!r.change.any) {
      EXPECT_EQ(before, after);
      return;
    }
    const TextChange& c = r.change;
    ASSERT_LE(c.from + c.removed, before.size());
    ASSERT_LE(c.from + c.inserted, after.size());
    EXPECT_EQ(before.substr(0, c.from), after.substr(0, c.from));
    EXPECT_EQ(before.substr(c.from + c.removed), after.substr(c.from + c.inserted));
  }
};

TEST_F(RandomEdits, UndoAndRedoOfRunsWithinTheBuffer) {
  int done = 0;
  int total = 0;
  for (int run = 0; run < 300; ++run) {
    Load(RandomText(Pick(60)));
    const std::string before = Text();
    const int edits = 1 + Pick(30);
    for (int e = 0; e < edits; ++e) {
      const std::string pre = Text();
      const EditResult r = RandomEdit(true);
      ASSERT_NE(r.status, EditStatus::kFailed) << run;
      ++total;
      if (r.Done()) ++done;
      ExpectChange(pre, Text(), r);
      if (HasFailure()) return;
    }
    ASSERT_LE(history.UndoBuffer().Count(), kUndoRecordCapacity);
    ASSERT_TRUE(host.questions.empty());
    const std::string after = Text();
    ASSERT_TRUE(UndoAll()) << run;
    ASSERT_EQ(Text(), before) << "run " << run;
    while (history.CanRedo()) ASSERT_TRUE(history.Redo(false).Done()) << run;
    ASSERT_EQ(Text(), after) << "run " << run;
    ASSERT_TRUE(host.questions.empty());
  }
  EXPECT_GT(done, total / 2);  // most random edits change the text
}

TEST_F(RandomEdits, OverflowingRunsUndoExactlyWhatWasKept) {
  for (int run = 0; run < 30; ++run) {
    Load(RandomText(3000));
    std::vector<std::string> snapshots{Text()};  // the text after each edit
    std::vector<int> records;                    // records each edit left
    auto note = [&](const EditResult& r) {
      int n = 0;
      if (r.Done()) n = history.UndoBuffer().Newest().type == UndoType::kOverwriteInserted ? 2 : 1;
      records.push_back(n);
      snapshots.push_back(Text());
    };
    const int edits = 560 + Pick(300);
    for (int e = 0; e < edits; ++e) {
      if (Pick(10) == 0) {
        // A large deletion, so that the data area overflows as well.
        EditSession s = Session();
        note(DeleteAtCaret(s, RandomOffset(), 500 + Pick(4000)));
        if (store.Length() < 2000) note(Paste(s, Caret(0), RandomText(1500), false));
      } else {
        note(RandomEdit(false));
      }
    }
    ASSERT_TRUE(host.questions.empty());
    // The newest edits whose records are all still kept are undone; the
    // text then equals the text after the newest edit not fully kept.
    int kept = history.UndoBuffer().Count();
    std::size_t oldest = records.size();
    while (oldest > 0 && records[oldest - 1] <= kept) {
      kept -= records[oldest - 1];
      --oldest;
    }
    int total = 0;
    for (int n : records) total += n;
    ASSERT_GT(oldest, 0u) << "the run did not overflow the buffer: " << total << " records, " << history.UndoBuffer().Count() << " kept, used " << history.UndoBuffer().UsedBytes() << ", edits " << records.size();
    ASSERT_TRUE(UndoAll());
    ASSERT_EQ(Text(), snapshots[oldest]) << "run " << run;
  }
}

}  // namespace
}  // namespace quelt
