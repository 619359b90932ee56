#include <gtest/gtest.h>

#include <random>

#include "base/messages.h"
#include "fake_host.h"
#include "print/print_layout.h"

namespace quelt {
namespace {

TEST(PrintLayout, PixelsFromTenthsOfMillimetres) {
  test::FakeHost host;
  PageLayout page;  // margins 10 mm top and bottom, 5 mm left and right
  PrinterMetrics printer{600, 600, 4960, 7015};
  const auto l = ComputePrintLayout(page, printer, 50, 100, 80, host);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->leftMargin, 50 * 600 / 254);
  EXPECT_EQ(l->topMargin, 100 * 600 / 254);
  EXPECT_EQ(l->printableWidth, 4960 - 2 * (50 * 600 / 254));
  EXPECT_EQ(l->lineNumberCells, 6);
  EXPECT_EQ(l->columns, 80);  // held to the wrap column
  EXPECT_EQ(l->linesPerPage, (7015 - 2 * (100 * 600 / 254)) / 100);
  EXPECT_EQ(PrintFontHeight(600, 10), -83);
  page.charSpacing = 10;  // 1 mm: 23 dots more per cell
  const auto spaced = ComputePrintLayout(page, printer, 50, 100, 1000, host);
  ASSERT_TRUE(spaced);
  EXPECT_EQ(spaced->cellWidth, 50 + 23);
  EXPECT_EQ(spaced->lineNumberCells, (300 + 72) / 73);
  EXPECT_TRUE(host.messages.empty());
}

TEST(PrintLayout, TinyPaperShowsTheMessage) {
  test::FakeHost host;
  PageLayout page;
  page.topMargin = page.bottomMargin = page.leftMargin = page.rightMargin = 0;
  page.printLineNumbers = false;
  // One column fits.
  EXPECT_FALSE(ComputePrintLayout(page, PrinterMetrics{600, 600, 60, 1000}, 50, 100, 80, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgPaperTooSmall);
  // Margins larger than the paper.
  page.leftMargin = 5000;
  EXPECT_FALSE(ComputePrintLayout(page, PrinterMetrics{}, 50, 100, 80, host));
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST(PrintLayout, PaginationWrapsTabsAndKeepsCharactersWhole) {
  test::FakeHost host;
  std::vector<PrintedLine> lines;
  ASSERT_TRUE(Paginate("abcde\r\nx\ty\r\n\x82\xA0\x82\xA0\x82\xA0", 4, 4, lines, host));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].start, 0u);   // "abcd"
  EXPECT_EQ(lines[0].end, 4u);
  EXPECT_EQ(lines[1].start, 4u);   // "e"
  EXPECT_FALSE(lines[1].logicalStart);
  EXPECT_EQ(lines[2].start, 7u);   // "x\t" fills 4 columns, "y" wraps
  EXPECT_EQ(lines[2].end, 9u);
  EXPECT_EQ(lines[3].start, 9u);
  EXPECT_EQ(lines[4].start, 12u);  // "ああ", then the third あ on a line of its own
  EXPECT_TRUE(lines[4].logicalStart);
  EXPECT_EQ(lines[5].start, 16u);
  EXPECT_FALSE(lines[5].logicalStart);
  ASSERT_TRUE(Paginate("", 4, 4, lines, host));
  EXPECT_EQ(lines.size(), 1u);
  ASSERT_TRUE(Paginate("a\r\n", 4, 4, lines, host));
  EXPECT_EQ(lines.size(), 1u);  // a final CR LF opens no empty line
}

TEST(PrintLayout, ThreeColumnsSplitTheThirdDoubleByteCharacter) {
  test::FakeHost host;
  std::vector<PrintedLine> lines;
  ASSERT_TRUE(Paginate("\x82\xA0\x82\xA0", 3, 4, lines, host));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].end, 2u);  // the second あ does not fit in column 3
  EXPECT_EQ(lines[1].start, 2u);
}

TEST(PrintLayout, TooManyLines) {
  test::FakeHost host;
  std::vector<PrintedLine> lines;
  std::string text;
  for (std::size_t i = 0; i < kMaxPrintedLines; ++i) text += "a\r\n";
  ASSERT_TRUE(Paginate(text, 4, 4, lines, host));
  EXPECT_EQ(lines.size(), kMaxPrintedLines);
  text += "a";
  EXPECT_FALSE(Paginate(text, 4, 4, lines, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgTooManyPrintLines);
}

TEST(PrintLayout, LineNumbersByDisplayOrLogicalLines) {
  test::FakeHost host;
  std::vector<PrintedLine> lines;
  ASSERT_TRUE(Paginate("abcdefgh\r\nxy", 4, 4, lines, host));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(PrintedLineNumber(lines, 0, 1, false), "00001 ");
  EXPECT_EQ(PrintedLineNumber(lines, 1, 1, false), "00002 ");
  EXPECT_EQ(PrintedLineNumber(lines, 2, 1, false), "00003 ");
  // Logical counting: the wrapped line's number only on its first line.
  EXPECT_EQ(PrintedLineNumber(lines, 0, 10, true), "00010 ");
  EXPECT_EQ(PrintedLineNumber(lines, 1, 10, true), "");
  EXPECT_EQ(PrintedLineNumber(lines, 2, 10, true), "00011 ");
}

TEST(PrintLayout, HeaderAndFooterReplaceTheFirstOfEachVariable) {
  EXPECT_EQ(ExpandHeaderFooter("- &p - &p", 2, 1, "", "", ""), "- 2 - &p");
  EXPECT_EQ(ExpandHeaderFooter("&P / &p", 3, 10, "", "", ""), "&P / 12");
  EXPECT_EQ(ExpandHeaderFooter("FileName = &f  &d &t", 1, 1, "C:\\a&p.txt", "2026/12/09", "12:00"),
            "FileName = C:\\a&p.txt  2026/12/09 12:00");
  EXPECT_EQ(ExpandHeaderFooter("&F &D &T", 1, 1, "p", "d", "t"), "p d t");
  // A lead byte takes the '&' after it with it, as the text is walked by characters.
  EXPECT_EQ(ExpandHeaderFooter("\x95&p", 1, 1, "", "", ""), "\x95&p");
}

// Random texts against a plain walk: every printed line's characters fit
// the columns, no character is split, and the lines cover the text.
TEST(PrintLayout, PaginationAgainstAPlainWalk) {
  test::FakeHost host;
  std::mt19937 rng(9);
  const std::string pieces[] = {"a", "\t", "\r\n", "\x82\xA0", " ", "\xB1"};
  for (int round = 0; round < 200; ++round) {
    std::string text;
    for (int i = 0; i < 200; ++i) text += pieces[rng() % 6];
    const int columns = 2 + static_cast<int>(rng() % 20);
    std::vector<PrintedLine> lines;
    ASSERT_TRUE(Paginate(text, columns, 4, lines, host));
    std::size_t expect = 0;
    for (const PrintedLine& l : lines) {
      ASSERT_EQ(l.start, expect);
      int column = 0;
      std::size_t i = l.start;
      while (i < l.end) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        const int w = c == '\t' ? 4 - column % 4 : (c == 0x82 ? 2 : 1);
        column += w;
        i += c == 0x82 ? 2 : 1;
      }
      ASSERT_EQ(i, l.end);
      // Only a line's first character may overflow (a tab or a wide one in few columns).
      if (l.end > l.start + 2) ASSERT_LE(column, columns);
      expect = l.end + (text.compare(l.end, 2, "\r\n") == 0 ? 2 : 0);
    }
    ASSERT_EQ(expect, text.size());
  }
}

}  // namespace
}  // namespace quelt
