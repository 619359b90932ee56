// Character codes and line ends of text files: their ids and names, their
// detection from the start of a file and the conversion of whole buffers into
// the internal form (Shift-JIS with CR LF) and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quelt {

// A document's character code. kAuto is only ever a request (open dialog,
// search settings), never the code of a document.
enum class CharCodeId : int { kAuto = 0, kShiftJis = 1, kJis = 2, kEuc = 3 };

// A document's line end. kAuto is only ever a request.
enum class LineEndId : int { kAuto = 0, kCrLf = 1, kCr = 2, kLf = 3 };

// Detection and the conversions into the internal form take a zero-based
// line-end selector: 0 CR LF, 1 CR, 2 LF (LineEndId = selector + 1).
constexpr int kSelectorCrLf = 0;
constexpr int kSelectorCr = 1;
constexpr int kSelectorLf = 2;

constexpr LineEndId LineEndOfSelector(int selector) {
  return (selector >= kSelectorCrLf && selector <= kSelectorLf) ? static_cast<LineEndId>(selector + 1)
                                                                : LineEndId::kCrLf;
}
constexpr int SelectorOfLineEnd(LineEndId id) {
  return (id == LineEndId::kCr) ? kSelectorCr : (id == LineEndId::kLf) ? kSelectorLf : kSelectorCrLf;
}

// Detection looks at no more than the first 4,096 bytes of a file.
constexpr std::size_t kDetectSampleBytes = 4096;

// Buffers larger than this (2 MB) are never converted: such files load
// unconverted, such documents save only as Shift-JIS with CR LF.
constexpr std::size_t kMaxConvertBytes = 2097152;

// Names in the open and save dialogs' lists ("自動", "ｼﾌﾄJIS", "JIS", "EUC";
// "自動", "CRLF", "CR", "LF"), UTF-8. Unknown ids give "".
const char* CharCodeListName(CharCodeId id);
const char* LineEndListName(LineEndId id);
// Names in the status bar ("SJIS", "JIS", "EUC"; "CRLF", " CR", " LF").
const char* CharCodeStatusName(CharCodeId id);
const char* LineEndStatusName(LineEndId id);
// Names in the properties dialog ("SJIS", "JIS", "EUC"; "CRLF", "CR", "LF").
const char* CharCodeShortName(CharCodeId id);
const char* LineEndShortName(LineEndId id);

struct Detection {
  CharCodeId code = CharCodeId::kShiftJis;  // kShiftJis, kJis or kEuc
  int selector = kSelectorCrLf;             // kSelectorCrLf, kSelectorCr or kSelectorLf
  LineEndId lineEnd() const { return LineEndOfSelector(selector); }
};

// Detects code and line end from the first n bytes of a file (only the first
// kDetectSampleBytes are looked at). crlfEqualSjis: the setting that takes
// every CR LF file for Shift-JIS unless it is plainly JIS.
Detection Detect(const std::uint8_t* sample, std::size_t n, bool crlfEqualSjis);

enum class ConvertStatus : int {
  kOk = 0,
  kTooLarge = 1,     // the buffer is over kMaxConvertBytes
  kOutOfMemory = 2,  // the result buffer could not be allocated
};

struct ConvertResult {
  ConvertStatus status = ConvertStatus::kOk;
  std::string bytes;  // the converted text when status is kOk
};

// Converts a file's bytes in the given code (kAuto counts as Shift-JIS) into
// the internal form. With a selector other than kSelectorCrLf every line end
// (CR LF, a lone CR or a lone LF) becomes CR LF; with kSelectorCrLf line-end
// bytes are copied as they are.
ConvertResult ToInternal(const std::uint8_t* buffer, std::size_t n, CharCodeId code, int selector);

// The conversion into the internal form of a file taken piece by piece, of
// any size: what it writes equals ToInternal over the whole file. A JIS
// escape state, a CR LF pair or an EUC pair cut by a piece's end carries
// over: the bytes it cannot decide yet are left for the next piece.
class InternalStream {
 public:
  InternalStream(CharCodeId code, int selector) : code_(code), selector_(selector) {}
  // Converts the start of in[0..n) and appends it to out; returns how many
  // bytes were used (the rest, a few bytes, begins the next piece). With
  // last, the piece ends the file and every byte is used.
  std::size_t Convert(const std::uint8_t* in, std::size_t n, bool last, std::string& out);

 private:
  CharCodeId code_;
  int selector_;
  bool kanji_ = false;
};

// Converts internal text into the given code (kAuto counts as Shift-JIS) with
// every CR LF written as the given line end (kAuto counts as CR LF).
ConvertResult FromInternal(const std::uint8_t* text, std::size_t n, CharCodeId code, LineEndId lineEnd);

// One character as it stands in the document's file, for the caret code
// display of the status bar.
struct FileCode {
  std::uint8_t bytes[2] = {0, 0};
  int count = 0;  // 1 or 2 (0 for an empty input)
};

// The file bytes of one character c of k (1 or 2) bytes of internal text: a
// two-byte character or a CR LF pair, or one byte. displayAlwaysShiftJis: the
// setting that shows internal codes whatever the file's code.
FileCode CharToFileCode(const std::uint8_t* c, std::size_t k, CharCodeId code, LineEndId lineEnd,
                        bool displayAlwaysShiftJis);

// "%.4X" for two bytes, "%.2X" and two spaces for one byte.
std::string FormatFileCode(const FileCode& fileCode);

}  // namespace quelt
