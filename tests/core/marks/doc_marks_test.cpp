#include "marks/doc_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "text/undo_history.h"
#include "view/area_comment_keeper.h"

namespace quelt {
namespace {

using Lines = std::vector<std::int32_t>;

class Marks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Create());
    ASSERT_TRUE(history.Create());
    store.AddObserver(&marks);
  }
  void TearDown() override { store.RemoveObserver(&marks); }
  void Load(const std::string& text) { store.Load(text, DocumentKind::kText); }
  MarkOutcome ToggleLine(TextOffset start, bool begins = true) {
    return marks.ToggleLineMark(start, begins, store.Length() == 0, false);
  }
  MarkOutcome Select(TextOffset from, TextOffset to) { return marks.ToggleStringMark(store, from, to, true, false); }
  MarkOutcome AtCaret(TextOffset p) { return marks.ToggleStringMark(store, p, p, false, false); }
  std::vector<TextOffset> Offsets() const {
    std::vector<TextOffset> out;
    for (const StringMark& m : marks.StringMarks()) out.push_back(m.offset);
    return out;
  }

  TextStore store;
  test::FakeHost host;
  UndoHistory history{store, host};
  DocMarks marks;
};

// "aa\r\nbb\r\ncc": lines start at 0, 4 and 8; their values are -2, 2 and 6.
TEST_F(Marks, LineMarksToggleInOrderAndRefuseWhatTheyMust) {
  EXPECT_EQ(ToggleLine(0), MarkOutcome::kNothing);  // empty text
  Load("aa\r\nbb\r\ncc");
  EXPECT_EQ(ToggleLine(8), MarkOutcome::kAdded);
  EXPECT_EQ(ToggleLine(0), MarkOutcome::kAdded);
  EXPECT_EQ(ToggleLine(4), MarkOutcome::kAdded);
  EXPECT_EQ(marks.LineMarks(), (Lines{-2, 2, 6}));
  EXPECT_TRUE(marks.IsLineMarked(0));
  EXPECT_TRUE(marks.IsLineMarked(4));
  EXPECT_FALSE(marks.IsLineMarked(5));
  EXPECT_EQ(ToggleLine(4), MarkOutcome::kRemoved);
  EXPECT_EQ(marks.LineMarks(), (Lines{-2, 6}));

  EXPECT_EQ(marks.ToggleLineMark(4, true, false, true), MarkOutcome::kBeep);  // selection
  EXPECT_EQ(ToggleLine(6, false), MarkOutcome::kBeep);                        // wrapped continuation
  EXPECT_EQ(marks.LineMarks(), (Lines{-2, 6}));
}

TEST_F(Marks, TheHundredthLineMarkIsTheLast) {
  std::string text;
  for (int i = 0; i < 101; ++i) text += "x\r\n";
  Load(text);
  for (TextOffset i = 0; i < 100; ++i) ASSERT_EQ(ToggleLine(i * 3), MarkOutcome::kAdded);
  EXPECT_EQ(ToggleLine(300), MarkOutcome::kBeep);
  EXPECT_EQ(ToggleLine(297), MarkOutcome::kRemoved);  // a marked line still toggles off
  EXPECT_EQ(ToggleLine(300), MarkOutcome::kAdded);
}

TEST_F(Marks, JumpsWrapAndClearingReportsTheLines) {
  Load("aa\r\nbb\r\ncc\r\ndd");
  EXPECT_FALSE(marks.LineMarkTarget(0, true));
  ToggleLine(4);
  ToggleLine(8);
  EXPECT_EQ(marks.LineMarkTarget(0, true), 4u);
  EXPECT_EQ(marks.LineMarkTarget(4, true), 8u);
  EXPECT_EQ(marks.LineMarkTarget(8, true), 4u);   // wraps to the first
  EXPECT_EQ(marks.LineMarkTarget(8, false), 4u);
  EXPECT_EQ(marks.LineMarkTarget(4, false), 8u);  // wraps to the last
  EXPECT_EQ(marks.LineMarkTarget(12, false), 8u);
  EXPECT_EQ(marks.ClearLineMarks(), (std::vector<TextOffset>{4, 8}));
  EXPECT_TRUE(marks.ClearLineMarks().empty());
}

TEST_F(Marks, StringMarksNeedAPlainStreamSelection) {
  Load("ab\tcd\r\nefgh");
  EXPECT_EQ(marks.ToggleStringMark(store, 0, 2, false, true), MarkOutcome::kBeep);  // box
  EXPECT_EQ(AtCaret(5), MarkOutcome::kBeep);                                        // a CR
  EXPECT_EQ(AtCaret(store.Length()), MarkOutcome::kBeep);                           // the end
  EXPECT_EQ(AtCaret(0), MarkOutcome::kBeep);                                        // no mark to remove
  EXPECT_EQ(Select(1, 3), MarkOutcome::kBeep);                                      // a tab
  EXPECT_EQ(Select(4, 8), MarkOutcome::kBeep);                                      // a CR
  EXPECT_EQ(Select(7, 7), MarkOutcome::kBeep);                                      // nothing
  EXPECT_TRUE(marks.StringMarks().empty());

  EXPECT_EQ(Select(9, 11), MarkOutcome::kAdded);
  EXPECT_EQ(Select(0, 2), MarkOutcome::kAdded);
  ASSERT_EQ(Offsets(), (std::vector<TextOffset>{0, 9}));
  EXPECT_EQ(marks.StringMarks()[1], (StringMark{9, 2, "gh"}));
  EXPECT_EQ(AtCaret(10), MarkOutcome::kRemoved);  // the caret's character overlaps
  EXPECT_EQ(Select(1, 4), MarkOutcome::kRemoved);
  EXPECT_TRUE(marks.StringMarks().empty());
}

TEST_F(Marks, StringMarkLimits) {
  Load(std::string(200, 'a'));
  EXPECT_EQ(Select(0, 81), MarkOutcome::kBeep);
  EXPECT_EQ(Select(0, 80), MarkOutcome::kAdded);
  EXPECT_EQ(marks.StringMarks()[0].text, std::string(80, 'a'));
  marks.Clear();
  for (TextOffset i = 0; i < 100; ++i) ASSERT_EQ(Select(i, i + 1), MarkOutcome::kAdded);
  EXPECT_EQ(Select(150, 151), MarkOutcome::kBeep);
  EXPECT_EQ(marks.StringMarkTarget(50, true), 51u);
  EXPECT_EQ(marks.StringMarkTarget(99, true), 0u);
  EXPECT_EQ(marks.StringMarkTarget(0, false), 99u);
  EXPECT_EQ(marks.ClearStringMarks().size(), 100u);
  EXPECT_FALSE(marks.StringMarkTarget(0, true));
}

TEST_F(Marks, InsertionsMoveMarksAtOrAfterThem) {
  Load("aa\r\nbb\r\ncc");
  ToggleLine(0);
  ToggleLine(4);  // value 2
  Select(5, 6);   // "b"
  history.Insert(2, "X");  // before the CR of the marked line: the mark follows
  EXPECT_EQ(marks.LineMarks(), (Lines{-2, 3}));
  EXPECT_EQ(Offsets(), (std::vector<TextOffset>{6}));
  history.Insert(5, "Y");  // at the marked line's start: the CR stays
  EXPECT_EQ(marks.LineMarks(), (Lines{-2, 3}));
  EXPECT_EQ(Offsets(), (std::vector<TextOffset>{7}));
  history.Insert(7, "Z");  // at the string mark: it moves along
  EXPECT_EQ(Offsets(), (std::vector<TextOffset>{8}));
  history.Insert(9, "W");  // after both
  EXPECT_EQ(marks.LineMarks(), (Lines{-2, 3}));
  EXPECT_EQ(Offsets(), (std::vector<TextOffset>{8}));
  EXPECT_TRUE(DocMarks::StringMarkShown(marks.StringMarks()[0], store));
  history.Insert(0, "V");  // the first line's mark never moves
  EXPECT_EQ(marks.LineMarks(), (Lines{-2, 4}));
}

TEST_F(Marks, DeletingALineEndRemovesItsMarkAndGathersStringMarksInside) {
  Load("aa\r\nbb\r\ncc\r\ndd");
  ToggleLine(4);   // 2
  ToggleLine(8);   // 6
  ToggleLine(12);  // 10
  Select(9, 10);   // "c"
  Select(13, 14);  // "d"
  history.Delete(1, 7);  // "a\r\nbb\r\n": the marks of lines 2 and 3 go
  EXPECT_EQ(store.Text(), "acc\r\ndd");
  EXPECT_EQ(marks.LineMarks(), (Lines{3}));
  EXPECT_EQ(Offsets(), (std::vector<TextOffset>{2, 6}));

  history.Delete(1, 4);  // "cc\r\n" with the CR of the last mark; "c" moves to 1
  EXPECT_EQ(store.Text(), "add");
  EXPECT_TRUE(marks.LineMarks().empty());
  ASSERT_EQ(Offsets(), (std::vector<TextOffset>{1, 2}));
  EXPECT_FALSE(DocMarks::StringMarkShown(marks.StringMarks()[0], store));
  EXPECT_TRUE(DocMarks::StringMarkShown(marks.StringMarks()[1], store));
  history.Delete(1, 2);  // to the end: every string mark now starts past it
  EXPECT_TRUE(marks.StringMarks().empty());
}

TEST_F(Marks, UndoRestoresTheTextOfAStringMarkCutInside) {
  Load("abcdef");
  Select(1, 4);  // "bcd"
  history.Delete(2, 1);
  ASSERT_EQ(Offsets(), (std::vector<TextOffset>{1}));
  EXPECT_FALSE(DocMarks::StringMarkShown(marks.StringMarks()[0], store));
  history.Undo(false);
  EXPECT_TRUE(DocMarks::StringMarkShown(marks.StringMarks()[0], store));
}

TEST_F(Marks, UndoOfAnInsertionBringsMarksBack) {
  Load("aa\r\nbb");
  ToggleLine(4);
  Select(4, 6);
  history.Insert(0, "123\r\n");
  EXPECT_EQ(marks.LineMarks(), (Lines{7}));
  history.Undo(false);
  EXPECT_EQ(marks.LineMarks(), (Lines{2}));
  EXPECT_EQ(Offsets(), (std::vector<TextOffset>{4}));
  history.Redo(false);
  EXPECT_EQ(marks.LineMarks(), (Lines{7}));
  EXPECT_TRUE(DocMarks::StringMarkShown(marks.StringMarks()[0], store));
}

// The store tells every observer, in the order they were added.
TEST_F(Marks, TheStoreTellsSeveralObservers) {
  struct Recorder : TextChangeObserver {
    std::vector<std::string>* log;
    std::string name;
    void AfterInsert(const TextStore&, TextOffset, std::uint32_t) override { log->push_back(name + "+"); }
    void BeforeDelete(const TextStore&, TextOffset, std::uint32_t) override { log->push_back(name + "-"); }
  };
  std::vector<std::string> log;
  Recorder a, b;
  a.log = b.log = &log;
  a.name = "a";
  b.name = "b";
  store.AddObserver(&a);
  store.AddObserver(&b);
  store.AddObserver(&a);
  store.Insert(0, "x");
  store.RemoveObserver(&a);
  store.Delete(0, 1);
  store.RemoveObserver(&b);
  EXPECT_EQ(log, (std::vector<std::string>{"a+", "b+", "b-"}));

  AreaCommentKeeper keeper(store, host);  // beside the marks
  Load("ab\r\ncd");
  keeper.Rescan(1, true, 0);
  ToggleLine(4);
  store.Insert(0, "/*");
  EXPECT_EQ(marks.LineMarks(), (Lines{4}));
}

}  // namespace
}  // namespace quelt
