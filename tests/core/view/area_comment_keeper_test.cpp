#include "view/area_comment_keeper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "fake_host.h"
#include "text/undo_history.h"

namespace quelt {
namespace {

std::vector<TextOffset> Scan(const std::string& text, char a, char b) {
  std::vector<TextOffset> out;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == a && text[i + 1] == b) out.push_back(static_cast<TextOffset>(i));
  }
  return out;
}

std::vector<TextOffset> Of(std::span<const TextOffset> e) { return {e.begin(), e.end()}; }

class Keeper : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Create());
    ASSERT_TRUE(history.Create());
  }
  void ExpectCurrent() {
    ASSERT_NE(keeper.Tables(), nullptr);
    const std::string text = store.Text();
    EXPECT_EQ(Of(keeper.Tables()->Opens()), Scan(text, '/', '*')) << text;
    EXPECT_EQ(Of(keeper.Tables()->Closes()), Scan(text, '*', '/')) << text;
  }

  TextStore store;
  test::FakeHost host;
  UndoHistory history{store, host};
  AreaCommentKeeper keeper{store, host};
};

// Every edit path (typing, deleting, overwriting, undo and redo) keeps the
// tables equal to a fresh scan without a rescan.
TEST_F(Keeper, EditsAndUndoKeepTheTablesCurrent) {
  store.Load("int a; /* one */\r\nb = 2; // x\r\n/* two */", DocumentKind::kText);
  keeper.Rescan(1, true, 700);
  ExpectCurrent();
  EXPECT_TRUE(keeper.TakeDelimitersChanged());
  std::mt19937 rng(7);
  const std::string pieces[] = {"/", "*", "/*", "*/", "a", "\r\n", "**//"};
  for (int i = 0; i < 400; ++i) {
    const TextOffset len = store.Length();
    const TextOffset p = len == 0 ? 0 : rng() % (len + 1);
    switch (rng() % 5) {
      case 0:
      case 1: history.Insert(p, pieces[rng() % std::size(pieces)]); break;
      case 2: if (p < len) history.Delete(p, 1 + rng() % std::min<TextOffset>(3, len - p)); break;
      case 3: if (p < len) history.Overwrite(p, 1, "/"); break;
      case 4: if (rng() % 2) history.Undo(false); else history.Redo(false); break;
    }
    ExpectCurrent();
    if (HasFailure()) return;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Keeper, ReportsWhetherADelimiterCameOrWent) {
  store.Load("abc /* x */", DocumentKind::kText);
  keeper.Rescan(2, true, 700);
  keeper.TakeDelimitersChanged();
  history.Insert(0, "q");
  EXPECT_FALSE(keeper.TakeDelimitersChanged());  // entries only moved
  history.Insert(1, "/*");
  EXPECT_TRUE(keeper.TakeDelimitersChanged());
  EXPECT_FALSE(keeper.TakeDelimitersChanged());
  history.Delete(1, 1);  // splits the new "/*"
  EXPECT_TRUE(keeper.TakeDelimitersChanged());
}

// Plain text, or colouring of area comments off: no tables, no work.
TEST_F(Keeper, OnlyCAndCppKeepTables) {
  store.Load("/* */", DocumentKind::kText);
  keeper.Rescan(0, true, 700);
  EXPECT_EQ(keeper.Tables(), nullptr);
  keeper.Rescan(1, false, 700);
  EXPECT_EQ(keeper.Tables(), nullptr);
  history.Insert(0, "/*");
  keeper.Rescan(1, true, 700);
  ExpectCurrent();
}

// Past the capacity the message comes once from the scan and is not shown
// again by the typing that follows, until the next scan.
TEST_F(Keeper, OverflowIsReportedOncePerScan) {
  std::string text;
  for (int i = 0; i < 701; ++i) text += "/**/";
  store.Load(text, DocumentKind::kText);
  keeper.Rescan(1, true, 700);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgTooManyAreaComments);
  for (int i = 0; i < 20; ++i) history.Insert(0, "/**/");
  EXPECT_EQ(host.messages.size(), 1u);
  keeper.Rescan(1, true, 700);
  EXPECT_EQ(host.messages.size(), 2u);
}

}  // namespace
}  // namespace quelt
