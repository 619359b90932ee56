#include "base/messages.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

// The save question is the program's string 61216; no blank before "への"
// and a full-width question mark.
TEST(Messages, SaveChangesQuestion) {
  EXPECT_EQ(static_cast<int>(kMsgSaveChanges), 61216);
  EXPECT_EQ(MessageText(kMsgSaveChanges), "%1への変更を保存しますか？");
  EXPECT_EQ(FormatMessageText(MessageText(kMsgSaveChanges), "a.txt"), "a.txtへの変更を保存しますか？");
  SetEnglishInterface(true);
  EXPECT_EQ(MessageText(kMsgSaveChanges), "Save changes to %1?");
  SetEnglishInterface(false);
}

}  // namespace
}  // namespace quelt
