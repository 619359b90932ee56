// `AppState`: what the user builds up while working, kept in the state file
// beside the executable: read once at start-up, written once at exit. The
// parts of the program that own a piece of it work on the record here.
#pragma once

#include <string>

#include "state/dpapi_sealer.h"
#include "state/state_file.h"

namespace quelt {
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

class AppState {
 public:
  AppState(FileSystem& files, Host& host) : files_(files), host_(host) {}
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  // Reads the file (the defaults when it is missing or refused, after the
  // message); an empty path leaves the defaults and makes Save do nothing.
  void Load(const std::string& path);
  // Writes the record back to the file Load read; a file Load refused is
  // first kept beside it under RefusedStateFileName.
  void Save();

  StateFileData& Data() { return data_; }

 private:
  FileSystem& files_;
  Host& host_;
  DpapiSealer sealer_;  // the cipher key and password
  std::string path_;
  StateFileData data_;
  bool refused_ = false;  // the file was there at start but refused
};

}  // namespace quelt::win
