// The "ｾｷｭﾘﾃｨ" page of the common settings: automatic saving, backup and
// mirror copies and cipher saving with its key and password, as the page's
// controls show them. Folders are shown without their final "\" (a drive
// root keeps it) and stored with one.
#pragma once

#include <string>
#include <string_view>

#include "app/settings.h"
#include "cipher/cipher_secrets.h"

namespace quelt {

class FileSystem;
class Host;

constexpr int kMinAutoSaveInterval = 10;
constexpr int kMaxAutoSaveInterval = 86400;
constexpr int kMaxGenerationCount = 99;
constexpr std::size_t kMaxSecurityFolder = 256;

// "C:\a\b\" shows as "C:\a\b"; "C:\" stays.
std::string FolderForDisplay(std::string_view folder);
// The stored form: blanks around it dropped and one final "\" (empty stays
// empty).
std::string FolderForStorage(std::string_view shown);

struct SecurityPageValues {
  bool autoSave = false;
  std::string interval;      // seconds, 10-86400
  bool backupOnly = false;   // the inverse of "AutoSaveOriginalFile"
  bool makeBackup = false;
  std::string backupFolder;  // as shown
  std::string generationCount;  // 1-99
  bool makeMirror = false;
  std::string mirrorFolder;
  bool doCipher = false;
  std::string cipherFolder;
  CipherSecrets secrets;     // what the key and password dialogs set

  static SecurityPageValues FromSettings(const AppSettings& settings, const CipherSecrets& secrets);

  // The first field whose text is refused (a number out of range, a folder
  // over 256 bytes), or nullptr.
  std::string SecurityPageValues::*FirstInvalid() const;
  // Applies the page when nothing is refused; returns FirstInvalid(). The
  // automatic-save wait is kept within half the new interval.
  std::string SecurityPageValues::*Apply(AppSettings& settings, CipherSecrets& stored) const;
};

// Leaving the page: each checked option among backup, mirror and cipher
// needs its folder. An empty one is refused; a missing one is created with
// all its levels after the question "%1 は存在しません。..." (Cancel or a
// failure refuses it). Cipher saving without a key shows its message. The
// refused field, or nullptr when the page may be left.
std::string SecurityPageValues::*CheckSecurityFolders(const SecurityPageValues& values, FileSystem& fs, Host& host);

}  // namespace quelt
