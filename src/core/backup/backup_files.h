// The extra copies of a save: a backup copy in the backup folder, kept in
// numbered generations (memo.$01, memo.$02, ...), and a mirror copy in the
// mirror folder. Both hold exactly the bytes the save wrote. Failures only
// beep: the save itself has already succeeded.
#pragma once

#include <string>

namespace quelt {

class FileSystem;
class Host;
class TextStore;
struct AppSettings;
struct CipherConfig;
struct FileTime;

struct BackupOptions {
  bool makeBackup = false;    // "MakeBackupFile"
  std::string backupFolder;   // "BackupFileFPath", ending in "\"
  int generationCount = 1;    // "BackupFileGenerationCount", 1-99
  bool makeMirror = false;    // "MakeMirrorFile"
  std::string mirrorFolder;   // "MirrorFileFPath", ending in "\"
  bool simpleMirror = false;  // "SimpleMirror": by file name only
};

// The options as the settings hold them.
BackupOptions BackupOptionsOf(const AppSettings& settings);

// The generation cursor of a document before its first backup since it
// was opened.
constexpr int kNoBackupYet = -1;

// True for modification times that count when the newest generation is
// looked for: later than 1970-01-01 01:00.
bool CountsAsBackupTime(const FileTime& time);

// The backup file's path for a save of path, advancing the document's
// generation cursor; empty when backups are off, the count is below 1 or
// the path is empty. Before the first backup the existing generations are
// looked at and the sequence goes on after the newest (ties: the lower
// number).
std::string BackupName(FileSystem& fs, const BackupOptions& options, int& cursor, const std::string& path);

// The mirror file's path, or empty when mirroring is off or the path is
// empty. With SimpleMirror the file's name goes straight into the folder;
// otherwise its whole folder path below the drive does (C:\doc\a.txt gives
// <mirror folder>doc\a.txt).
std::string MirrorName(const BackupOptions& options, const std::string& path);

// Writes the backup copy and then the mirror copy of a save of path that
// wrote bytes. An empty save writes neither; a folder that is missing is
// created with all its levels; any failure beeps.
void WriteSaveCopies(FileSystem& fs, Host& host, const BackupOptions& options, int& cursor,
                     const std::string& bytes, const std::string& path);
// The backup copy alone (automatic saving that keeps the document's file).
void WriteBackupCopy(FileSystem& fs, Host& host, const BackupOptions& options, int& cursor,
                     const std::string& bytes, const std::string& path);

// Backup only (automatic saving that leaves the document's file alone):
// the backup copy of what a save would write, the converted bytes for a
// document that is not Shift-JIS with CR LF. Nothing for a file of the
// cipher folder; a text too large to convert shows the size message. The
// store's generation cursor advances.
void WriteBackupOnly(FileSystem& fs, Host& host, const BackupOptions& options, const CipherConfig& cipher,
                     TextStore& store, const std::string& path);

}  // namespace quelt
