#include "cipher/cipher_secrets.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

std::string Encoded(const CipherSecrets& s) {
  std::string out;
  EncodeCipherSection(s, out);
  return out;
}

TEST(CipherSecrets, RoundTripWithoutPlainText) {
  const CipherSecrets s{"Kkkkkkkkkk", "aaaaaaaa"};
  const std::string bytes = Encoded(s);
  EXPECT_EQ(bytes.size(), 4 + kCipherBlockBytes);
  EXPECT_EQ(bytes.find("Kkkkkk"), std::string::npos);
  EXPECT_EQ(bytes.find("aaaa"), std::string::npos);
  // Repeated characters do not give repeated bytes.
  for (std::size_t i = 5; i + 1 < bytes.size(); ++i) EXPECT_FALSE(bytes[i] == bytes[i + 1] && bytes[i] == bytes[i - 1]);
  std::string_view in = bytes;
  CipherSecrets back;
  ASSERT_TRUE(DecodeCipherSection(in, back));
  EXPECT_EQ(back, s);
  EXPECT_TRUE(in.empty());
}

TEST(CipherSecrets, EmptySecretsAndInvalidOnesWriteAsEmpty) {
  for (const CipherSecrets& s : {CipherSecrets{}, CipherSecrets{"abc", "has space"},
                                 CipherSecrets{std::string(33, 'k'), std::string(33, 'p')}}) {
    const std::string bytes = Encoded(s);
    std::string_view in = bytes;
    CipherSecrets back{"x", "y"};
    ASSERT_TRUE(DecodeCipherSection(in, back));
    EXPECT_EQ(back, CipherSecrets{});
  }
}

TEST(CipherSecrets, AnyChangedByteOrTruncationIsRefused) {
  const std::string bytes = Encoded({"abcdef12", "pass"});
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string changed = bytes;
    changed[i] = static_cast<char>(changed[i] ^ 0x01);
    std::string_view in = changed;
    CipherSecrets back;
    EXPECT_FALSE(DecodeCipherSection(in, back)) << i;
    EXPECT_EQ(back, CipherSecrets{});
  }
  std::string_view cut = std::string_view(bytes).substr(0, bytes.size() - 1);
  CipherSecrets back;
  EXPECT_FALSE(DecodeCipherSection(cut, back));
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
