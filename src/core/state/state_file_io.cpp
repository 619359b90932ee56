#include "base/file_system.h"
#include "base/host.h"
#include "base/path.h"
#include "state/state_file.h"

namespace quelt {

StateFileRead ReadStateFile(FileSystem& fs, Host& host, const std::string& path, StateFileData& data,
                            const SecretSealer* sealer) {
  data = {};
  if (path.empty()) return StateFileRead::kMissing;
  std::string bytes;
  if (!fs.ReadFile(path, bytes, kStateFileBufferSize)) {
    if (!fs.Exists(path)) return StateFileRead::kMissing;
    host.ShowMessage(kMsgDataFileReadError);
    return StateFileRead::kRefused;
  }
  if (!ParseStateFile(bytes, data, sealer)) {
    host.ShowMessage(kMsgStateFileKeptAside, FileNameOf(RefusedStateFileName(path)));
    return StateFileRead::kRefused;
  }
  return StateFileRead::kRead;
}

std::string RefusedStateFileName(const std::string& path) { return path + ".bad"; }

bool WriteStateFile(FileSystem& fs, Host& host, const std::string& path, const StateFileData& data,
                    bool keepRefused, const SecretSealer* sealer) {
  if (path.empty()) return false;
  if (keepRefused && fs.Exists(path)) {
    std::string old;
    if (!fs.ReadFile(path, old) || !fs.WriteFile(RefusedStateFileName(path), old)) {
      host.ShowMessage(kMsgDataFileWriteError);
      return false;
    }
  }
  std::string bytes;
  BuildStateFile(data, bytes, sealer);
  if (!fs.WriteFile(path, bytes)) {
    host.ShowMessage(kMsgDataFileWriteError);
    return false;
  }
  return true;
}

}  // namespace quelt
