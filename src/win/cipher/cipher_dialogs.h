// The password prompt and the dialogs that change the cipher key ("暗号ｷｰ")
// and the password ("ﾊﾟｽﾜｰﾄﾞ"). The checks are the engine's; the dialogs
// beep and select the refused field and stay open.
#pragma once

#include <windows.h>

#include <string>

namespace quelt {
class Host;
}

namespace quelt::win {

// Asks for the password: true when it is typed exactly. hideExplanation
// leaves out the text about enciphered documents (restoring the window).
bool AskPasswordPrompt(HWND owner, const std::string& password, bool hideExplanation);
// Changes key (or password) to what the user confirmed; false on Cancel.
// host says why a new key is refused.
bool EditCipherKey(HWND owner, Host& host, std::string& key);
bool EditCipherPassword(HWND owner, Host& host, std::string& password);

}  // namespace quelt::win
