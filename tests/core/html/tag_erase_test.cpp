#include "html/tag_erase.h"

#include "tag_window_fixture.h"

namespace quelt::test {
namespace {

using TagEraseTest = TagWindowFixture;

TEST_F(TagEraseTest, TagsOfTheSelectionGoEachAsOneUndoStep) {
  Load("<B>bold</B> text");
  TagWindow w = Selecting(0, store.Length());
  const TagEditResult r = EraseTags(w);
  EXPECT_TRUE(r.Done());
  EXPECT_TRUE(r.cancelSelection);
  EXPECT_EQ(Text(), "bold text");
  EXPECT_EQ(r.caret, 9u);
  EXPECT_EQ(applied, 1);
  ExpectLayoutCurrent();
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), "bold</B> text");
  EXPECT_EQ(UndoSteps(), 1);
  EXPECT_EQ(Text(), "<B>bold</B> text");
}

TEST_F(TagEraseTest, ASelectionMadeBackwardsErasesTheSame) {
  Load("a<B>b</B>c");
  TagWindow w = Selecting(10, 0);
  EXPECT_TRUE(EraseTags(w).Done());
  EXPECT_EQ(Text(), "abc");
}

TEST_F(TagEraseTest, AnUnclosedOpeningEndsTheScan) {
  Load("<I>x</I> a < b <B>c</B>");
  TagWindow w = Selecting(0, store.Length());
  EraseTags(w);
  EXPECT_EQ(Text(), "x a < b <B>c</B>");
  Load("<P>a <");
  TagWindow tail = Selecting(0, store.Length());
  EraseTags(tail);
  EXPECT_EQ(Text(), "a <");
}

TEST_F(TagEraseTest, ATagRunningPastTheSelectionStays) {
  Load("<B>x</B><I>y</I>");
  TagWindow w = Selecting(0, 10);  // ends inside "<I>"
  EraseTags(w);
  EXPECT_EQ(Text(), "x<I>y</I>");
  Load("a<B>b");
  TagWindow part = Selecting(0, 3);  // "a<B"
  const TagEditResult r = EraseTags(part);
  EXPECT_EQ(r.status, EditStatus::kNoChange);
  EXPECT_TRUE(r.cancelSelection);
  EXPECT_EQ(Text(), "a<B>b");
}

TEST_F(TagEraseTest, DoubleByteTextAndLineBreaksPassUntouched) {
  // "あ<BR>\r\n<B>い</B>": trail bytes never read as brackets.
  Load("\x82\xa0<BR>\r\n<B>\x82\xa2</B>\x81\x3c");
  TagWindow w = Selecting(0, store.Length());
  EraseTags(w);
  EXPECT_EQ(Text(), "\x82\xa0\r\n\x82\xa2\x81\x3c");
}

TEST_F(TagEraseTest, OnlyWithAStreamSelectionOfAtMostOneMebibyte) {
  EXPECT_TRUE(CanEraseTags(TagSelection::kStream, true));
  EXPECT_FALSE(CanEraseTags(TagSelection::kBox, true));
  EXPECT_FALSE(CanEraseTags(TagSelection::kNone, false));
  const std::string big = "<B>" + std::string(kMaxTagEraseBytes - 3, 'x');
  Load(big + "y");
  TagWindow over = Selecting(0, store.Length());
  EXPECT_EQ(EraseTags(over).status, EditStatus::kFailed);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgRangeTooLarge});
  EXPECT_EQ(store.Length(), big.size() + 1);
  TagWindow limit = Selecting(0, kMaxTagEraseBytes);
  EXPECT_TRUE(EraseTags(limit).Done());
  EXPECT_EQ(store.Length(), big.size() - 2);
}

TEST_F(TagEraseTest, RefusedDocumentBeepsAndKeepsItsText) {
  Load("<B>x</B>");
  store.SetWriteProtect(true);
  TagWindow w = Selecting(0, store.Length());
  EXPECT_EQ(EraseTags(w).status, EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Text(), "<B>x</B>");
  TagWindow box = Window(TagSelection::kBox, {0, 3});
  store.SetWriteProtect(false);
  EXPECT_EQ(EraseTags(box).status, EditStatus::kNoChange);
  EXPECT_EQ(Text(), "<B>x</B>");
}

}  // namespace
}  // namespace quelt::test
