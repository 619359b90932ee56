// `CipherService`: cipher saving in the running program. It knows the
// cipher folder and key as the settings and the state file hold them, and
// whether the password was typed in this run; it asks for the password
// before the first enciphered document opens and before the main window
// comes back from the notification area.
#pragma once

#include <windows.h>

#include "cipher/cipher.h"

namespace quelt {
struct AppSettings;
struct CipherSecrets;
}  // namespace quelt

namespace quelt::win {

class CipherService {
 public:
  CipherService(const AppSettings& settings, CipherSecrets& secrets) : settings_(settings), secrets_(secrets) {}
  CipherService(const CipherService&) = delete;
  CipherService& operator=(const CipherService&) = delete;

  // The folder, the switch and the key for the engine's cipher routines.
  const CipherConfig& Config();
  // True when no password is set, it was typed earlier in this run, or it
  // is typed correctly now.
  bool AskPassword(HWND owner, bool hideExplanation);
  // A new password must be typed again.
  void OnPasswordChanged() { entered_ = false; }
  // The window went into the notification area: restoring it asks again.
  void ForgetPassword() { entered_ = false; }

 private:
  const AppSettings& settings_;
  CipherSecrets& secrets_;
  CipherConfig config_;
  bool entered_ = false;
};

}  // namespace quelt::win
