#include "cipher/cipher_service.h"

#include "app/settings.h"
#include "cipher/cipher_dialogs.h"
#include "cipher/cipher_secrets.h"

namespace quelt::win {

const CipherConfig& CipherService::Config() {
  config_.doCipher = settings_.doCipher != 0;
  config_.folder = settings_.cipherFPath;
  config_.key = secrets_.key;
  return config_;
}

bool CipherService::AskPassword(HWND owner, bool hideExplanation) {
  if (secrets_.password.empty() || entered_) return true;
  if (!AskPasswordPrompt(owner, secrets_.password, hideExplanation)) return false;
  entered_ = true;
  return true;
}

}  // namespace quelt::win
