// `DpapiSealer`: the key and password of cipher saving sealed by the
// platform's protection of the current user's data (CryptProtectData), so
// that the state file tells them to nobody else.
#pragma once

#include "cipher/cipher_secrets.h"

namespace quelt::win {

class DpapiSealer : public SecretSealer {
 public:
  bool Seal(std::string_view plain, std::string& sealed) const override;
  bool Unseal(std::string_view sealed, std::string& plain) const override;
};

}  // namespace quelt::win
