#include "state/app_state.h"

namespace quelt::win {

void AppState::Load(const std::string& path) {
  path_ = path;
  refused_ = ReadStateFile(files_, host_, path_, data_, &sealer_) == StateFileRead::kRefused;
}

void AppState::Save() {
  // A file refused at start is kept aside before the defaults replace it.
  if (!path_.empty() && WriteStateFile(files_, host_, path_, data_, refused_, &sealer_)) refused_ = false;
}

}  // namespace quelt::win
