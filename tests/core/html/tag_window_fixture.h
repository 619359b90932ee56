// A laid-out document with its undo history, seen by the tag operations as
// an edit window: every change they apply is laid out again at once.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fake_host.h"
#include "html/tag_insert.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/layout_fixture.h"

namespace quelt::test {

// Counts the default beep apart from the configured one.
class TagHost : public FakeHost {
 public:
  void DefaultBeep() override { ++defaultBeeps; }
  int defaultBeeps = 0;
};

class TagWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Create());
    ASSERT_TRUE(history.Create());
    layout = std::make_unique<Layout>(store, Params(80), &host);
    Load("");
  }
  void Load(const std::string& text, const LayoutParams& params = Params(80)) {
    store.Load(text, DocumentKind::kText);
    history.UndoBuffer().Clear();
    history.RedoBuffer().Clear();
    layout->SetParams(params);
    layout->FullLayout();
  }
  // The window with nothing selected, the caret at offset.
  TagWindow AtCaret(TextOffset offset) {
    TagWindow w = Window(TagSelection::kNone, {});
    w.caret.offset = offset;
    w.caret.column = layout->ColumnOfOffset(offset);
    return w;
  }
  TagWindow Selecting(TextOffset start, TextOffset end) {
    return Window(TagSelection::kStream, {start, end});
  }
  TagWindow Window(TagSelection kind, TextRange selection) {
    TagWindow w{session, *layout, {}, kind, selection, {}};
    w.apply = [this](const TextChange& c) {
      layout->RelayoutReplaced(c.from, c.removed, c.inserted);
      ++applied;
    };
    return w;
  }
  std::string Text() const { return store.Text(); }
  int UndoSteps() {
    int n = 0;
    while (history.CanUndo() && history.Undo(false).Done()) ++n;
    return n;
  }
  // The layout kept by the operations matches one made afresh.
  void ExpectLayoutCurrent() {
    const std::vector<TextOffset> kept(store.LineStarts(), store.LineStarts() + store.LineCount());
    layout->FullLayout();
    const std::vector<TextOffset> fresh(store.LineStarts(), store.LineStarts() + store.LineCount());
    EXPECT_EQ(kept, fresh);
  }

  TextStore store;
  TagHost host;
  UndoHistory history{store, host};
  EditOptions options;
  EditSession session{history, options};
  std::unique_ptr<Layout> layout;
  TagRepeat repeat;
  int applied = 0;
};

}  // namespace quelt::test
