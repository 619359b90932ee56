#include "state/app_state.h"

namespace quelt::win {

void AppState::Load(const std::string& path) {
  path_ = path;
  if (!path_.empty()) ReadStateFile(files_, host_, path_, data_);
}

void AppState::Save() {
  if (!path_.empty()) WriteStateFile(files_, host_, path_, data_);
}

}  // namespace quelt::win
