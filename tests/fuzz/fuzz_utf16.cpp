// The UTF-16 decoder on any bytes, in both byte orders (see
// unicode_round_trip.h for what is checked).
#include "unicode_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  const std::string_view file = fuzz::AsText(data, size);
  const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 13;
  fuzz::CheckUnicodeDecoder(file, CharCodeId::kUtf16Le, piece);
  fuzz::CheckUnicodeDecoder(file, CharCodeId::kUtf16Be, piece);
  return 0;
}
