// Where the benches send grep's output: a file, never /dev/null. GNU grep
// knows /dev/null and then stops at the first match (only its exit status
// can matter), which would time a fraction of the search.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quelt::bench {

inline const std::string& GrepOutput() {
  static const std::string path = [] {
    std::string p = "/tmp/quelt_bench_grep_" + std::to_string(::getpid()) + ".out";
    std::atexit([] { std::remove(GrepOutput().c_str()); });
    return p;
  }();
  return path;
}

// " >file" for the end of a grep command line.
inline std::string ToGrepOutput() { return " >" + GrepOutput(); }

}  // namespace quelt::bench
