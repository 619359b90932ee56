#include "base/file_system.h"
#include "base/host.h"
#include "state/state_file.h"

namespace quelt {

bool ReadStateFile(FileSystem& fs, Host& host, const std::string& path, StateFileData& data) {
  data = {};
  if (path.empty()) return false;
  std::string bytes;
  if (!fs.ReadFile(path, bytes, kStateFileBufferSize)) {
    if (fs.Exists(path)) host.ShowMessage(kMsgDataFileReadError);
    return false;
  }
  if (!ParseStateFile(bytes, data)) {
    host.ShowMessage(kMsgDataFileInvalid);
    return false;
  }
  return true;
}

bool WriteStateFile(FileSystem& fs, Host& host, const std::string& path, const StateFileData& data) {
  if (path.empty()) return false;
  std::string bytes;
  BuildStateFile(data, bytes);
  if (!fs.WriteFile(path, bytes)) {
    host.ShowMessage(kMsgDataFileWriteError);
    return false;
  }
  return true;
}

}  // namespace quelt
