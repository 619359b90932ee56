#include "base/write_temp_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/path.h"
#include "base/sjis.h"

namespace quelt {
namespace {

// Characters of a Shift-JIS name, as the 255-character limit counts them.
std::size_t Chars(const std::string& name) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < name.size(); ++n) i += IsSjisLeadByte(static_cast<std::uint8_t>(name[i])) ? 2 : 1;
  return n;
}

TEST(WriteTempName, ShortAndBesideTheTargetAtTheLimitOfANameLength) {
  const std::string hyou = "\x95\x5C";  // 表, trail byte 0x5C
  for (const std::string& folder : {std::string("C:\\d\\"), "D:\\" + hyou + "\\", std::string("\\\\srv\\s\\")}) {
    for (std::size_t length : {250u, 255u}) {
      SCOPED_TRACE(folder + " " + std::to_string(length));
      // Single-byte names and names of double-byte characters ending in 表.
      for (const std::string& name : {std::string(length - 4, 'a') + ".txt", [&] {
             std::string n;
             for (std::size_t i = 0; i < length; ++i) n += hyou;
             return n;
           }()}) {
        ASSERT_EQ(Chars(name), length);
        const std::string temp = WriteTempName(folder + name, 0x1234, 3);
        EXPECT_EQ(FolderOf(temp), folder);
        EXPECT_EQ(FileNameOf(temp), "~qt12343.tmp");
        EXPECT_LE(temp.size(), folder.size() + 12);
      }
    }
  }
  EXPECT_EQ(WriteTempName("a.txt", 0, 0), "~qt00000.tmp");
}

TEST(WriteTempName, EachAttemptAndProcessTakesAnotherName) {
  std::set<std::string> names;
  for (unsigned attempt = 0; attempt < kWriteTempAttempts; ++attempt) {
    names.insert(WriteTempName("C:\\d\\x.txt", 0xABCDEF01, attempt));
    names.insert(WriteTempName("C:\\d\\x.txt", 0xABCDEF02, attempt));
  }
  EXPECT_EQ(names.size(), 2 * kWriteTempAttempts);
  for (const std::string& n : names) EXPECT_EQ(FileNameOf(n).size(), 12u) << n;
}

}  // namespace
}  // namespace quelt
