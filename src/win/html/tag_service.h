// `HtmlTagService`: what the tag commands keep for the run of the program,
// the values each tag dialog opens with and the last pair for the repeat
// command. The application owns one; every edit window uses it.
#pragma once

#include "html/tag_repeat.h"

namespace quelt::win {

class HtmlTagService {
 public:
  TagSettings& Settings() { return settings_; }
  TagRepeat& Repeat() { return repeat_; }

 private:
  TagSettings settings_;
  TagRepeat repeat_;
};

}  // namespace quelt::win
