#include "cipher/cipher_secrets.h"

#include <array>
#include <cstdint>

#include "base/le_words.h"

namespace quelt {
namespace {

using Block = std::array<std::uint8_t, kCipherBlockBytes>;

constexpr std::size_t kKeyAt = 0;                       // length byte, then 32 bytes
constexpr std::size_t kPasswordAt = 1 + kMaxCipherKey;  // length byte, then 32 bytes
constexpr std::size_t kSumAt = kPasswordAt + 1 + kMaxPassword;
constexpr std::uint32_t kStreamSeed = 0x51E17A3Du;

// The stream of the fixed program key: a 32-bit xorshift generator.
class Stream {
 public:
  std::uint8_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<std::uint8_t>(state_ >> 24);
  }

 private:
  std::uint32_t state_ = kStreamSeed;
};

std::uint16_t CheckSum(const Block& b) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < kSumAt; ++i) sum += b[i] * static_cast<std::uint32_t>(i + 1);
  return static_cast<std::uint16_t>(sum);
}

void Put(Block& b, std::size_t at, std::string_view text) {
  b[at] = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) b[at + 1 + i] = static_cast<std::uint8_t>(text[i]);
}

// The text at `at`; false for a length over `capacity` or non-zero filling.
bool Get(const Block& b, std::size_t at, std::size_t capacity, std::string& text) {
  const std::size_t length = b[at];
  if (length > capacity) return false;
  for (std::size_t i = length; i < capacity; ++i) {
    if (b[at + 1 + i] != 0) return false;
  }
  text.assign(reinterpret_cast<const char*>(&b[at + 1]), length);
  return true;
}

constexpr std::string_view kSealedTag = "QSL1";

Block PlainBlock(const CipherSecrets& secrets) {
  Block plain{};
  Put(plain, kKeyAt, IsValidCipherKey(secrets.key) ? secrets.key : std::string_view());
  Put(plain, kPasswordAt, IsValidPassword(secrets.password) ? secrets.password : std::string_view());
  const std::uint16_t sum = CheckSum(plain);
  plain[kSumAt] = static_cast<std::uint8_t>(sum & 0xFF);
  plain[kSumAt + 1] = static_cast<std::uint8_t>(sum >> 8);
  return plain;
}

// The secrets of a plain block; false for a wrong check sum, a length over
// 32, non-zero filling or a key or password that is not valid.
bool FromPlainBlock(const Block& plain, CipherSecrets& secrets) {
  const std::uint16_t sum = CheckSum(plain);
  if (plain[kSumAt] != (sum & 0xFF) || plain[kSumAt + 1] != (sum >> 8)) return false;
  CipherSecrets s;
  if (!Get(plain, kKeyAt, kMaxCipherKey, s.key) || !Get(plain, kPasswordAt, kMaxPassword, s.password) ||
      !IsValidCipherKey(s.key) || !IsValidPassword(s.password))
    return false;
  secrets = std::move(s);
  return true;
}

bool Unscramble(std::string_view block, CipherSecrets& secrets) {
  Block plain{};
  Stream stream;
  std::uint8_t previous = 0;
  for (std::size_t i = 0; i < kCipherBlockBytes; ++i) {
    const auto c = static_cast<std::uint8_t>(block[i]);
    plain[i] = static_cast<std::uint8_t>(c - stream.Next() - previous);
    previous = c;
  }
  return FromPlainBlock(plain, secrets);
}

void Unseal(std::string_view sealed, const SecretSealer* sealer, CipherSecrets& secrets) {
  std::string opened;
  if (!sealer || !sealer->Unseal(sealed, opened) || opened.size() != kCipherBlockBytes) return;
  Block plain{};
  for (std::size_t i = 0; i < kCipherBlockBytes; ++i) plain[i] = static_cast<std::uint8_t>(opened[i]);
  FromPlainBlock(plain, secrets);
}

}  // namespace

bool IsAlphanumeric(std::string_view text) {
  for (char c : text) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!ok) return false;
  }
  return true;
}

bool IsValidCipherKey(std::string_view key) {
  return key.empty() || (key.size() >= kMinCipherKey && key.size() <= kMaxCipherKey && IsAlphanumeric(key));
}

bool IsValidPassword(std::string_view password) {
  return password.size() <= kMaxPassword && IsAlphanumeric(password);
}

void EncodeCipherSection(const CipherSecrets& secrets, std::string& out, const SecretSealer* sealer) {
  const Block plain = PlainBlock(secrets);
  std::string sealed;
  const bool none = plain[kKeyAt] == 0 && plain[kPasswordAt] == 0;
  if (none || !sealer ||
      !sealer->Seal(std::string_view(reinterpret_cast<const char*>(plain.data()), plain.size()), sealed) ||
      sealed.empty() || kSealedTag.size() + sealed.size() > kMaxSealedCipherBlock ||
      kSealedTag.size() + sealed.size() == kCipherBlockBytes) {
    AppendLe32(out, 0);
    return;
  }
  AppendLe32(out, static_cast<std::uint32_t>(kSealedTag.size() + sealed.size()));
  out += kSealedTag;
  out += sealed;
}

bool DecodeCipherSection(std::string_view& in, CipherSecrets& secrets, const SecretSealer* sealer) {
  secrets = {};
  std::string_view rest = in;
  std::uint32_t length = 0;
  if (!TakeLe32(rest, length) || length > kMaxSealedCipherBlock || rest.size() < length) return false;
  const std::string_view block = rest.substr(0, length);
  if (length == kCipherBlockBytes) {
    if (!Unscramble(block, secrets)) return false;
  } else if (length != 0) {
    if (length <= kSealedTag.size() || block.substr(0, kSealedTag.size()) != kSealedTag) return false;
    Unseal(block.substr(kSealedTag.size()), sealer, secrets);
  }
  rest.remove_prefix(length);
  in = rest;
  return true;
}

}  // namespace quelt
