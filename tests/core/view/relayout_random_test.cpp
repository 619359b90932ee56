#include <gtest/gtest.h>

#include <random>

#include "layout_fixture.h"

namespace quelt::test {
namespace {

// Character starts of the text (a CR LF and a double-byte character are one).
std::vector<TextOffset> Boundaries(const std::string& text) {
  std::vector<TextOffset> b;
  for (std::size_t i = 0; i < text.size();) {
    b.push_back(static_cast<TextOffset>(i));
    const auto c = static_cast<std::uint8_t>(text[i]);
    i += ((IsSjisLeadByte(c) || c == kCr) && i + 1 < text.size()) ? 2 : 1;
  }
  b.push_back(static_cast<TextOffset>(text.size()));
  return b;
}

std::string RandomPiece(std::mt19937& rng, int maxChars) {
  static const char* const kPieces[] = {"a", "b", "x", " ", "\t", "\r\n", "\r\n", "\x82\xA0",
                                        "\x81\x42", "B", ")", "\x88\x9F", "  "};
  std::string s;
  const int n = 1 + static_cast<int>(rng() % maxChars);
  for (int i = 0; i < n; ++i) s += kPieces[rng() % std::size(kPieces)];
  return s;
}

// Edits a text at random and checks after every edit that the incremental
// re-layout built exactly the table a full layout builds.
void RunRandomEdits(const LayoutParams& params, unsigned seed, int edits) {
  std::mt19937 rng(seed);
  std::string start;
  for (int i = 0; i < 40; ++i) start += RandomPiece(rng, 12);
  Doc d(start, params);
  for (int e = 0; e < edits; ++e) {
    const std::string text = d.store.Text();
    const std::vector<TextOffset> b = Boundaries(text);
    const int kind = text.size() < 200 ? 0 : static_cast<int>(rng() % 3);
    RelayoutResult r;
    if (kind == 2) {
      // A replacement as one change.
      const std::size_t i = rng() % (b.size() - 1);
      const std::size_t j = std::min(b.size() - 1, i + 1 + rng() % 8);
      r = d.Replace(b[i], b[j] - b[i], RandomPiece(rng, 6));
    } else if (kind == 0) {
      const TextOffset p = b[rng() % b.size()];
      r = d.Insert(p, RandomPiece(rng, rng() % 4 == 0 ? 40 : 4));
    } else {
      const std::size_t i = rng() % (b.size() - 1);
      const std::size_t j = std::min(b.size() - 1, i + 1 + rng() % (rng() % 4 == 0 ? 60 : 3));
      r = d.Delete(b[i], b[j] - b[i]);
    }
    const std::vector<TextOffset> starts = d.Starts();
    const std::vector<int> flags = d.Flags();
    ASSERT_EQ(r.newLineCount, starts.size());
    d.layout->FullLayout();
    ASSERT_EQ(starts, d.Starts()) << "seed " << seed << " edit " << e;
    ASSERT_EQ(flags, d.Flags()) << "seed " << seed << " edit " << e;
  }
}

TEST(RelayoutRandomTest, PlainWrap) { RunRandomEdits(Params(8, false, false, 3), 1, 1500); }
TEST(RelayoutRandomTest, WordWrap) { RunRandomEdits(Params(7, true, false, 4), 2, 1500); }
TEST(RelayoutRandomTest, Kinsoku) { RunRandomEdits(Params(6, false, true, 4), 3, 1500); }
TEST(RelayoutRandomTest, WordWrapAndKinsoku) { RunRandomEdits(Params(10, true, true, 8), 4, 1500); }
TEST(RelayoutRandomTest, WideLines) { RunRandomEdits(Params(80, true, true, 4), 5, 500); }

TEST(RelayoutRandomTest, EditsAroundTheLineLimit) {
  // 100,030 short lines: the table is full and cuts the last ones off.
  std::mt19937 rng(9);
  std::string text;
  for (int i = 0; i < 100030; ++i) text += (i % 7 == 0) ? "abcdefg\r\n" : "a\r\n";
  Doc d(text, Params(4));
  ASSERT_EQ(d.store.LineCount(), kMaxDisplayLines);
  for (int e = 0; e < 40; ++e) {
    const std::uint32_t n = d.store.Length();
    // Edit near the start, in the middle or near the end of the table.
    const std::uint32_t zone = rng() % 3;
    TextOffset p = zone == 0 ? rng() % 200 : zone == 1 ? n / 2 + rng() % 200 : n - 1 - rng() % 400;
    while (p > 0 && d.store.ByteAt(p - 1) == kCr) --p;  // never between CR and LF
    if (rng() % 2 == 0) {
      d.Insert(p, rng() % 2 == 0 ? "\r\n" : "xyzw");
    } else {
      std::uint32_t k = 1 + rng() % 6;
      while (p + k < n && d.store.ByteAt(p + k - 1) == kCr) ++k;
      d.Delete(p, k);
    }
    const std::vector<TextOffset> starts = d.Starts();
    const std::vector<int> flags = d.Flags();
    d.layout->FullLayout();
    ASSERT_EQ(starts, d.Starts()) << "edit " << e;
    ASSERT_EQ(flags, d.Flags()) << "edit " << e;
  }
}

TEST(RelayoutTest, InsertingALineEndAtAWrapJoinsItToTheLineBefore) {
  // "abcd" fills the line; a CR LF typed at the start of the next display
  // line belongs to the line before.
  Doc d("abcdx", Params(4));
  EXPECT_EQ(d.Starts(), std::vector<TextOffset>({0, 4}));
  d.Insert(4, "\r\n");
  EXPECT_EQ(d.Starts(), std::vector<TextOffset>({0, 6}));
}

TEST(RelayoutTest, TypingAtTheStartOfALineCanLetItHangOnTheLineBefore) {
  Doc d(Repeat("a", 10) + "x", Params(10, false, true));
  EXPECT_EQ(d.Starts(), std::vector<TextOffset>({0, 10}));
  RelayoutResult r = d.Insert(10, kMaru);
  EXPECT_EQ(d.Starts(), std::vector<TextOffset>({0, 12}));
  EXPECT_EQ(r.firstLine, 0u);
}

TEST(RelayoutTest, DeletingALineEndRelaysOutOnlyUpToTheNextLogicalLine) {
  std::string text;
  for (int i = 0; i < 50; ++i) text += "abcdefgh\r\n";
  Doc d(text, Params(6));
  ASSERT_EQ(d.store.LineCount(), 100u);
  // Join lines 0 and 1 (logical): "abcdefghabcdefgh".
  RelayoutResult r = d.Delete(8, 2);
  EXPECT_EQ(r.firstLine, 0u);
  EXPECT_EQ(r.changedEnd, 3u);   // "abcdef" "ghabcd" "efgh"
  EXPECT_EQ(r.newLineCount, 99u);
  EXPECT_EQ(r.lineShift, -1);
  EXPECT_EQ(d.store.LineStart(3), 18u);
  EXPECT_EQ(d.store.LineFlag(3), 1);
}

TEST(RelayoutTest, EmptyingAndRefillingTheText) {
  Doc d("abc\r\ndef");
  RelayoutResult r = d.Delete(0, 8);
  EXPECT_EQ(r.newLineCount, 0u);
  EXPECT_EQ(d.store.LineCount(), 0u);
  d.Insert(0, "xy\r\n");
  EXPECT_EQ(d.Starts(), std::vector<TextOffset>({0}));
  d.Insert(4, "z");
  EXPECT_EQ(d.Starts(), std::vector<TextOffset>({0, 4}));
  d.Delete(2, 3);
  EXPECT_EQ(d.Starts(), std::vector<TextOffset>({0}));
}

}  // namespace
}  // namespace quelt::test
