// The cipher key and the password, and the state-file section that keeps
// them. Neither is ever written in plain text.
//
// Section layout: a 32-bit block length (always 68), then 68 scrambled
// bytes. The plain block is the key's length (one byte), the key in 32
// zero-filled bytes, the password's length, the password in 32 zero-filled
// bytes and a 16-bit check sum (the sum of the 66 bytes before it, each
// multiplied by its 1-based place, modulo 65536, little-endian). Scrambling
// adds to each byte the next byte of a stream drawn from a fixed program
// key (a 32-bit xorshift generator seeded with 0x51E17A3D) and the previous
// scrambled byte, modulo 256, so equal characters do not give equal bytes
// and the zero filling does not show.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

constexpr std::size_t kMinCipherKey = 6;    // a key is empty or 6-32 characters
constexpr std::size_t kMaxCipherKey = 32;
constexpr std::size_t kMaxPassword = 32;    // a password is 0-32 characters
constexpr std::size_t kCipherBlockBytes = 68;

struct CipherSecrets {
  std::string key;       // half-width letters and digits, empty or 6-32
  std::string password;  // half-width letters and digits, 0-32; empty: none
  bool operator==(const CipherSecrets&) const = default;
};

// Only half-width letters and digits (A-Z, a-z, 0-9).
bool IsAlphanumeric(std::string_view text);
bool IsValidCipherKey(std::string_view key);
bool IsValidPassword(std::string_view password);

// Appends the section. An invalid key or password is written as empty.
void EncodeCipherSection(const CipherSecrets& secrets, std::string& out);

// Takes the section from the front of in. False for another block length,
// too few bytes, a wrong check sum, a length over 32, non-zero filling or a
// key or password that is not valid; secrets are then empty.
bool DecodeCipherSection(std::string_view& in, CipherSecrets& secrets);

}  // namespace quelt
