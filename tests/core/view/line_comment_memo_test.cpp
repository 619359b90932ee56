#include "view/line_comment_memo.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fake_host.h"
#include "text/text_store.h"
#include "view/area_comments.h"
#include "view/layout.h"

namespace quelt {
namespace {

TextOffset BruteLineStart(const std::string& t, TextOffset p) {
  for (TextOffset k = p; k >= 2; --k) {
    if (t[k - 1] == '\n' && t[k - 2] == '\r') return k;
  }
  return 0;
}

TextOffset BruteFirst(const std::string& t, TextOffset start, TextOffset p) {
  for (TextOffset k = start; k < p && k + 1 < t.size(); ++k) {
    if (t[k] == '\r' && t[k + 1] == '\n') return LineCommentMemo::kNone;
    if (t[k] == '/' && t[k + 1] == '/') return k;
  }
  return LineCommentMemo::kNone;
}

// Questions in any order between random edits, the memo kept by the notes
// of the area-comment tables, always answer as a scan of the text would.
TEST(LineCommentMemo, AnswersAsTheTextDoesThroughEdits) {
  TextStore store;
  ASSERT_TRUE(store.Create());
  test::FakeHost host;
  store.Load("int a; // one\r\nb = a / 2; /* x */ c //\r\n/ /", DocumentKind::kText);
  LayoutParams params;
  params.wrapColumn = 8;
  Layout layout(store, params, &host);
  layout.FullLayout();
  AreaCommentTables tables;
  ASSERT_TRUE(tables.Create());
  tables.RebuildCommentTables(store, host);
  std::mt19937 rng(11);
  const std::string pieces[] = {"/", "//", "a", "\r\n", " ", "*/"};
  for (int round = 0; round < 3000; ++round) {
    const std::string text = store.Text();
    const auto len = static_cast<TextOffset>(text.size());
    if (rng() % 3 == 0) {
      // An edit at a character boundary (never between CR and LF).
      TextOffset p = len == 0 ? 0 : rng() % (len + 1);
      if (p > 0 && p < len && text[p - 1] == '\r' && text[p] == '\n') --p;
      if (rng() % 2 == 0 || p >= len) {
        const std::string& add = pieces[rng() % std::size(pieces)];
        ASSERT_EQ(store.Insert(p, add), Capacity::kFits);
        tables.NoteCommentInsert(store, p, static_cast<std::uint32_t>(add.size()), host);
      } else {
        std::uint32_t n = 1 + rng() % 3;
        n = std::min<std::uint32_t>(n, len - p);
        if (text[p + n - 1] == '\r' && p + n < len) ++n;  // keep CR LF whole
        tables.NoteCommentDelete(store, p, n, host);
        store.Delete(p, n);
      }
      layout.FullLayout();
      continue;
    }
    const TextOffset p = len == 0 ? 0 : rng() % (len + 1);
    const TextOffset start = BruteLineStart(text, p);
    ASSERT_EQ(LineCommentMemo::LogicalLineStart(store, p), start) << text << " at " << p;
    ASSERT_EQ(tables.Memo().FirstBefore(store, start, p), BruteFirst(text, start, p)) << text << " at " << p;
  }
}

}  // namespace
}  // namespace quelt
