#include <gtest/gtest.h>

#include <random>

#include "app/settings.h"
#include "cabinet/cabinet_settings.h"
#include "colour_test_support.h"
#include "fake_host.h"

namespace quelt {
namespace {

using test::ColourDoc;
using test::TestOptions;

const std::string kHyou = "\x95\x5C";

std::vector<std::int32_t> Columns(const CellArray& cells) {
  std::vector<std::int32_t> out;
  for (const Cell& c : cells.cells) out.push_back(c.column);
  return out;
}

TEST(ColourCells, ColumnsOfTabsDoubleByteCharactersAndLineEnds) {
  ColourDoc doc("a\tb" + kHyou + "\tc\r\nd");
  PaintView view;
  view.bottomLine = 1;
  view.tabWidth = 4;
  ASSERT_TRUE(BuildCellArray(doc.store, view, 0, doc.store.Length(), doc.cells));
  // a, tab to 4, b, 表 (two cells), tab from 7 to 8, c, CR LF, then d on row 1.
  EXPECT_EQ(Columns(doc.cells), (std::vector<std::int32_t>{0, 1, 4, 5, 6, 7, 8, 9, 10, 0}));
  EXPECT_EQ(doc.cells.cells[1].columns, 3);
  EXPECT_EQ(doc.cells.cells[3].columns, 2);
  EXPECT_EQ(doc.cells.cells[4].columns, 0);
  EXPECT_EQ(doc.cells.cells[5].columns, 1);
  EXPECT_EQ(doc.cells.cells[7].columns, 2);  // CR of CR LF
  EXPECT_EQ(doc.cells.cells[9].row, 1);
}

TEST(ColourCells, RangeCutToTheVisibleLinesAndScrolledColumns) {
  ColourDoc doc("l0\r\nline1\r\nl2\r\nl3");
  PaintView view;
  view.topLine = 1;
  view.bottomLine = 2;
  view.firstColumn = 2;
  ASSERT_TRUE(BuildCellArray(doc.store, view, 0, doc.store.Length(), doc.cells));
  EXPECT_EQ(doc.cells.begin, 4u);
  EXPECT_EQ(doc.cells.end, 15u);
  EXPECT_EQ(doc.cells.cells.front().column, -2);
  EXPECT_EQ(doc.cells.cells.front().row, 0);
  EXPECT_EQ(doc.cells.cells.back().row, 1);
  // A range starting inside a line keeps that line's columns; `to` takes
  // its whole character (the CR LF).
  ASSERT_TRUE(BuildCellArray(doc.store, view, 6, 9, doc.cells));
  EXPECT_EQ(doc.cells.begin, 6u);
  EXPECT_EQ(doc.cells.end, 11u);
  EXPECT_EQ(doc.cells.cells.front().column, 0);
  // Nothing visible, nothing to draw.
  EXPECT_FALSE(BuildCellArray(doc.store, view, 15, 16, doc.cells));
  view.topLine = 9;
  EXPECT_FALSE(BuildCellArray(doc.store, view, 0, 3, doc.cells));
}

TEST(ColourCells, EmptyOrUnlaidTextDrawsNothing) {
  TextStore store;
  ASSERT_TRUE(store.Create());
  CellArray cells;
  EXPECT_FALSE(BuildCellArray(store, PaintView{}, 0, 0, cells));
  store.Load(std::string("abc"), DocumentKind::kText);
  EXPECT_FALSE(BuildCellArray(store, PaintView{}, 0, 2, cells));  // no display lines yet
}

TEST(ColourCells, LongRangesAreCutWithoutSplittingACharacter) {
  ColourDoc ascii(std::string(40000, 'a'));
  PaintView view;
  ASSERT_TRUE(BuildCellArray(ascii.store, view, 0, ascii.store.Length(), ascii.cells));
  EXPECT_EQ(ascii.cells.Size(), kPaintCutBytes + 1);
  std::string wide;
  for (int i = 0; i < 20000; ++i) wide += kHyou;
  ColourDoc kanji("a" + wide);
  ASSERT_TRUE(BuildCellArray(kanji.store, view, 0, kanji.store.Length(), kanji.cells));
  // The last character starting at most 30,718 bytes on is the one at 30,717.
  EXPECT_EQ(kanji.cells.Size(), kPaintCutBytes + 1);
  EXPECT_LE(kanji.cells.Size(), kMaxPaintBytes);
}

std::vector<PaintRun> Runs(const CellArray& cells) {
  std::vector<PaintRun> runs;
  PaintRun run;
  for (std::size_t at = 0; NextPaintRun(cells, at, run);) runs.push_back(run);
  return runs;
}

TEST(ColourRuns, StopAtCodesRowsAndControlCharacters) {
  ColourDoc doc("ab int\tx\r\ny");
  ColourOptions o = TestOptions(1);
  doc.Colour(o);
  const auto runs = Runs(doc.cells);
  ASSERT_EQ(runs.size(), 6u);
  EXPECT_EQ(runs[0].count, 3u);  // "ab "
  EXPECT_EQ(runs[1].count, 3u);  // "int"
  EXPECT_EQ(runs[1].code, TextCode(test::kCKeyword));
  EXPECT_TRUE(runs[2].control);  // tab
  EXPECT_EQ(runs[2].count, 1u);
  EXPECT_EQ(runs[3].count, 1u);  // "x"
  EXPECT_TRUE(runs[4].control);  // CR LF, one run
  EXPECT_EQ(runs[4].count, 2u);
  EXPECT_EQ(runs[5].count, 1u);  // "y" on the next row
  EXPECT_EQ(runs.back().first, 10u);
}

TEST(ColourRuns, AtMost250BytesAndNeverSplittingACharacter) {
  std::string text = "a";
  for (int i = 0; i < 150; ++i) text += kHyou;
  ColourDoc doc(text);
  doc.Colour(TestOptions());
  const auto runs = Runs(doc.cells);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].count, 249u);
  EXPECT_EQ(runs[1].count, 52u);
}

TEST(ColourRuns, EveryCharacterHasOneCode) {
  // Random Shift-JIS with keyword, URL and comment material: no pass may
  // give the two bytes of a character different codes.
  const std::vector<std::string> pieces = {"int", " ", "A", "\\", "@", "a@b", "http:", "//",
                                           "/*", "*/", "\r\n", "\x83\x41", "\x95\x5C",
                                           "\x81\x40", "\x81\x97", "\xB1", "_"};
  std::mt19937 rng(11);
  for (int round = 0; round < 200; ++round) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += pieces[rng() % pieces.size()];
    ColourDoc doc(text, 7 + round % 13);
    AreaCommentTables tables;
    ASSERT_TRUE(tables.Create());
    test::FakeHost host;
    tables.RebuildCommentTables(doc.store, host);
    ColourOptions o = TestOptions(round % 3);
    o.keywords = {"A", "\\", "a", "\x83\x41", "@b"};
    o.keywordCaseSensitive = round % 2 == 0;
    o.keywordWholeWord = round % 4 < 2;
    o.clickableUrlEmail = true;
    o.colorAreaComment = true;
    o.userLineComment = round % 2 ? "\\" : "A";
    o.ulCommentFullMode = round % 5 == 0;
    const std::uint32_t lines = doc.store.LineCount();
    const std::uint32_t top = rng() % lines;
    doc.ColourLines(o, top, lines - 1, &tables);
    const CellArray& cells = doc.cells;
    const std::uint8_t* size = cells.charSize.data() + (cells.begin - cells.textBegin);
    for (std::size_t i = 0; i + 1 < cells.Size(); ++i) {
      if (size[i] == 2) ASSERT_EQ(cells.cells[i].code, cells.cells[i + 1].code) << text << " at " << i;
    }
  }
}

TEST(ColourOptions, TakenFromTheCabinetAndTheSettings) {
  CabinetSettings cabinet = DefaultSettings(2, false);
  cabinet.keywords = {"abc"};
  cabinet.keywordCaseSensitive = 0;
  AppSettings app;
  app.colorAreaComment = 1;
  app.clickableUrlEmail = 1;
  app.userLineComment = ";";
  const ColourOptions o = ColourOptionsFrom(cabinet, app, true);
  EXPECT_EQ(o.documentType, 2);
  EXPECT_TRUE(o.htmlDocument);
  EXPECT_EQ(o.cKeywordColour, 0xFF0000u);
  EXPECT_EQ(o.cppKeywordColour, 0x0000FFu);
  EXPECT_EQ(o.commentColour, 0x008000u);
  EXPECT_EQ(o.htmlTagColour, 0x400080u);
  EXPECT_EQ(o.markStringBack & kColourMask, 0xFFFF00u);
  EXPECT_FALSE(o.keywordCaseSensitive);
  EXPECT_TRUE(o.colorAreaComment);
  EXPECT_TRUE(o.clickableUrlEmail);
  EXPECT_EQ(o.userLineComment, ";");
  EXPECT_EQ(o.keywords.size(), 1u);
}

TEST(ColourCodes, BlackTextStaysDistinctFromTheDefault) {
  EXPECT_NE(TextCode(0x000000), kDefaultCode);
  EXPECT_EQ(CodeColour(TextCode(0x000000)), 0u);
  EXPECT_TRUE(IsBackgroundCode(BackgroundCode(0x80FF80)));
  EXPECT_EQ(BackgroundCode(0x80FF80), BackgroundCode(0x80FF80 | 0x80000000u));
  EXPECT_FALSE(IsTextCode(BackgroundCode(0)));
}

}  // namespace
}  // namespace quelt
