// glibc's iconv as the outside yardstick of the code benchmarks.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <cstdlib>
#include <string>

namespace quelt::bench {

// Converts in with cd into out (sized for the worst case); the bytes
// written. With wholeOrAbort, a conversion that stops early (a character
// the target lacks) ends the program, so that no figure is of half a text.
inline std::size_t Iconv(iconv_t cd, const std::string& in, std::string& out, bool wholeOrAbort = false) {
  char* inp = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outp = out.data();
  std::size_t outLeft = out.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1) && wholeOrAbort) std::abort();
  return out.size() - outLeft;
}

}  // namespace quelt::bench
