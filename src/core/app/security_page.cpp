#include "app/security_page.h"

#include <algorithm>

#include "app/common_settings_pages.h"
#include "base/file_system.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/path.h"

namespace quelt {
namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The folders in the order the page checks them.
struct FolderCheck {
  bool SecurityPageValues::*on;
  std::string SecurityPageValues::*folder;
};
constexpr FolderCheck kFolders[] = {
    {&SecurityPageValues::makeBackup, &SecurityPageValues::backupFolder},
    {&SecurityPageValues::makeMirror, &SecurityPageValues::mirrorFolder},
    {&SecurityPageValues::doCipher, &SecurityPageValues::cipherFolder},
};

}  // namespace

std::string FolderForDisplay(std::string_view folder) { return WithoutTrailingSeparator(folder); }

std::string FolderForStorage(std::string_view shown) { return WithTrailingSeparator(Trimmed(shown)); }

SecurityPageValues SecurityPageValues::FromSettings(const AppSettings& s, const CipherSecrets& secrets) {
  SecurityPageValues v;
  v.autoSave = s.autoSave != 0;
  v.interval = std::to_string(s.autoSaveIntervalSec);
  v.backupOnly = s.autoSaveOriginalFile == 0;
  v.makeBackup = s.makeBackupFile != 0;
  v.backupFolder = FolderForDisplay(s.backupFileFPath);
  v.generationCount = std::to_string(s.backupFileGenerationCount);
  v.makeMirror = s.makeMirrorFile != 0;
  v.mirrorFolder = FolderForDisplay(s.mirrorFileFPath);
  v.doCipher = s.doCipher != 0;
  v.cipherFolder = FolderForDisplay(s.cipherFPath);
  v.secrets = secrets;
  return v;
}

std::string SecurityPageValues::*SecurityPageValues::FirstInvalid() const {
  int n = 0;
  if (!ParseSettingNumber(interval, kMinAutoSaveInterval, kMaxAutoSaveInterval, n)) return &SecurityPageValues::interval;
  for (const FolderCheck& f : kFolders) {
    if (FolderForStorage(this->*f.folder).size() > kMaxSecurityFolder) return f.folder;
  }
  if (!ParseSettingNumber(generationCount, 1, kMaxGenerationCount, n)) return &SecurityPageValues::generationCount;
  return nullptr;
}

std::string SecurityPageValues::*SecurityPageValues::Apply(AppSettings& s, CipherSecrets& stored) const {
  if (auto invalid = FirstInvalid()) return invalid;
  int interval = 0, count = 0;
  ParseSettingNumber(this->interval, kMinAutoSaveInterval, kMaxAutoSaveInterval, interval);
  ParseSettingNumber(generationCount, 1, kMaxGenerationCount, count);
  s.autoSave = autoSave;
  s.autoSaveIntervalSec = interval;
  s.autoSaveWaitSec = std::clamp(s.autoSaveWaitSec, 1, std::max(1, interval / 2));
  s.autoSaveOriginalFile = backupOnly ? 0 : 1;
  s.makeBackupFile = makeBackup;
  s.backupFileFPath = FolderForStorage(backupFolder);
  s.backupFileGenerationCount = count;
  s.makeMirrorFile = makeMirror;
  s.mirrorFileFPath = FolderForStorage(mirrorFolder);
  s.doCipher = doCipher;
  s.cipherFPath = FolderForStorage(cipherFolder);
  stored = secrets;
  return nullptr;
}

std::string SecurityPageValues::*CheckSecurityFolders(const SecurityPageValues& v, FileSystem& fs, Host& host) {
  for (const FolderCheck& f : kFolders) {
    if (!(v.*f.on)) continue;
    const std::string folder = FolderForStorage(v.*f.folder);
    if (folder.empty()) return f.folder;
    if (fs.IsFolder(folder)) continue;
    if (host.Ask(kMsgFolderMissingCreate, Question::kOkCancel, FolderForDisplay(folder)) != Answer::kOk ||
        !fs.CreateFolder(folder)) {
      return f.folder;
    }
  }
  if (v.doCipher && v.secrets.key.empty()) {
    host.ShowMessage(kMsgCipherKeyMissing);
    return &SecurityPageValues::cipherFolder;
  }
  return nullptr;
}

}  // namespace quelt
