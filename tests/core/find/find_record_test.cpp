// The dialog's and the find box's records for operation recording.
#include <gtest/gtest.h>

#include "find/find_record.h"
#include "find/find_state.h"

namespace quelt {
namespace {

TEST(FindRecord, DialogRecordLayoutAndRoundTrip) {
  FindRequest r;
  r.replace = true;
  r.matchCase = true;
  r.down = false;
  r.text = "ab";
  r.replacement = "c";
  r.regex = true;
  r.distinguishWidth = false;
  const std::string rec = EncodeFindRecord(r);
  ASSERT_EQ(rec.size(), 24u + 3 + 2 + 8);
  EXPECT_EQ(rec[8], 1);   // replace
  EXPECT_EQ(rec[16], 1);  // match case
  EXPECT_EQ(rec[20], 0);  // up
  EXPECT_EQ(rec.substr(24, 3), std::string("ab\0", 3));
  EXPECT_EQ(DecodeFindRecord(rec), r);
}

TEST(FindRecord, BadRecordsAreRefused) {
  FindRequest r;
  r.text = std::string(80, 'x');
  std::string rec = EncodeFindRecord(r);
  EXPECT_TRUE(DecodeFindRecord(rec));
  for (std::size_t n = 0; n < rec.size(); ++n) EXPECT_FALSE(DecodeFindRecord(rec.substr(0, n))) << n;
  r.text += "y";
  EXPECT_FALSE(DecodeFindRecord(EncodeFindRecord(r)));  // 81 bytes
  // Only the low 16 bits of the width flag count.
  rec = EncodeFindRecord(FindRequest{});
  rec[rec.size() - 4] = 0;
  rec[rec.size() - 2] = 1;
  EXPECT_FALSE(DecodeFindRecord(rec)->distinguishWidth);
}

TEST(FindRecord, FindBoxRecord) {
  EXPECT_EQ(EncodeFindBoxText("ab"), std::string("ab\0", 3));
  EXPECT_EQ(DecodeFindBoxText(EncodeFindBoxText("\x82\xA0x")), "\x82\xA0x");
  EXPECT_FALSE(DecodeFindBoxText(EncodeFindBoxText("")));
  EXPECT_FALSE(DecodeFindBoxText("ab"));  // no zero byte
  EXPECT_FALSE(DecodeFindBoxText(EncodeFindBoxText(std::string(81, 'a'))));
}

TEST(SearchHistory, NewestFirstWithoutDuplicates) {
  SearchHistory h;
  h.Add("a");
  h.Add("b");
  h.Add("a");
  h.Add("");
  ASSERT_EQ(h.Entries().size(), 2u);
  EXPECT_EQ(h.Entries()[0], "a");
  EXPECT_EQ(h.Newest(), "a");
  for (int i = 0; i < 40; ++i) h.Add(std::to_string(i));
  EXPECT_EQ(h.Entries().size(), kSearchHistorySize);
  EXPECT_EQ(h.Newest(), "39");
}

}  // namespace
}  // namespace quelt
