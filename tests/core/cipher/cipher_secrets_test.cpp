#include "cipher/cipher_secrets.h"

#include <gtest/gtest.h>

#include "base/le_words.h"
#include "fake_sealer.h"

namespace quelt {
namespace {

// The form earlier versions wrote: the plain block scrambled with the
// fixed program stream.
std::string LegacySection(const CipherSecrets& s) {
  std::uint8_t plain[kCipherBlockBytes] = {};
  plain[0] = static_cast<std::uint8_t>(s.key.size());
  for (std::size_t i = 0; i < s.key.size(); ++i) plain[1 + i] = static_cast<std::uint8_t>(s.key[i]);
  plain[33] = static_cast<std::uint8_t>(s.password.size());
  for (std::size_t i = 0; i < s.password.size(); ++i) plain[34 + i] = static_cast<std::uint8_t>(s.password[i]);
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < 66; ++i) sum += plain[i] * static_cast<std::uint32_t>(i + 1);
  plain[66] = static_cast<std::uint8_t>(sum & 0xFF);
  plain[67] = static_cast<std::uint8_t>((sum >> 8) & 0xFF);
  std::string out;
  AppendLe32(out, kCipherBlockBytes);
  std::uint32_t state = 0x51E17A3Du;
  std::uint8_t previous = 0;
  for (std::uint8_t p : plain) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    previous = static_cast<std::uint8_t>(p + static_cast<std::uint8_t>(state >> 24) + previous);
    out += static_cast<char>(previous);
  }
  return out;
}

CipherSecrets Decoded(const std::string& bytes, const SecretSealer* sealer, bool* ok = nullptr,
                      std::size_t* left = nullptr) {
  std::string_view in = bytes;
  CipherSecrets back{"stale", "stale"};
  const bool r = DecodeCipherSection(in, back, sealer);
  if (ok) *ok = r;
  if (left) *left = in.size();
  return back;
}

TEST(CipherSecrets, SealedForThisUserOnlyAndNeverInPlainText) {
  const test::FakeSealer me('a'), other('b');
  const CipherSecrets s{"Kkkkkkkkkk", "aaaaaaaa"};
  std::string bytes;
  EncodeCipherSection(s, bytes, &me);
  bytes += "next";
  EXPECT_EQ(bytes.find("Kkkkkk"), std::string::npos);
  bool ok = false;
  std::size_t left = 0;
  EXPECT_EQ(Decoded(bytes, &me, &ok, &left), s);
  EXPECT_TRUE(ok);
  EXPECT_EQ(left, 4u);
  // Another user, another machine or no protection at all: no key, never a
  // wrong one, and the rest of the file still reads.
  for (const SecretSealer* reader : {static_cast<const SecretSealer*>(&other), static_cast<const SecretSealer*>(nullptr)}) {
    EXPECT_EQ(Decoded(bytes, reader, &ok, &left), CipherSecrets{});
    EXPECT_TRUE(ok);
    EXPECT_EQ(left, 4u);
  }
  // A damaged sealed block is no key either.
  std::string damaged = bytes;
  damaged[12] = static_cast<char>(damaged[12] ^ 0x01);
  EXPECT_EQ(Decoded(damaged, &me, &ok), CipherSecrets{});
  EXPECT_TRUE(ok);
}

TEST(CipherSecrets, NothingToSealOrNoWayToSealWritesAnEmptySection) {
  test::FakeSealer failing;
  failing.failing = true;
  const test::FakeSealer me;
  struct Case {
    CipherSecrets secrets;
    const SecretSealer* sealer;
  };
  for (const Case& c : {Case{{}, &me}, Case{{"abc", "has space"}, &me},
                        Case{{std::string(33, 'k'), std::string(33, 'p')}, &me}, Case{{"abcdef", "pw"}, &failing},
                        Case{{"abcdef", "pw"}, nullptr}}) {
    std::string bytes;
    EncodeCipherSection(c.secrets, bytes, c.sealer);
    EXPECT_EQ(bytes, std::string(4, '\0'));
    bool ok = false;
    EXPECT_EQ(Decoded(bytes, &me, &ok), CipherSecrets{});
    EXPECT_TRUE(ok);
  }
}

TEST(CipherSecrets, OldScrambledSectionStillReadsAndIsSealedWhenWrittenAgain) {
  const test::FakeSealer me;
  const CipherSecrets s{"abcdef12", "pass"};
  const std::string legacy = LegacySection(s);
  bool ok = false;
  EXPECT_EQ(Decoded(legacy, nullptr, &ok), s);
  EXPECT_TRUE(ok);
  std::string again;
  EncodeCipherSection(s, again, &me);
  EXPECT_NE(again.size(), legacy.size());
  EXPECT_EQ(Decoded(again, &me), s);
  // The old form still has its check: any changed byte or a cut refuses it.
  for (std::size_t i = 4; i < legacy.size(); ++i) {
    std::string changed = legacy;
    changed[i] = static_cast<char>(changed[i] ^ 0x01);
    EXPECT_EQ(Decoded(changed, nullptr, &ok), CipherSecrets{}) << i;
    EXPECT_FALSE(ok) << i;
  }
  Decoded(legacy.substr(0, legacy.size() - 1), nullptr, &ok);
  EXPECT_FALSE(ok);
}

TEST(CipherSecrets, SectionsOfNoKnownFormAreRefused) {
  const test::FakeSealer me;
  std::string sealed;
  EncodeCipherSection({"abcdef", ""}, sealed, &me);
  std::string wrongTag = sealed;
  wrongTag[4] = 'X';
  std::string huge;
  AppendLe32(huge, kMaxSealedCipherBlock + 1);
  huge += std::string(kMaxSealedCipherBlock + 1, 'Q');
  std::string tagOnly;
  AppendLe32(tagOnly, 4);
  tagOnly += "QSL1";
  for (const std::string& bytes : {wrongTag, huge, tagOnly, sealed.substr(0, sealed.size() - 1), std::string("\1\0")}) {
    bool ok = true;
    EXPECT_EQ(Decoded(bytes, &me, &ok), CipherSecrets{});
    EXPECT_FALSE(ok);
  }
}

TEST(CipherSecrets, KeyAndPasswordRules) {
  EXPECT_TRUE(IsValidCipherKey(""));
  EXPECT_FALSE(IsValidCipherKey("abc12"));
  EXPECT_TRUE(IsValidCipherKey("abc123"));
  EXPECT_TRUE(IsValidCipherKey(std::string(32, 'Z')));
  EXPECT_FALSE(IsValidCipherKey(std::string(33, 'Z')));
  EXPECT_FALSE(IsValidCipherKey("abc-123"));
  EXPECT_TRUE(IsValidPassword("a"));
  EXPECT_FALSE(IsValidPassword("\x82\xa0"));
}

}  // namespace
}  // namespace quelt
