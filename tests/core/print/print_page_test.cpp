#include "print/print_page.h"

#include <gtest/gtest.h>

#include "base/messages.h"
#include "fake_host.h"

namespace quelt {
namespace {

PrintLayout SmallLayout() {
  PrintLayout l;
  l.leftMargin = 100;
  l.topMargin = 200;
  l.printableWidth = 1000;
  l.printableHeight = 60;
  l.cellWidth = 10;
  l.lineHeight = 20;
  l.lineNumberCells = 6;
  l.numberAdvance = 9;
  l.columns = 4;
  l.linesPerPage = 3;
  return l;
}

TEST(PrintPage, CharactersOnTheCellGridAfterTheNumbers) {
  test::FakeHost host;
  const std::string text = "a\tb\x82\xA0\r\nabcdefg";
  std::vector<PrintedLine> lines;
  ASSERT_TRUE(Paginate(text, 8, 4, lines, host));
  ASSERT_EQ(lines.size(), 2u);
  const PrintLayout l = SmallLayout();
  const auto page = PlanPage(text, lines, l, 1, 4, 1, false, true);
  const int textLeft = 100 + 6 * 10;
  const std::vector<PrintedText> want = {
      {100, 200, 9, "00001 "},
      {textLeft, 200, 10, "a"},
      {textLeft + 4 * 10, 200, 10, "b\x82\xA0"},  // after the tab stop at 4
      {100, 220, 9, "00002 "},
      {textLeft, 220, 10, "abcdefg"},
  };
  EXPECT_EQ(page, want);
  // Without line numbers the text keeps its place; the numbers go.
  PrintLayout bare = l;
  bare.lineNumberCells = 0;
  const auto plain = PlanPage(text, lines, bare, 1, 4, 1, false, false);
  ASSERT_EQ(plain.size(), 3u);
  EXPECT_EQ(plain[0].x, 100);
}

TEST(PrintPage, PagesSplitTheLinesAndLogicalNumbersSkipContinuations) {
  test::FakeHost host;
  // Line 1 wraps into four printed lines at 4 columns; page 2 begins with
  // its last piece, which carries no number in the logical count.
  const std::string text = "abcdefghijklmn\r\nxy\r\nz";
  std::vector<PrintedLine> lines;
  ASSERT_TRUE(Paginate(text, 4, 4, lines, host));
  ASSERT_EQ(lines.size(), 6u);
  const PrintLayout l = SmallLayout();
  EXPECT_EQ(PageCount(lines.size(), l.linesPerPage), 2);
  const auto second = PlanPage(text, lines, l, 2, 4, 7, true, true);
  ASSERT_EQ(second.size(), 5u);
  EXPECT_EQ(second[0].text, "mn");
  EXPECT_EQ(second[0].y, 200);
  EXPECT_EQ(second[1].text, "00008 ");
  EXPECT_EQ(second[1].y, 220);
  EXPECT_EQ(second[2].text, "xy");
  EXPECT_EQ(second[3].text, "00009 ");
  EXPECT_EQ(second[4].text, "z");
  // Display-line counting numbers every printed line by its place in the job.
  const auto counted = PlanPage(text, lines, l, 2, 4, 7, false, true);
  EXPECT_EQ(counted[0].text, "00010 ");
  EXPECT_TRUE(PlanPage(text, lines, l, 3, 4, 7, false, true).empty());
  EXPECT_EQ(PageCount(0, 3), 1);
  EXPECT_EQ(PageCount(6, 3), 2);
  EXPECT_EQ(PageCount(7, 3), 3);
}

TEST(PrintPage, BandsAtTheEdgesOfThePrintableArea) {
  const PrintLayout l = SmallLayout();
  const PrinterMetrics printer{600, 600, 1200, 3000};
  EXPECT_EQ(HeaderFooterBand(l, printer, 80, false), (BandRect{100, 0, 1100, 100}));
  EXPECT_EQ(HeaderFooterBand(l, printer, 80, true), (BandRect{100, 2900, 1100, 3000}));
}

TEST(PrintPage, RecordedRequestsAndTheirPages) {
  const PrintRequest pages{PrintScope::kPages, 2, 5};
  PrintRequest back;
  ASSERT_TRUE(DecodePrintRequest(EncodePrintRequest(pages), back));
  EXPECT_EQ(back, pages);
  const PrintRequest selection{PrintScope::kSelection, 0, 0};
  ASSERT_TRUE(DecodePrintRequest(EncodePrintRequest(selection), back));
  EXPECT_EQ(back.scope, PrintScope::kSelection);
  // Damaged records: a short one, an unknown scope, an empty range.
  EXPECT_FALSE(DecodePrintRequest(EncodePrintRequest(pages).substr(1), back));
  EXPECT_FALSE(DecodePrintRequest(EncodePrintRequest({static_cast<PrintScope>(3), 1, 1}), back));
  EXPECT_FALSE(DecodePrintRequest(EncodePrintRequest({PrintScope::kPages, 3, 2}), back));
  EXPECT_FALSE(DecodePrintRequest(EncodePrintRequest({PrintScope::kPages, 0, 2}), back));
  EXPECT_EQ(PagesToPrint(pages, 3), std::make_pair(2, 3));
  EXPECT_EQ(PagesToPrint(pages, 1), std::make_pair(2, 1));  // nothing left
  EXPECT_EQ(PagesToPrint(selection, 4), std::make_pair(1, 4));
}

TEST(PrintPage, DateAndTimeOfTheJob) {
  LocalTime t;
  t.year = 2026;
  t.month = 3;
  t.day = 9;
  t.hour = 7;
  t.minute = 5;
  t.second = 1;
  EXPECT_EQ(PrintDateText(t), "2026/03/09");
  EXPECT_EQ(PrintTimeText(t), "07:05:01");
  SetEnglishInterface(true);
  EXPECT_EQ(PrintDateText(t), "03/09/2026");
  SetEnglishInterface(false);
}

}  // namespace
}  // namespace quelt
