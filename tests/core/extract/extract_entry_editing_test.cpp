#include "extract/extract_entry_editing.h"
#include "extract/line_extraction.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(ExtractEntryEditing, WholeNumbers) {
  EXPECT_EQ(ParseWholeNumber("-10000", -10000, 10000), -10000);
  EXPECT_EQ(ParseWholeNumber(" +7 ", -10000, 10000), 7);
  EXPECT_EQ(ParseWholeNumber("10000", 1, 10000), 10000);
  for (const char* bad : {"", "-", "+", "10001", "-10001", "0", "1.5", "1 2", "12a", "99999999999999999999"}) {
    EXPECT_FALSE(ParseWholeNumber(bad, 1, 10000)) << bad;
  }
  EXPECT_EQ(ParseWholeNumber("0", -10000, 10000), 0);
}

TEST(ExtractEntryEditing, AddChecksEachFieldInTurn) {
  std::vector<ExtractEntry> list;
  EXPECT_EQ(AddTypedEntry(list, "", "0", "1", true), EntryRefusal::kText);
  EXPECT_EQ(AddTypedEntry(list, std::string(81, 'a'), "0", "1", true), EntryRefusal::kText);
  EXPECT_EQ(AddTypedEntry(list, "ERROR", "-10001", "1", true), EntryRefusal::kPosition);
  EXPECT_EQ(AddTypedEntry(list, "ERROR", "x", "0", true), EntryRefusal::kPosition);
  EXPECT_EQ(AddTypedEntry(list, "ERROR", "-2", "0", true), EntryRefusal::kLineCount);
  EXPECT_EQ(AddTypedEntry(list, "ERROR", "-2", "10001", true), EntryRefusal::kLineCount);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(AddTypedEntry(list, std::string(80, 'a'), "-2", "5", true), EntryRefusal::kNone);
  // The step-2 lists take no count: the field is not read, the count is 1.
  EXPECT_EQ(AddTypedEntry(list, "END", "3", "junk", false), EntryRefusal::kNone);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], (ExtractEntry{std::string(80, 'a'), -2, 5}));
  EXPECT_EQ(list[1], (ExtractEntry{"END", 3, 1}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(AddTypedEntry(list, "x", "0", "1", true), EntryRefusal::kNone);
  // A full list refuses before any field is looked at.
  EXPECT_EQ(AddTypedEntry(list, "", "bad", "bad", true), EntryRefusal::kListFull);
  EXPECT_EQ(list.size(), 5u);
  for (const ExtractEntry& e : list) EXPECT_TRUE(IsValidExtractEntry(e));
}

TEST(ExtractEntryEditing, RemoveSelectsTheNextOrTheLast) {
  std::vector<ExtractEntry> list = {{"a", 0, 1}, {"b", 0, 1}, {"c", 0, 1}};
  EXPECT_FALSE(RemoveEntry(list, -1));
  EXPECT_FALSE(RemoveEntry(list, 3));
  EXPECT_EQ(RemoveEntry(list, 1), 1);  // "c" moved up into the place
  EXPECT_EQ(list[1].text, "c");
  EXPECT_EQ(RemoveEntry(list, 1), 0);  // the last went: the new last
  EXPECT_EQ(RemoveEntry(list, 0), -1);
  EXPECT_TRUE(list.empty());
}

TEST(ExtractEntryEditing, RowsLabelsAndSeparator) {
  EXPECT_EQ(EntryRowText({"ERROR", -2, 5}, true), "ERROR\t-2\t5");
  EXPECT_EQ(EntryRowText({"END", 3, 1}, false), "END\t3");
  EXPECT_EQ(Step1ListLabel(kProcessExtract), "抽出行(Tﾀ):");
  EXPECT_EQ(Step1ListLabel(kProcessDelete), "削除行(Tﾀ):");
  EXPECT_EQ(StartListLabel(kProcessDelete), "削除開始行(Tﾀ):");
  EXPECT_EQ(EndListLabel(kProcessExtract), "抽出終了行(Nｴ):");
  EXPECT_TRUE(IsValidSeparatorText(""));
  EXPECT_TRUE(IsValidSeparatorText(std::string(80, '-')));
  EXPECT_FALSE(IsValidSeparatorText(std::string(81, '-')));
  EXPECT_EQ(ExtractSeparatorLine("--", 2, 3), "--   2/3\r\n");
}

}  // namespace
}  // namespace quelt
