#include "html/tag_form_record.h"

#include <gtest/gtest.h>

#include "record/recorded_commands.h"

namespace quelt {
namespace {

TEST(TagFormRecordTest, PrefixAndSuffixEachEndedByAZeroByte) {
  const TagPair values{"<SPAN CLASS=\"\x82\xa0\">", "</SPAN>"};
  const std::string data = EncodeTagFormRecord(values);
  EXPECT_EQ(data, std::string("<SPAN CLASS=\"\x82\xa0\">\0</SPAN>\0", 26));
  EXPECT_EQ(data.size(), values.opening.size() + values.closing.size() + 2);
  EXPECT_EQ(DecodeTagFormRecord(data), values);
  EXPECT_EQ(EncodeTagFormRecord({}), std::string("\0\0", 2));
  EXPECT_EQ(DecodeTagFormRecord(std::string("\0\0", 2)), TagPair{});
}

TEST(TagFormRecordTest, DamagedDataIsRefused) {
  EXPECT_FALSE(DecodeTagFormRecord(""));
  EXPECT_FALSE(DecodeTagFormRecord("<B>"));
  EXPECT_FALSE(DecodeTagFormRecord(std::string("<B>\0</B>", 8)));
  EXPECT_EQ(DecodeTagFormRecord(std::string("a\0b\0junk", 8)), (TagPair{"a", "b"}));
}

TEST(TagFormRecordTest, TheFormIsARecordableCommand) {
  EXPECT_EQ(RecordedCommandIndex(33019), 65u);
  EXPECT_EQ(RecordedCommandAt(65), 33019u);
}

}  // namespace
}  // namespace quelt
