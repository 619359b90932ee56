#include "app/app_paths.h"

#include "base/path.h"

namespace quelt {

AppPaths DeriveAppPaths(std::string_view exePath) {
  AppPaths paths;
  if (exePath.empty() || exePath.size() >= kMaxPathBuffer) return paths;
  paths.exePath = std::string(exePath);
  paths.exeFolder = FolderOf(exePath);
  paths.baseName = NameWithoutExtension(exePath);
  paths.settingsFile = ReplaceExtension(exePath, "INI");
  paths.stateFile = ReplaceExtension(exePath, "DAT");
  paths.tempFile = ReplaceExtension(exePath, "TM1");
  paths.dataFile = ReplaceExtension(exePath, "LST");
  paths.keyFile = ReplaceExtension(exePath, "key");
  paths.backupFolder = JoinPath(paths.exeFolder, "Backup\\");
  paths.mirrorFolder = JoinPath(paths.exeFolder, "Mirror\\");
  paths.cipherFolder = JoinPath(paths.exeFolder, "Cipher\\");
  if (exePath.size() < kMaxExePathForDefaultCabinet) paths.defaultCabinet = JoinPath(paths.exeFolder, "quelt.cab");
  return paths;
}

std::string InstanceMutexName(const AppPaths& paths) {
  return paths.baseName.empty() ? std::string() : paths.baseName + "11";
}

}  // namespace quelt
