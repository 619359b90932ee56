#include "backup/backup_files.h"

#include <cstdio>
#include <tuple>

#include "base/file_system.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/path.h"
#include "app/settings.h"
#include "cipher/cipher.h"
#include "text/char_code.h"
#include "text/text_store.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

std::string GenerationName(const std::string& base, int generation) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%.2d", generation);
  return base + digits;
}

bool Later(const FileTime& a, const FileTime& b) {
  return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) >
         std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

// Creates or overwrites file with bytes, making its folder first.
void WriteCopy(FileSystem& fs, Host& host, const std::string& file, const std::string& bytes) {
  const std::string folder = FolderOf(file);
  if (!folder.empty() && !fs.IsFolder(folder) && !fs.CreateFolder(folder)) {
    host.Beep();
    return;
  }
  if (!fs.WriteFile(file, bytes)) host.Beep();
}

}  // namespace

BackupOptions BackupOptionsOf(const AppSettings& s) {
  BackupOptions o;
  o.makeBackup = s.makeBackupFile != 0;
  o.backupFolder = s.backupFileFPath;
  o.generationCount = s.backupFileGenerationCount;
  o.makeMirror = s.makeMirrorFile != 0;
  o.mirrorFolder = s.mirrorFileFPath;
  o.simpleMirror = s.simpleMirror != 0;
  return o;
}

bool CountsAsBackupTime(const FileTime& time) {
  const FileTime epoch{1970, 1, 1, 1, 0, 0};
  return Later(time, epoch);
}

std::string BackupName(FileSystem& fs, const BackupOptions& options, int& cursor, const std::string& path) {
  const int count = options.generationCount;
  if (!options.makeBackup || count < 1 || path.empty()) return {};
  // The name without its extension; a name that is all extension (".profile")
  // is kept whole.
  std::string name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  const std::string base = JoinPath(options.backupFolder, name + ".$");
  if (cursor < 0 || cursor >= count) {
    int newest = -1;
    FileTime newestTime;
    for (int i = 0; i < count; ++i) {
      FileInfo info;
      if (!fs.GetInfo(GenerationName(base, i + 1), info) || info.isDirectory) continue;
      if (!CountsAsBackupTime(info.modified)) continue;
      if (newest < 0 || Later(info.modified, newestTime)) {
        newest = i;
        newestTime = info.modified;
      }
    }
    cursor = newest >= 0 && newest + 1 < count ? newest + 1 : 0;
  }
  const std::string file = GenerationName(base, cursor + 1);
  cursor = (cursor + 1) % count;
  return file;
}

std::string MirrorName(const BackupOptions& options, const std::string& path) {
  if (!options.makeMirror || path.empty()) return {};
  if (options.simpleMirror) return JoinPath(options.mirrorFolder, FileNameOf(path));
  // The path below its drive: "C:" goes, and so do the backslashes that
  // lead the rest (one after a drive letter, two of a network path).
  std::string_view rest = path;
  if (rest.size() >= 2 && rest[1] == ':') rest.remove_prefix(2);
  while (!rest.empty() && rest.front() == '\\') rest.remove_prefix(1);
  return JoinPath(options.mirrorFolder, rest);
}

void WriteBackupCopy(FileSystem& fs, Host& host, const BackupOptions& options, int& cursor,
                     const std::string& bytes, const std::string& path) {
  if (bytes.empty()) return;
  const std::string file = BackupName(fs, options, cursor, path);
  if (!file.empty()) WriteCopy(fs, host, file, bytes);
}

void WriteSaveCopies(FileSystem& fs, Host& host, const BackupOptions& options, int& cursor,
                     const std::string& bytes, const std::string& path) {
  if (bytes.empty()) return;
  WriteBackupCopy(fs, host, options, cursor, bytes, path);
  const std::string mirror = MirrorName(options, path);
  if (!mirror.empty()) WriteCopy(fs, host, mirror, bytes);
}

void WriteBackupOnly(FileSystem& fs, Host& host, const BackupOptions& options, const CipherConfig& cipher,
                     TextStore& store, const std::string& path) {
  if (!options.makeBackup || path.empty() || InCipherFolder(cipher, path)) return;
  std::string bytes = store.Text();
  const auto code = static_cast<CharCodeId>(store.CharCode());
  const auto lineEnd = static_cast<LineEndId>(store.LineEnd());
  const bool plain = store.Kind() == DocumentKind::kBinary ||
                     (code == CharCodeId::kShiftJis && lineEnd == LineEndId::kCrLf);
  if (!plain && !bytes.empty()) {
    if (bytes.size() > kMaxConvertBytes && !IsUnicodeCode(code)) {
      host.ShowMessage(kMsgDocumentTooLargeToConvert);
      return;
    }
    const auto* text = reinterpret_cast<const std::uint8_t*>(bytes.data());
    ConvertResult converted = IsUnicodeCode(code) ? EncodeUnicode(text, bytes.size(), code, lineEnd, store.Forms())
                                                  : FromInternal(text, bytes.size(), code, lineEnd);
    if (converted.status != ConvertStatus::kOk) {
      host.ShowMessage(kMsgOutOfMemory);
      return;
    }
    bytes = std::move(converted.bytes);
  }
  int cursor = store.BackupGeneration();
  WriteBackupCopy(fs, host, options, cursor, bytes, path);
  store.SetBackupGeneration(cursor);
}

}  // namespace quelt
