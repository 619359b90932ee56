// The cipher key and the password, and the state-file section that keeps
// them. Neither is ever written in plain text.
//
// The plain block (68 bytes) is the key's length (one byte), the key in 32
// zero-filled bytes, the password's length, the password in 32 zero-filled
// bytes and a 16-bit check sum (the sum of the 66 bytes before it, each
// multiplied by its 1-based place, modulo 65536, little-endian).
//
// Section layout: a 32-bit block length, then the block:
// - length 0: no key and no password;
// - "QSL1" and the plain block sealed by the platform's per-user protection
//   (SecretSealer): a block sealed by another user or on another machine
//   does not unseal, and reads as no key and no password;
// - exactly 68: the form of earlier versions, the plain block scrambled
//   with a stream drawn from a fixed program key (a 32-bit xorshift
//   generator seeded with 0x51E17A3D) plus the previous scrambled byte. It
//   is still read, so that an old state file keeps its key, and the next
//   write seals it; it is never written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

constexpr std::size_t kMinCipherKey = 6;    // a key is empty or 6-32 characters
constexpr std::size_t kMaxCipherKey = 32;
constexpr std::size_t kMaxPassword = 32;    // a password is 0-32 characters
constexpr std::size_t kCipherBlockBytes = 68;
// A sealed block longer than this is taken for damage.
constexpr std::size_t kMaxSealedCipherBlock = 4096;

// The platform's protection of secrets for the current user.
class SecretSealer {
 public:
  virtual ~SecretSealer() = default;
  // False when the platform cannot seal; nothing is stored then.
  virtual bool Seal(std::string_view plain, std::string& sealed) const = 0;
  // False for a block this user on this machine did not seal, or a damaged one.
  virtual bool Unseal(std::string_view sealed, std::string& plain) const = 0;
};

struct CipherSecrets {
  std::string key;       // half-width letters and digits, empty or 6-32
  std::string password;  // half-width letters and digits, 0-32; empty: none
  bool operator==(const CipherSecrets&) const = default;
};

// Only half-width letters and digits (A-Z, a-z, 0-9).
bool IsAlphanumeric(std::string_view text);
bool IsValidCipherKey(std::string_view key);
bool IsValidPassword(std::string_view password);

// Appends the section, sealed by sealer. An invalid key or password is
// written as empty; with no key and no password, no sealer or a sealer that
// fails, the section is empty (the user is asked for the key again).
void EncodeCipherSection(const CipherSecrets& secrets, std::string& out, const SecretSealer* sealer = nullptr);

// Takes the section from the front of in. False, with secrets empty, for a
// section that is not one of the three forms or does not fit in. A sealed
// block that does not unseal (another user, another machine, no sealer) or
// whose content is not valid gives empty secrets and true: a key is either
// the one the user set or none, never a wrong one. The old scrambled form
// must pass its check sum and its filling and validity checks.
bool DecodeCipherSection(std::string_view& in, CipherSecrets& secrets, const SecretSealer* sealer = nullptr);

}  // namespace quelt
