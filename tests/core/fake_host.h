// A host that records what the engine asked of the user and answers questions
// from a queue.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/host.h"

namespace quelt::test {

class FakeHost : public Host {
 public:
  void Beep() override { ++beeps; }
  void ShowMessage(MessageId id, const std::string& arg = {}) override {
    messages.push_back(id);
    args.push_back(arg);
  }
  Answer Ask(MessageId id, Question, const std::string& arg = {}) override {
    questions.push_back(id);
    args.push_back(arg);
    if (answers.empty()) return Answer::kCancel;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }

  int beeps = 0;
  std::vector<MessageId> messages;
  std::vector<MessageId> questions;
  std::vector<std::string> args;
  std::deque<Answer> answers;
};

}  // namespace quelt::test
