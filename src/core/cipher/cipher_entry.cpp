#include "cipher/cipher_entry.h"

#include "cipher/cipher_secrets.h"

namespace quelt {
namespace {

SecretCheck CheckNew(std::string_view current, std::string_view typedCurrent, std::string_view entry,
                     std::string_view repeat, std::size_t maxLength) {
  SecretCheck c;
  if (!current.empty() && typedCurrent != current) {
    c.refused = SecretField::kCurrent;
  } else if (!entry.empty() && (!IsAlphanumeric(entry) || entry.size() > maxLength)) {
    c.refused = SecretField::kNew;
  } else if (repeat != entry) {
    c.refused = SecretField::kRepeat;
  }
  return c;
}

}  // namespace

SecretCheck CheckNewKey(std::string_view currentKey, std::string_view typedCurrent, std::string_view newKey,
                        std::string_view repeat) {
  SecretCheck c = CheckNew(currentKey, typedCurrent, newKey, repeat, kMaxCipherKey);
  if (c.refused == SecretField::kNone && !newKey.empty() && newKey.size() < kMinCipherKey) c.keyTooShort = true;
  return c;
}

SecretCheck CheckNewPassword(std::string_view currentPassword, std::string_view typedCurrent,
                             std::string_view newPassword, std::string_view repeat) {
  return CheckNew(currentPassword, typedCurrent, newPassword, repeat, kMaxPassword);
}

}  // namespace quelt
