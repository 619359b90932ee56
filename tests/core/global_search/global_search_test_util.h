// A result sink that keeps every line, and a request over one mask text.
#pragma once

#include <string>
#include <vector>

#include "global_search/global_search.h"

namespace quelt::test {

class RecordingSink : public GlobalSearchSink {
 public:
  void OnFirstResult() override { ++firsts; }
  void OnResult(std::string_view line) override { lines.emplace_back(line); }
  bool KeepGoing(std::string_view name, std::uint32_t) override {
    names.emplace_back(name);
    return --stopAfter != 0;
  }
  int firsts = 0;
  int stopAfter = -1;  // KeepGoing answers false on this call (negative: never)
  std::vector<std::string> lines;
  std::vector<std::string> names;
};

inline GlobalSearchRequest Request(std::string text, std::string mask) {
  GlobalSearchRequest r;
  r.text = std::move(text);
  r.maskText = std::move(mask);
  r.subfolders = false;
  return r;
}

}  // namespace quelt::test
