// The open command's record: what playback opens without the dialog.
#include <gtest/gtest.h>

#include "text/open_record.h"

namespace quelt {
namespace {

TEST(OpenRecord, RoundTripAndRefusals) {
  OpenDialogChoice c;
  c.paths = {"C:\\a.txt", "C:\\\x83\x5C.txt"};  // a second byte 0x5C stays inside its path
  c.kind = OpenKindId::kBinary;
  c.code = CharCodeId::kEuc;
  c.readOnly = true;
  const std::string rec = EncodeOpenDialogChoice(c);
  EXPECT_EQ(DecodeOpenDialogChoice(rec), c);
  // A cut record is refused, or (cut after a zero byte) names fewer files.
  for (std::size_t n = 0; n < rec.size(); ++n) {
    const auto d = DecodeOpenDialogChoice(rec.substr(0, n));
    EXPECT_TRUE(!d || d->paths.size() < c.paths.size()) << n;
  }
  std::string bad = rec;
  bad[0] = 9;  // no such kind
  EXPECT_FALSE(DecodeOpenDialogChoice(bad));
  EXPECT_FALSE(DecodeOpenDialogChoice(EncodeOpenDialogChoice(OpenDialogChoice{})));  // no file
  OpenDialogChoice many;
  many.paths.assign(11, "x");
  EXPECT_FALSE(DecodeOpenDialogChoice(EncodeOpenDialogChoice(many)));
  std::string empty = EncodeOpenDialogChoice(c) + std::string(1, '\0');
  EXPECT_FALSE(DecodeOpenDialogChoice(empty));  // an empty path
}

TEST(OpenRecord, SaveAsRoundTripAndRefusals) {
  const SaveAsRecord c{"C:\\out.txt", CharCodeId::kJis, LineEndId::kLf};
  const std::string rec = EncodeSaveAsRecord(c);
  EXPECT_EQ(DecodeSaveAsRecord(rec), c);
  for (std::size_t n = 0; n < rec.size(); ++n) EXPECT_FALSE(DecodeSaveAsRecord(rec.substr(0, n))) << n;
  EXPECT_FALSE(DecodeSaveAsRecord(rec + "x"));  // bytes after the path
  std::string bad = rec;
  bad[4] = 7;  // no such line end
  EXPECT_FALSE(DecodeSaveAsRecord(bad));
  EXPECT_FALSE(DecodeSaveAsRecord(EncodeSaveAsRecord(SaveAsRecord{})));  // no path
}

}  // namespace
}  // namespace quelt
