#include "cabinet/cabinet_signature.h"

namespace quelt {
namespace {

constexpr std::uint32_t kMaxSignatureEntries = 30;    // document entries in a cabinet
constexpr std::uint32_t kMaxSignatureOffset = 61440;  // the cabinet file buffer

std::uint32_t Word(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

}  // namespace

bool HasCabinetSignature(const std::uint8_t* bytes, std::size_t n) {
  if (bytes == nullptr || n < 8) return false;
  const std::uint32_t head = Word(bytes);
  const std::uint32_t version = head >> 24;
  const std::uint32_t entries = head & 0xFFFFFF;
  const std::uint32_t settings = Word(bytes + 4);
  return version < 2 && entries <= kMaxSignatureEntries && settings > 0 &&
         settings <= kMaxSignatureOffset;
}

}  // namespace quelt
