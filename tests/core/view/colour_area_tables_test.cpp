#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "colour_test_support.h"
#include "fake_host.h"
#include "view/area_comments.h"

namespace quelt {
namespace {

using Offsets = std::vector<TextOffset>;

Offsets Of(std::span<const TextOffset> entries) { return {entries.begin(), entries.end()}; }

// Every "/*" (or "*/") of a text, by brute force.
Offsets Scan(const std::string& text, char a, char b) {
  Offsets out;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == a && text[i + 1] == b) out.push_back(static_cast<TextOffset>(i));
  }
  return out;
}

class AreaTables : public ::testing::Test {
 protected:
  void Load(const std::string& text, int capacity = kDefaultAreaComments) {
    ASSERT_TRUE(store.Create());
    store.Load(text, DocumentKind::kText);
    ASSERT_TRUE(tables.Create(capacity));
    tables.RebuildCommentTables(store, host);
  }
  void Insert(TextOffset p, const std::string& bytes) {
    ASSERT_EQ(store.Insert(p, bytes), Capacity::kFits);
    tables.NoteCommentInsert(store, p, static_cast<std::uint32_t>(bytes.size()), host);
  }
  void Delete(TextOffset p, std::uint32_t n) {
    tables.NoteCommentDelete(store, p, n, host);
    store.Delete(p, n);
  }
  void ExpectMatchesText() {
    const std::string text = store.Text();
    EXPECT_EQ(Of(tables.Opens()), Scan(text, '/', '*')) << text;
    EXPECT_EQ(Of(tables.Closes()), Scan(text, '*', '/')) << text;
  }

  TextStore store;
  AreaCommentTables tables;
  test::FakeHost host;
};

TEST(AreaCommentCapacity, SettingRange) {
  EXPECT_EQ(AreaCommentCapacity(699), 700);
  EXPECT_EQ(AreaCommentCapacity(700), 700);
  EXPECT_EQ(AreaCommentCapacity(10000), 10000);
  EXPECT_EQ(AreaCommentCapacity(10001), 700);
  EXPECT_EQ(AreaCommentCapacity(-1), 700);
  EXPECT_TRUE(AreaCommentsKept(1, true));
  EXPECT_TRUE(AreaCommentsKept(2, true));
  EXPECT_FALSE(AreaCommentsKept(0, true));
  EXPECT_FALSE(AreaCommentsKept(2, false));
}

TEST_F(AreaTables, RebuildFindsOverlappingDelimiters) {
  Load("/*/ a */ //*");
  EXPECT_EQ(Of(tables.Opens()), (Offsets{0, 10}));
  EXPECT_EQ(Of(tables.Closes()), (Offsets{1, 6}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AreaTables, InsertingCreatesAndSplitsDelimiters) {
  Load("x/ y");
  Insert(2, "*");  // "x/* y": a "/*" at the "/"
  EXPECT_EQ(Of(tables.Opens()), (Offsets{1}));
  Insert(2, "a");  // "x/a* y": the insertion splits it
  EXPECT_TRUE(tables.Opens().empty());
  ExpectMatchesText();
}

TEST_F(AreaTables, StarBetweenTwoSlashesGivesBothDelimiters) {
  // "//" becomes "/*/", which holds a "/*" at 0 and a "*/" at 1.
  Load("//");
  Insert(1, "*");
  EXPECT_EQ(Of(tables.Opens()), (Offsets{0}));
  EXPECT_EQ(Of(tables.Closes()), (Offsets{1}));
}

TEST_F(AreaTables, InsertionMovesLaterEntries) {
  Load("/* a */ /* b */");
  Insert(3, "xyz");
  EXPECT_EQ(Of(tables.Opens()), (Offsets{0, 11}));
  EXPECT_EQ(Of(tables.Closes()), (Offsets{8, 16}));
}

TEST_F(AreaTables, DeletingJoinsNeighbours) {
  Load("/x* a *y/");
  Delete(1, 1);  // "/* a *y/": a new "/*" at 0
  EXPECT_EQ(Of(tables.Opens()), (Offsets{0}));
  Delete(6, 1);  // "/* a */"
  EXPECT_EQ(Of(tables.Closes()), (Offsets{5}));
  Delete(0, 2);  // " a */": the "/*" goes, the "*/" moves back
  EXPECT_TRUE(tables.Opens().empty());
  EXPECT_EQ(Of(tables.Closes()), (Offsets{3}));
  ExpectMatchesText();
}

TEST_F(AreaTables, RandomEditsKeepTheTablesInStepWithTheText) {
  Load("/* int a; */\r\nint b; // c */\r\n");
  std::mt19937 rng(7);
  const std::vector<std::string> pieces = {"/", "*", "/*", "*/", "a", "\r\n", "\x95\x5C", "//", "**"};
  for (int step = 0; step < 2000; ++step) {
    // Edits land on character starts (never between CR and LF).
    const std::string text = store.Text();
    std::vector<TextOffset> starts;
    for (TextOffset p = 0; p < text.size();) {
      starts.push_back(p);
      const auto c = static_cast<std::uint8_t>(text[p]);
      p += (IsSjisLeadByte(c) || (c == '\r' && p + 1 < text.size() && text[p + 1] == '\n')) ? 2 : 1;
    }
    starts.push_back(static_cast<TextOffset>(text.size()));
    if (starts.size() > 1 && rng() % 3 == 0) {
      const std::size_t a = rng() % (starts.size() - 1);
      const std::size_t b = std::min(starts.size() - 1, a + 1 + rng() % 3);
      Delete(starts[a], starts[b] - starts[a]);
    } else {
      Insert(starts[rng() % starts.size()], pieces[rng() % pieces.size()]);
    }
    ExpectMatchesText();
    if (HasFailure()) return;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AreaTables, OverflowShowsTheMessageOnceAndKeepsTheEarliest) {
  std::string text;
  for (int i = 0; i < 701; ++i) text += "/* c */\r\n";
  Load(text);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgTooManyAreaComments);
  EXPECT_EQ(tables.Opens().size(), 700u);
  EXPECT_EQ(tables.Closes().size(), 700u);
  EXPECT_EQ(tables.Opens().back(), 699u * 9);

  // The 701st comment loses its colour; the 700th keeps it.
  test::ColourDoc doc(text);
  ColourOptions o = test::TestOptions(1);
  o.colorAreaComment = true;
  const std::string picture = doc.ColourLines(o, 699, 700, &tables);
  EXPECT_EQ(picture, "MMMMMMM.." ".........");

  // A new delimiter in front pushes the last one out; the scan has already
  // said the tables are short, so typing shows nothing more.
  host.messages.clear();
  Insert(0, "/**/");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(tables.Opens().size(), 700u);
  EXPECT_EQ(tables.Opens().front(), 0u);
  EXPECT_EQ(tables.Opens().back(), 4u + 698u * 9);
}

TEST_F(AreaTables, OnePasteWithManyDelimitersShowsOneMessage) {
  std::string text;
  for (int i = 0; i < 700; ++i) text += "/**/";
  Load(text);
  EXPECT_TRUE(host.messages.empty());
  Insert(static_cast<TextOffset>(text.size()), "/**/ /**/ /**/");
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(tables.Opens().size(), 700u);
}

TEST_F(AreaTables, LargerCapacitySetting) {
  std::string text;
  for (int i = 0; i < 800; ++i) text += "/**/";
  Load(text, 1000);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(tables.Capacity(), 1000u);
  EXPECT_EQ(tables.Opens().size(), 800u);
}

}  // namespace
}  // namespace quelt
