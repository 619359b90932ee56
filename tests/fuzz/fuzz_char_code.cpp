// Character codes and line ends: detection of any bytes, conversion into the
// internal form from each code with each line-end selector, and back out.
// Checked: detection results and the sample rule; output sizes within the
// converters' buffers; every line end of the file reaching the internal form
// as exactly one CR LF (or, without line-end conversion, every CR and LF byte
// kept in order); the round trip of clean internal text through every code
// and line end, and detection of what the writer wrote; Shift-JIS output
// coming back exactly, JIS and EUC output settling after one trip.
#include <string>

#include "base/sjis.h"
#include "fuzz_check.h"
#include "text/char_code.h"

namespace quelt {
namespace {

using fuzz::AsBytes;

constexpr CharCodeId kCodes[] = {CharCodeId::kShiftJis, CharCodeId::kJis, CharCodeId::kEuc};
constexpr LineEndId kLineEnds[] = {LineEndId::kCrLf, LineEndId::kCr, LineEndId::kLf};

std::string In(std::string_view file, CharCodeId code, int selector) {
  const ConvertResult r = ToInternal(AsBytes(file), file.size(), code, selector);
  FUZZ_CHECK(r.status == ConvertStatus::kOk);
  return r.bytes;
}

std::string Out(std::string_view text, CharCodeId code, LineEndId lineEnd) {
  const ConvertResult r = FromInternal(AsBytes(text), text.size(), code, lineEnd);
  FUZZ_CHECK(r.status == ConvertStatus::kOk);
  const std::size_t n = text.size();
  const std::size_t bound = code == CharCodeId::kJis ? 3 * n + 3 : code == CharCodeId::kEuc ? 2 * n : n;
  FUZZ_CHECK(r.bytes.size() <= bound);
  return r.bytes;
}

// The CR and LF bytes of a text, in order.
std::string LineEndBytes(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c == '\r' || c == '\n') out += c;
  }
  return out;
}

// Line ends of a file as the converters count them: CR LF, lone CR, lone LF.
std::size_t CountLineEnds(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
      ++count;
      ++i;
    } else if (s[i] == '\r' || s[i] == '\n') {
      ++count;
    }
  }
  return count;
}

// Every CR is followed by an LF and every LF follows a CR; returns the pairs.
std::size_t CountCrLfOnly(std::string_view s) {
  std::size_t pairs = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r') {
      FUZZ_CHECK(i + 1 < s.size() && s[i + 1] == '\n');
      ++pairs;
      ++i;
    } else {
      FUZZ_CHECK(s[i] != '\n');
    }
  }
  return pairs;
}

void CheckDetect(std::string_view file) {
  for (bool crlfEqualSjis : {false, true}) {
    const Detection d = Detect(AsBytes(file), file.size(), crlfEqualSjis);
    FUZZ_CHECK(IsDocumentCode(d.code));
    FUZZ_CHECK(d.selector >= kSelectorCrLf && d.selector <= kSelectorLf);
    if (file.size() > kDetectSampleBytes) {
      const Detection sample = Detect(AsBytes(file), kDetectSampleBytes, crlfEqualSjis);
      FUZZ_CHECK(sample.code == d.code && sample.selector == d.selector);
    }
  }
}

void CheckToInternal(std::string_view file) {
  const std::size_t lineEnds = CountLineEnds(file);
  const std::string fileLineEndBytes = LineEndBytes(file);
  for (CharCodeId code : kCodes) {
    for (int selector : {kSelectorCrLf, kSelectorCr, kSelectorLf}) {
      const std::string text = In(file, code, selector);
      FUZZ_CHECK(text.size() <= 2 * file.size());
      if (selector == kSelectorCrLf) {
        FUZZ_CHECK(LineEndBytes(text) == fileLineEndBytes);
      } else {
        FUZZ_CHECK(CountCrLfOnly(text) == lineEnds);
      }
    }
  }
}

// The part of a file that every code carries unchanged: CR LF pairs,
// double-byte characters with a JIS code, half-width katakana and the 7-bit
// bytes other than ESC, CR and LF.
std::string CleanText(std::string_view file) {
  std::string out;
  const std::uint8_t* s = AsBytes(file);
  for (std::size_t i = 0; i < file.size(); ++i) {
    const std::uint8_t c = s[i];
    const bool hasNext = i + 1 < file.size();
    if (c == kCr && hasNext && s[i + 1] == kLf) {
      out += "\r\n";
      ++i;
    } else if (hasNext && IsSjisLeadByte(c) && c < 0xF0 && IsSjisTrailByte(s[i + 1])) {
      out += static_cast<char>(c);
      out += static_cast<char>(s[i + 1]);
      ++i;
    } else if (IsHalfKana(c) || (c < 0x80 && c != kEsc && c != kCr && c != kLf)) {
      out += static_cast<char>(c);
    }
  }
  return out;
}

void CheckCleanRoundTrip(std::string_view file) {
  const std::string text = CleanText(file);
  for (CharCodeId code : kCodes) {
    for (LineEndId lineEnd : kLineEnds) {
      const std::string written = Out(text, code, lineEnd);
      FUZZ_CHECK(In(written, code, SelectorOfLineEnd(lineEnd)) == text);

      if (written.size() <= 1) continue;  // a sample this small is always Shift-JIS with CR LF
      const std::string_view sample = std::string_view(written).substr(0, kDetectSampleBytes);
      const Detection d = Detect(AsBytes(written), written.size(), false);
      if (lineEnd == LineEndId::kCrLf) {
        if (sample.find("\r\n") != std::string_view::npos) FUZZ_CHECK(d.selector == kSelectorCrLf);
      } else if (sample.find(lineEnd == LineEndId::kCr ? '\r' : '\n') != std::string_view::npos) {
        FUZZ_CHECK(d.selector == SelectorOfLineEnd(lineEnd));
      }
      if (code == CharCodeId::kJis) {
        // Clean text has no ESC, so the first one starts a kanji run.
        const std::size_t esc = sample.find('\x1B');
        if (esc != std::string_view::npos && esc + 2 < sample.size()) FUZZ_CHECK(d.code == CharCodeId::kJis);
      } else if (code == CharCodeId::kEuc) {
        bool high = false;
        for (char c : sample) high = high || static_cast<std::uint8_t>(c) >= 0x80;
        // EUC pairs of lead 0xC2-0xDF and second byte 0xA1-0xBF alone are
        // also valid UTF-8, which is looked for first.
        if (high) FUZZ_CHECK(d.code == CharCodeId::kEuc || d.code == CharCodeId::kUtf8);
      }
    }
  }
}

// Shift-JIS output of the internal converter goes out and comes back
// unchanged with any line end: it holds no lone CR or LF.
void CheckShiftJisStable(std::string_view file) {
  for (LineEndId lineEnd : {LineEndId::kCr, LineEndId::kLf}) {
    const int selector = SelectorOfLineEnd(lineEnd);
    const std::string text = In(file, CharCodeId::kShiftJis, selector);
    FUZZ_CHECK(In(Out(text, CharCodeId::kShiftJis, lineEnd), CharCodeId::kShiftJis, selector) == text);
  }
  FUZZ_CHECK(Out(file, CharCodeId::kShiftJis, LineEndId::kCrLf) == file);
}

// JIS and EUC output of the internal converter need not come back exactly
// (a stray lead byte or an unmapped character is lost on the first trip),
// but it settles: a second trip out and back in changes nothing.
void CheckSettles(std::string_view file) {
  for (CharCodeId code : {CharCodeId::kJis, CharCodeId::kEuc}) {
    for (LineEndId lineEnd : kLineEnds) {
      const int selector = SelectorOfLineEnd(lineEnd);
      const std::string once = In(Out(In(file, code, selector), code, lineEnd), code, selector);
      const std::string twice = In(Out(once, code, lineEnd), code, selector);
      FUZZ_CHECK(twice == once);
    }
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file = quelt::fuzz::AsText(data, size);
  quelt::CheckDetect(file);
  quelt::CheckToInternal(file);
  quelt::CheckCleanRoundTrip(file);
  quelt::CheckShiftJisStable(file);
  quelt::CheckSettles(file);
  return 0;
}
