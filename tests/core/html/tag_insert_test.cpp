#include "html/tag_insert.h"

#include "html/form_tags.h"
#include "html/page_tags.h"
#include "html/table_tags.h"
#include "tag_window_fixture.h"

namespace quelt::test {
namespace {

using TagInsertTest = TagWindowFixture;

TagPair Fixed(CommandId id) { return *FixedTagPair(id); }

TEST_F(TagInsertTest, ParagraphAroundASelectionEndsWithTheCaretAfterTheClosingTag) {
  Load("x abc y");
  TagWindow w = Selecting(2, 5);
  const TagEditResult r = InsertTagPair(w, repeat, Fixed(kCmdTagParagraph));
  EXPECT_TRUE(r.Done());
  EXPECT_TRUE(r.cancelSelection);
  EXPECT_EQ(Text(), "x <P>abc</P> y");
  EXPECT_EQ(r.caret, 12u);
  EXPECT_EQ(applied, 2);
  EXPECT_EQ(UndoSteps(), 2);  // opening and closing are two insertions
  EXPECT_EQ(Text(), "x abc y");
}

TEST_F(TagInsertTest, CentreWithoutASelectionGoesInAtTheCaretAsOneInsertion) {
  Load("ab");
  TagWindow w = AtCaret(1);
  const TagEditResult r = InsertTagPair(w, repeat, Fixed(kCmdTagCentre));
  EXPECT_EQ(Text(), "a<CENTER></CENTER>b");
  EXPECT_EQ(r.caret, 18u);
  EXPECT_FALSE(r.cancelSelection);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(TagInsertTest, FreeCursorFillBelongsToTheInsertion) {
  Load("ab\r\ncd");
  TagWindow w = AtCaret(2);
  w.caret.column = 5;
  w.caret.virtualColumns = 3;
  const TagEditResult r = InsertTagPair(w, repeat, Fixed(kCmdTagBreak));
  EXPECT_EQ(Text(), "ab   <BR>\r\ncd");
  EXPECT_EQ(r.caret, 9u);
  EXPECT_EQ(UndoSteps(), 1);
  EXPECT_EQ(Text(), "ab\r\ncd");
}

TEST_F(TagInsertTest, ClosingTextLosesItsLineBreakAfterASelectedLineBreak) {
  Load("a\r\nb\r\nc");
  TagWindow w = Selecting(0, 6);  // "a\r\nb\r\n"
  InsertTagPair(w, repeat, BuildTableAreaTag(TableAreaSettings{}));
  EXPECT_EQ(Text(), "\r\n<TABLE BORDER>\r\na\r\nb\r\n</TABLE>\r\nc");
  Load("a\r\nb\r\nc");
  TagWindow inside = Selecting(0, 4);  // ends inside a line: the closing text stays whole
  InsertTagPair(inside, repeat, BuildFormAreaTag(FormTagSettings{}));
  EXPECT_EQ(Text(), "\r\n<FORM METHOD=\"POST\" ACTION=\"mailto:\">\r\na\r\nb\r\n</FORM>\r\n\r\nc");
}

TEST_F(TagInsertTest, EmptyPairRefusedDocumentAndBoxSelection) {
  Load("abc");
  TagWindow w = AtCaret(0);
  EXPECT_EQ(InsertTagPair(w, repeat, TagPair{}).status, EditStatus::kNoChange);
  store.SetWriteProtect(true);
  EXPECT_EQ(InsertTagPair(w, repeat, Fixed(kCmdTagPre)).status, EditStatus::kBeeped);
  EXPECT_FALSE(repeat.CanRepeat());  // a refused document does not take the pair
  store.SetWriteProtect(false);
  TagWindow box = Window(TagSelection::kBox, {0, 2});
  EXPECT_EQ(InsertTagPair(box, repeat, Fixed(kCmdTagPre)).status, EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(Text(), "abc");
  EXPECT_EQ(repeat.Last(), Fixed(kCmdTagPre));
}

TEST_F(TagInsertTest, RoomRefusalShowsItsMessageAfterTheRepeatTookThePair) {
  Load(std::string(32760, 'x'));
  store.SetAllocationCeiling(32768);
  TagWindow w = AtCaret(0);
  EXPECT_EQ(InsertTagPair(w, repeat, Fixed(kCmdTagBreak)).status, EditStatus::kFailed);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgOutOfMemory});
  EXPECT_EQ(store.Length(), 32760u);
  EXPECT_TRUE(repeat.CanRepeat());
}

TEST_F(TagInsertTest, RepeatIsDisabledUntilATagWentInThenInsertsItAgain) {
  Load("ab");
  EXPECT_FALSE(repeat.CanRepeat());
  TagWindow w = AtCaret(2);
  EXPECT_EQ(RepeatLastTag(w, repeat).status, EditStatus::kNoChange);
  HtmlTagSettings s;
  s.imageFile = "a.gif";
  const TagEditResult first = InsertTagPair(w, repeat, BuildImageTag(s));
  ASSERT_TRUE(repeat.CanRepeat());
  TagWindow front = AtCaret(0);
  const TagEditResult again = RepeatLastTag(front, repeat);
  EXPECT_TRUE(first.Done() && again.Done());
  EXPECT_EQ(Text(), "<IMG SRC=\"a.gif\">ab<IMG SRC=\"a.gif\">");
  EXPECT_EQ(again.caret, 17u);
}

TEST_F(TagInsertTest, FreeTagFormKeepsItsPairWhenTheDocumentAcceptsIt) {
  Load("text");
  TagPair kept;
  TagWindow w = Selecting(0, 4);
  store.SetWriteProtect(true);
  InsertTagForm(w, repeat, kept, {"<SPAN>", "</SPAN>"});
  EXPECT_TRUE(kept.Empty());
  store.SetWriteProtect(false);
  InsertTagForm(w, repeat, kept, {"<SPAN>", "</SPAN>"});
  EXPECT_EQ(kept, (TagPair{"<SPAN>", "</SPAN>"}));
  EXPECT_EQ(Text(), "<SPAN>text</SPAN>");
  // A suffix alone wraps nothing in front.
  TagWindow word = Selecting(6, 10);
  InsertTagForm(word, repeat, kept, {"", "<BR>"});
  EXPECT_EQ(Text(), "<SPAN>text<BR></SPAN>");
}

TEST_F(TagInsertTest, TextsFromOutsideAreCleanedBeforeTheyGoIn) {
  Load("ab");
  TagWindow w = AtCaret(1);
  InsertTagPair(w, repeat, {std::string("<X>\r", 4), std::string("\x82", 1)});
  EXPECT_EQ(Text(), "a<X>b");
  EXPECT_EQ(repeat.Last(), (TagPair{"<X>", ""}));
}

// ---- Lists ----

TEST_F(TagInsertTest, DefinitionListOverThreeLinesAlternatesItems) {
  Load("line 1\r\nline 2\r\nline 3");
  TagWindow w = Selecting(0, 22);
  const TagEditResult r = InsertListTags(w, repeat, Fixed(kCmdTagDefinitionList), "<DT>", "<DD>");
  EXPECT_EQ(Text(), "<DL>\r\n<DT>line 1\r\n<DD>line 2\r\n<DT>line 3</DL>");
  EXPECT_EQ(r.caret, store.Length());
  ExpectLayoutCurrent();
  EXPECT_EQ(UndoSteps(), 5);  // the pair's two insertions and one per item
}

TEST_F(TagInsertTest, ListOfLinesEndingWithTheirLineBreakLeavesTheNextLine) {
  Load("a\r\nb\r\nc");
  TagWindow w = Selecting(0, 6);
  InsertListTags(w, repeat, Fixed(kCmdTagBulletList), "<LI>");
  EXPECT_EQ(Text(), "<UL>\r\n<LI>a\r\n<LI>b\r\n</UL>c");
}

TEST_F(TagInsertTest, ListWithoutSelectionHasNoItemsAndABoxBeeps) {
  Load("");
  TagWindow w = AtCaret(0);
  InsertListTags(w, repeat, Fixed(kCmdTagNumberList), "<LI>");
  EXPECT_EQ(Text(), "<OL>\r\n</OL>");
  TagWindow box = Window(TagSelection::kBox, {0, 3});
  EXPECT_EQ(InsertListTags(box, repeat, Fixed(kCmdTagNumberList), "<LI>").status,
            EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Text(), "<OL>\r\n</OL>");
}

TEST_F(TagInsertTest, SelectionBoxGivesOneOptionPerLine) {
  Load("x\r\ny\r\nz\r\n");
  FormTagSettings s;
  s.selectName = "s";
  TagWindow w = Selecting(0, 9);
  InsertListTags(w, repeat, BuildFormSelectTag(s), kSelectItem);
  EXPECT_EQ(Text(),
            "\r\n<SELECT NAME=\"s\">\r\n<OPTION>x\r\n<OPTION>y\r\n<OPTION>z\r\n</SELECT>\r\n");
}

TEST_F(TagInsertTest, AWrappedLogicalLineGetsOneItem) {
  // "aaaaaaaaaaaaaaaaaaaaaaaa" wraps over three display lines of ten.
  Load("first\r\n" + std::string(24, 'a') + "\r\nlast", Params(10));
  ASSERT_EQ(layout->LineCount(), 5u);
  TagWindow w = Selecting(0, store.Length());
  InsertListTags(w, repeat, Fixed(kCmdTagBulletList), "<LI>");
  EXPECT_EQ(Text(), "<UL>\r\n<LI>first\r\n<LI>" + std::string(24, 'a') + "\r\n<LI>last</UL>");
  ExpectLayoutCurrent();
}

TEST_F(TagInsertTest, LinesThatWrapAnewAsTheirItemGoesInStillGetOneItemEach) {
  // Every line fills nine of ten columns with its break: its item makes it wrap.
  const std::string seven(7, 'n');
  Load(seven + "\r\n" + seven + "\r\n" + seven + "\r\nend", Params(10));
  TagWindow w = Selecting(0, 0);
  const std::uint32_t linesBefore = layout->LineCount();
  ASSERT_EQ(linesBefore, 4u);
  InsertLineItems(w, 0, 2, "<LI>", 0, {});
  EXPECT_EQ(Text(), "<LI>" + seven + "\r\n<LI>" + seven + "\r\n<LI>" + seven + "\r\nend");
  EXPECT_EQ(layout->LineCount(), linesBefore + 3);
  ExpectLayoutCurrent();
}

TEST_F(TagInsertTest, ItemsBeginAtTheFirstPositionInsideItsLine) {
  Load("ab cd\r\nef");
  TagWindow w = Selecting(3, 9);
  InsertListTags(w, repeat, Fixed(kCmdTagBulletList), "<LI>");
  EXPECT_EQ(Text(), "ab <UL>\r\n<LI>cd\r\n<LI>ef</UL>");
}

TEST_F(TagInsertTest, MoreThanThreeHundredAndOneLinesSoundTheDefaultBeep) {
  std::string text;
  for (int i = 0; i < 302; ++i) text += "l\r\n";
  Load(text);
  TagWindow w = Selecting(0, 0);
  EXPECT_EQ(InsertLineItems(w, 0, 301, "<LI>", 0, {}).status, EditStatus::kBeeped);
  EXPECT_EQ(host.defaultBeeps, 1);
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(Text(), text);
  EXPECT_TRUE(InsertLineItems(w, 0, 300, "<LI>", 0, {}).Done());  // 301 lines
  EXPECT_EQ(store.Length(), text.size() + 301 * 4);
}

TEST_F(TagInsertTest, ItemRangeIsCutToTheText) {
  Load("a\r\nb");
  TagWindow w = Selecting(0, 0);
  InsertLineItems(w, 7, 1000, "<LI>", 3, {});
  EXPECT_EQ(Text(), "a\r\n<LI>b");
  Load("");
  store.SetLineCount(0);
  EXPECT_EQ(InsertLineItems(w, 0, 0, "<LI>", 0, {}).status, EditStatus::kNoChange);
}

}  // namespace
}  // namespace quelt::test
