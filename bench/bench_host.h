// The host of the benchmarks: no beeps or messages, and every question is
// answered OK (the undo buffer's overflow question lets typing go on).
#pragma once

#include <string>

#include "base/host.h"

namespace quelt::bench {

class QuietHost : public Host {
 public:
  void Beep() override {}
  void ShowMessage(MessageId, const std::string&) override {}
  Answer Ask(MessageId, Question, const std::string&) override { return Answer::kOk; }
};

}  // namespace quelt::bench
