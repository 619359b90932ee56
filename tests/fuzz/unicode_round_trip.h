// The checks the UTF-8 and UTF-16 decoder targets share. For any bytes in a
// Unicode code and each line-end selector: the internal text stays within
// the decoder's bound and is whole characters (a lead byte always has its
// trail byte); the stream over pieces of any size gives the same text and
// tally; and what decodes without loss, with line ends kept, encodes back to
// the same bytes (the signature added where the code has one).
#pragma once

#include <string>

#include "base/sjis.h"
#include "fuzz_check.h"
#include "text/char_code.h"
#include "text/unicode_codec.h"

namespace quelt::fuzz {

inline void CheckUnicodeDecoder(std::string_view file, CharCodeId code, std::size_t piece) {
  for (int selector : {kSelectorCrLf, kSelectorCr, kSelectorLf}) {
    const UnicodeDecoded whole = DecodeUnicode(AsBytes(file), file.size(), code, selector);
    FUZZ_CHECK(whole.status == ConvertStatus::kOk);
    FUZZ_CHECK(whole.bytes.size() <= 2 * file.size() + 2);
    const auto* t = AsBytes(whole.bytes);
    for (std::size_t i = 0; i < whole.bytes.size(); ++i) {
      if (IsSjisLeadByte(t[i])) {
        FUZZ_CHECK(i + 1 < whole.bytes.size() && IsSjisTrailByte(t[i + 1]));
        ++i;
      } else if (selector != kSelectorCrLf && t[i] == kCr) {
        FUZZ_CHECK(i + 1 < whole.bytes.size() && t[i + 1] == kLf);
        ++i;
      } else {
        FUZZ_CHECK(selector == kSelectorCrLf || t[i] != kLf);
      }
    }

    InternalStream stream(code, selector);
    std::string out, rest;
    for (std::size_t at = 0;;) {
      const std::size_t n = std::min(piece, file.size() - at);
      rest.append(file.substr(at, n));
      at += n;
      const bool last = at == file.size();
      rest.erase(0, stream.Convert(AsBytes(rest), rest.size(), last, out));
      if (last) break;
      FUZZ_CHECK(rest.size() < piece + 8);
    }
    FUZZ_CHECK(rest.empty());
    FUZZ_CHECK(out == whole.bytes);
    FUZZ_CHECK(stream.Tally().Lost() == whole.tally.Lost());

    if (selector != kSelectorCrLf || whole.tally.Lost() != 0) continue;
    const ConvertResult back =
        EncodeUnicode(AsBytes(whole.bytes), whole.bytes.size(), code, LineEndId::kCrLf, whole.tally.Forms());
    FUZZ_CHECK(back.status == ConvertStatus::kOk);
    const std::string_view signature = SignatureOf(code);
    const bool signed_ = file.substr(0, signature.size()) == signature;
    FUZZ_CHECK(back.bytes == (signed_ ? std::string(file) : std::string(signature) + std::string(file)));
  }
}

}  // namespace quelt::fuzz
