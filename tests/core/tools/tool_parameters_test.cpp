#include <gtest/gtest.h>

#include "tools/tool_parameters.h"

namespace quelt {
namespace {

LocalTime Noon() {
  LocalTime t;
  t.year = 2026;
  t.month = 12;
  t.day = 9;
  t.hour = 12;
  t.dayOfWeek = 3;
  return t;
}

TEST(ToolParameters, PathAndLineOfTheActiveDocument) {
  ToolDocument doc{"C:\\work\\memo.txt", 12, 3};
  EXPECT_EQ(ExpandParameters("$f:$l", &doc, Noon()), "C:\\work\\memo.txt:12");
  EXPECT_EQ(ExpandParameters("/n $n $c", &doc, Noon()), "/n memo.txt 3");
  EXPECT_EQ(ExpandParameters("$$ and $$f", &doc, Noon()), "$ and $f");
}

TEST(ToolParameters, WithoutADocumentThePathEndsTheExpansion) {
  EXPECT_EQ(ExpandParameters("-a $f -b", nullptr, Noon()), "-a ");
  EXPECT_EQ(ExpandParameters("$$f stays", nullptr, Noon()), "$f stays");
  // A lead byte takes the next byte with it, even a '$', as the expansion
  // copies double-byte characters whole.
  EXPECT_EQ(ExpandParameters("\x94\x24" "f $f", nullptr, Noon()), "\x94\x24" "f ");
  EXPECT_EQ(ExpandParameters("$y", nullptr, Noon()), "26");
}

TEST(ToolParameters, TheResultHoldsAt255Bytes) {
  ToolDocument doc{std::string(250, 'p'), 1, 1};
  const std::string r = ExpandParameters("$f $f", &doc, Noon());
  EXPECT_LE(r.size(), 255u);
  EXPECT_EQ(r.substr(0, 250), std::string(250, 'p'));
}

}  // namespace
}  // namespace quelt
