// A document with its undo history and an edit session, for the editing tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fake_host.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/edit_ops.h"

namespace quelt::test {

class EditFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Create());
    ASSERT_TRUE(history.Create());
  }
  void Load(const std::string& text) {
    store.Load(text, DocumentKind::kText);
    history.UndoBuffer().Clear();
    history.RedoBuffer().Clear();
  }
  EditSession Session() { return EditSession(history, options); }
  static CaretPlace At(TextOffset offset, int column = -1) {
    CaretPlace c;
    c.offset = offset;
    c.column = column < 0 ? static_cast<int>(offset) : column;
    return c;
  }
  std::string Text() const { return store.Text(); }
  // Undoes every record; true when all of them were taken back.
  bool UndoAll() {
    while (history.CanUndo()) {
      if (!history.Undo(false).Done()) return false;
    }
    return true;
  }

  TextStore store;
  FakeHost host;
  UndoHistory history{store, host};
  EditOptions options;
};

}  // namespace quelt::test
