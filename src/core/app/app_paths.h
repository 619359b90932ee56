// The files and folders the program keeps beside its own executable, derived
// once at start-up from the executable's full path.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

// Size of the path buffer the executable's path is read into: a path of this
// many characters or more fills it and counts as unreadable.
constexpr std::size_t kMaxPathBuffer = 260;
// The default cabinet sits beside the executable only while the executable's
// path is shorter than this, so "quelt.cab" still fits the buffer.
constexpr std::size_t kMaxExePathForDefaultCabinet = 251;

struct AppPaths {
  std::string exePath;         // the executable's full path
  std::string exeFolder;       // its folder, with the final backslash
  std::string baseName;        // its name without extension (mutex, DDE service)
  std::string settingsFile;    // "<exe>.INI": the application settings
  std::string stateFile;       // "<exe>.DAT": histories and tool definitions
  std::string tempFile;        // "<exe>.TM1": conversion work file
  std::string dataFile;        // "<exe>.LST": named file lists of global search
  std::string keyFile;         // "<exe>.key": key assignments
  std::string backupFolder;    // "<folder>Backup\"
  std::string mirrorFolder;    // "<folder>Mirror\"
  std::string cipherFolder;    // "<folder>Cipher\"
  std::string defaultCabinet;  // "<folder>quelt.cab", or empty for long paths
};

// Every path is empty when exePath is empty or kMaxPathBuffer characters or
// longer.
AppPaths DeriveAppPaths(std::string_view exePath);

// Name of the mutex owned by the instance that accepts files from later
// starts: the executable's base name followed by "11".
std::string InstanceMutexName(const AppPaths& paths);

}  // namespace quelt
