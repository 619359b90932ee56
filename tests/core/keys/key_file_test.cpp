#include "keys/key_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelt {
namespace {

using Bindings = std::vector<KeyBinding>;

void Put16(std::string& s, std::uint32_t v) {
  s += char(v & 0xFF);
  s += char(v >> 8 & 0xFF);
}

// An older-layout file of the given 18-byte bindings.
std::string OldFile(const std::vector<std::string>& bindings) {
  std::string s;
  Put16(s, static_cast<std::uint32_t>(6 + 18 * bindings.size()));
  Put16(s, static_cast<std::uint32_t>(bindings.size()));
  Put16(s, kOldKeyFileMark);
  for (const std::string& b : bindings) s += b;
  return s;
}

std::string OldBinding(std::uint32_t key, std::uint32_t kind, std::uint32_t mods, std::uint32_t id,
                       std::string name = {}) {
  std::string s;
  Put16(s, key);
  Put16(s, kind);
  Put16(s, mods);
  Put16(s, id);
  name.resize(10, '\0');
  return s + name;
}

Bindings Sample() {
  return {{'Z', BindingKind::kMenuCommand, kModCtrl, kCmdEditUndo, ""},
          {116, BindingKind::kOperation, kModNone, 0, "macro1"},
          {'Q', BindingKind::kExtendedCommand, kModCtrlShift, 32970, ""}};
}

TEST(KeyFile, WritesTheCurrentLayoutAndReadsItBack) {
  const std::string file = BuildKeyFile(Sample());
  ASSERT_EQ(file.size(), 12u + 276 * 3);
  EXPECT_EQ(file.substr(0, 12), std::string("\x48\x03\0\0\x03\0\0\0\xC8\0\0\0", 12));
  // The second binding: F5, kind 2, no modifiers, id 0, the name zero-ended.
  EXPECT_EQ(file.substr(12 + 276, 18), std::string("\x74\0\0\0\x02\0\0\0\0\0\0\0macro1", 18));
  Bindings back;
  ASSERT_TRUE(ParseKeyFile(file, back));
  EXPECT_EQ(back, Sample());
}

TEST(KeyFile, EmptyTableIsATwelveByteFile) {
  const std::string file = BuildKeyFile({});
  EXPECT_EQ(file, std::string("\x0C\0\0\0\0\0\0\0\xC8\0\0\0", 12));
  Bindings back{Sample()};
  EXPECT_TRUE(ParseKeyFile(file, back));
  EXPECT_TRUE(back.empty());
}

TEST(KeyFile, EightyBindingsRoundTrip) {
  Bindings many;
  for (std::size_t i = 0; i < kMaxKeyBindings; ++i)
    many.push_back({BindableKeys()[i % 49].code, BindingKind::kMenuCommand, std::uint16_t(1 + i / 49),
                    CommandId(32768 + i), ""});
  const std::string file = BuildKeyFile(many);
  EXPECT_EQ(file.size(), 12u + 276 * 80);
  Bindings back;
  ASSERT_TRUE(ParseKeyFile(file, back));
  EXPECT_EQ(back, many);
}

TEST(KeyFile, RefusesEveryBrokenHeaderAndField) {
  const std::string good = BuildKeyFile(Sample());
  auto refused = [](std::string bytes) {
    Bindings out;
    const bool ok = ParseKeyFile(bytes, out);
    EXPECT_TRUE(out.empty());
    return !ok;
  };
  std::string s = good;
  s[0] ^= 1;  // length field differs from the bytes
  EXPECT_TRUE(refused(s));
  EXPECT_TRUE(refused(good + '\0'));  // one byte more than the length field
  s = good;
  s[4] = 2;  // count does not give the length
  EXPECT_TRUE(refused(s));
  s = good;
  s[8] = char(201);  // mark
  EXPECT_TRUE(refused(s));
  s = good;
  s[12 + 4] = 0;  // kind 0
  EXPECT_TRUE(refused(s));
  s[12 + 4] = 4;  // kind 4
  EXPECT_TRUE(refused(s));
  s = good;
  s[12 + 276 + 8] = 4;  // modifiers 4
  EXPECT_TRUE(refused(s));
  // 81 bindings, consistent otherwise.
  std::string big(12 + 276 * 81, '\0');
  const std::uint32_t len = static_cast<std::uint32_t>(big.size());
  big[0] = char(len & 0xFF), big[1] = char(len >> 8), big[4] = 81, big[8] = char(200);
  for (int i = 0; i < 81; ++i) big[12 + 276 * i + 4] = 1;
  EXPECT_TRUE(refused(big));
  EXPECT_TRUE(refused(""));
  EXPECT_TRUE(refused(std::string(11, '\0')));
}

TEST(KeyFile, KeepsTheKeyFieldAndCutsUnendedNames) {
  std::string file = BuildKeyFile(Bindings{{'A', BindingKind::kOperation, kModCtrl, 0, "x"}});
  std::fill(file.begin() + 24, file.end(), 'n');  // the name fills its 264 bytes
  file[13] = 1;                                     // a key code above one byte
  Bindings out;
  ASSERT_TRUE(ParseKeyFile(file, out));
  EXPECT_EQ(out[0].key, 0x141u);
  EXPECT_EQ(out[0].operation, std::string(263, 'n'));
  // A name behind a menu command is not kept.
  file = BuildKeyFile(Bindings{{'A', BindingKind::kMenuCommand, kModCtrl, 57600, ""}});
  file[24] = 'n';
  ASSERT_TRUE(ParseKeyFile(file, out));
  EXPECT_EQ(out[0].operation, "");
}

TEST(KeyFileOlder, IsWidenedIntoTheCurrentForm) {
  const std::string file = OldFile({OldBinding('Z', 1, 1, kCmdEditUndo), OldBinding(116, 2, 0, 0, "macro1"),
                                    OldBinding('Q', 3, 3, 32970)});
  Bindings out;
  ASSERT_TRUE(ParseKeyFile(file, out));
  EXPECT_EQ(out, Sample());
  Bindings again;
  ASSERT_TRUE(ParseKeyFile(BuildKeyFile(out), again));
  EXPECT_EQ(again, Sample());
}

TEST(KeyFileOlder, ChecksItsOwnHeader) {
  Bindings out;
  const std::string one = OldFile({OldBinding('A', 1, 1, 57600, "")});
  EXPECT_TRUE(ParseKeyFile(one, out));
  // A name of all ten bytes is kept whole.
  EXPECT_TRUE(ParseKeyFile(OldFile({OldBinding('A', 2, 1, 0, "abcdefghij")}), out));
  EXPECT_EQ(out[0].operation, "abcdefghij");
  // No binding: only 6 bytes, not more than 23.
  EXPECT_FALSE(ParseKeyFile(OldFile({}), out));
  std::string s = one;
  s[0] = 25;  // length field
  EXPECT_FALSE(ParseKeyFile(s, out));
  EXPECT_FALSE(ParseKeyFile(one + '\0', out));
  s = one;
  s[2] = 2;  // count
  EXPECT_FALSE(ParseKeyFile(s, out));
  EXPECT_FALSE(ParseKeyFile(OldFile({OldBinding('A', 4, 1, 0)}), out));
  EXPECT_FALSE(ParseKeyFile(OldFile({OldBinding('A', 1, 5, 0)}), out));
  EXPECT_TRUE(out.empty());
}

TEST(KeyFileOlder, MarkOfTheCurrentLayoutAtEightWins) {
  // The 16-bit value at 4 reads 1540, but the 32-bit value at 8 is 200: the
  // file is judged by the current layout (and 1540 is no count there).
  std::string s = OldFile({OldBinding('A', 1, 1, 57600)});
  s[8] = char(200), s[9] = 0, s[10] = 0, s[11] = 0;
  Bindings out;
  EXPECT_FALSE(ParseKeyFile(s, out));
}

TEST(KeyFile, EveryTruncationOfAValidFileIsRefused) {
  Bindings many;
  for (std::size_t i = 0; i < kMaxKeyBindings; ++i)
    many.push_back({BindableKeys()[i % 49].code, BindingKind::kOperation, std::uint16_t(1 + i / 49), 0,
                    std::string(263, char('a' + i % 26))});
  for (const std::string& file :
       {BuildKeyFile(many), OldFile({OldBinding('A', 1, 1, 57600), OldBinding('B', 2, 3, 0, "m")})}) {
    for (std::size_t n = 0; n < file.size(); ++n) {
      Bindings out;
      EXPECT_FALSE(ParseKeyFile(std::string_view(file).substr(0, n), out)) << n;
      EXPECT_TRUE(out.empty());
    }
  }
}

}  // namespace
}  // namespace quelt
