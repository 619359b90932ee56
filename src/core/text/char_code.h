// Character codes and line ends of text files: their ids and names, their
// detection from the start of a file and the conversion of whole buffers into
// the internal form (Shift-JIS with CR LF) and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/unicode_forms.h"

namespace quelt {

// A document's character code. kAuto is only ever a request (open dialog,
// search settings), never the code of a document. The Unicode codes convert
// through code page 932; kUtf8Bom and both UTF-16 codes write a signature.
enum class CharCodeId : int {
  kAuto = 0,
  kShiftJis = 1,
  kJis = 2,
  kEuc = 3,
  kUtf8 = 4,
  kUtf8Bom = 5,
  kUtf16Le = 6,
  kUtf16Be = 7,
};
constexpr CharCodeId kLastCharCode = CharCodeId::kUtf16Be;

constexpr bool IsUnicodeCode(CharCodeId id) { return id >= CharCodeId::kUtf8 && id <= CharCodeId::kUtf16Be; }
constexpr bool IsUtf16Code(CharCodeId id) { return id == CharCodeId::kUtf16Le || id == CharCodeId::kUtf16Be; }
// A code a document can have (1-7).
constexpr bool IsDocumentCode(CharCodeId id) { return id >= CharCodeId::kShiftJis && id <= kLastCharCode; }

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

// Buffers larger than this (2 MB) are never converted from or to JIS and EUC:
// such files load unconverted, such documents save only as Shift-JIS with
// CR LF. The Unicode codes have no such limit.
constexpr std::size_t kMaxConvertBytes = 2097152;

// Names in the open and save dialogs' lists ("自動", "ｼﾌﾄJIS", "JIS", "EUC",
// "UTF-8", "UTF-8 (BOM)", "UTF-16LE", "UTF-16BE"; "自動", "CRLF", "CR",
// "LF"), UTF-8. Unknown ids give "".
const char* CharCodeListName(CharCodeId id);
const char* LineEndListName(LineEndId id);
// Names in the status bar, four characters at most ("SJIS", "JIS", "EUC",
// "UTF8", "U8BM", "U16L", "U16B"; "CRLF", " CR", " LF").
const char* CharCodeStatusName(CharCodeId id);
const char* LineEndStatusName(LineEndId id);
// Names in the properties dialog ("SJIS", "JIS", "EUC", then the list names
// of the Unicode codes; "CRLF", "CR", "LF").
const char* CharCodeShortName(CharCodeId id);
const char* LineEndShortName(LineEndId id);

struct Detection {
  CharCodeId code = CharCodeId::kShiftJis;  // a document code (1-7)
  int selector = kSelectorCrLf;             // kSelectorCrLf, kSelectorCr or kSelectorLf
  LineEndId lineEnd() const { return LineEndOfSelector(selector); }
};

// Detects code and line end from the first n bytes of a file (only the first
// kDetectSampleBytes are looked at). A signature decides first (UTF-16 line
// ends are then counted in 2-byte units); then a sample without ESC that is
// valid UTF-8 with at least one multi-byte sequence is UTF-8 (a sequence cut
// by the sample's 4,096-byte edge counts as valid); everything else is
// Shift-JIS, JIS or EUC. crlfEqualSjis: the setting that takes every CR LF
// file for Shift-JIS unless it is plainly JIS or UTF-8.
Detection Detect(const std::uint8_t* sample, std::size_t n, bool crlfEqualSjis);

// Detection with a code forced by the user (a document code; anything else
// detects): the line end is detected as that code counts it (2-byte units
// for UTF-16). A UTF-8 file with a signature forced to kUtf8 is kUtf8Bom, so
// that its save writes the signature back.
Detection DetectForced(const std::uint8_t* sample, std::size_t n, CharCodeId forced, bool crlfEqualSjis);

enum class ConvertStatus : int {
  kOk = 0,
  kTooLarge = 1,     // the buffer is over kMaxConvertBytes (JIS and EUC)
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
// escape state, a CR LF pair, an EUC pair or a UTF-8 or UTF-16 sequence cut
// by a piece's end carries over: the bytes it cannot decide yet are left for
// the next piece.
class InternalStream {
 public:
  InternalStream(CharCodeId code, int selector) : code_(code), selector_(selector) {}
  // Converts the start of in[0..n) and appends it to out; returns how many
  // bytes were used (the rest, a few bytes, begins the next piece). With
  // last, the piece ends the file and every byte is used.
  std::size_t Convert(const std::uint8_t* in, std::size_t n, bool last, std::string& out);
  // What the Unicode codes met so far.
  const UnicodeTally& Tally() const { return tally_; }

 private:
  CharCodeId code_;
  int selector_;
  bool kanji_ = false;
  bool started_ = false;  // the signature, if any, was looked for
  UnicodeTally tally_;
};

// Converts internal text into the given code (kAuto counts as Shift-JIS) with
// every CR LF written as the given line end (kAuto counts as CR LF). The
// Unicode codes write each two-form character in its own form (see
// EncodeUnicode for the remembered forms).
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
