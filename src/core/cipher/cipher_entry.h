// The checks of the key dialog ("暗号ｷｰ") and the password dialog
// ("ﾊﾟｽﾜｰﾄﾞ"): the current entry must be typed again when one is set, the
// new one must be half-width letters and digits and typed twice alike; a
// key needs at least 6 characters unless it is empty (no key).
#pragma once

#include <string_view>

namespace quelt {

enum class SecretField { kNone, kCurrent, kNew, kRepeat };

struct SecretCheck {
  SecretField refused = SecretField::kNone;  // the field to select after a beep
  bool keyTooShort = false;  // a key of 1-5 characters: its message instead of the beep
  bool Accepted() const { return refused == SecretField::kNone && !keyTooShort; }
};

SecretCheck CheckNewKey(std::string_view currentKey, std::string_view typedCurrent, std::string_view newKey,
                        std::string_view repeat);
SecretCheck CheckNewPassword(std::string_view currentPassword, std::string_view typedCurrent,
                             std::string_view newPassword, std::string_view repeat);

}  // namespace quelt
