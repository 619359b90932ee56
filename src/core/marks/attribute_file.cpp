#include "marks/attribute_file.h"

#include <optional>

#include "base/path.h"
#include "base/sjis.h"

namespace quelt {
namespace {

constexpr std::string_view kAttributeExtension = "ATR";
constexpr std::size_t kMaxExtensionChars = 3;

// Reads the little-endian fields of the file in order; each read fails once
// the bytes run out.
class Reader {
 public:
  explicit Reader(std::string_view bytes, std::size_t pos) : bytes_(bytes), pos_(pos) {}
  std::optional<std::uint32_t> U16() { return Unsigned(2); }
  std::optional<std::uint32_t> U32() { return Unsigned(4); }
  // The bytes up to the next zero byte, at most maxLength of them, and the
  // zero byte itself.
  std::optional<std::string_view> ZeroEnded(std::size_t maxLength) {
    for (std::size_t i = pos_; i < bytes_.size() && i - pos_ <= maxLength; ++i) {
      if (bytes_[i] == '\0') {
        const std::string_view s = bytes_.substr(pos_, i - pos_);
        pos_ = i + 1;
        return s;
      }
    }
    return std::nullopt;
  }

 private:
  std::optional<std::uint32_t> Unsigned(std::size_t n) {
    if (bytes_.size() - pos_ < n) return std::nullopt;
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < n; ++i) v |= std::uint32_t{static_cast<std::uint8_t>(bytes_[pos_ + i])} << (8 * i);
    pos_ += n;
    return v;
  }

  std::string_view bytes_;
  std::size_t pos_;
};

void PutLe(std::string& out, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

bool LineMarkFits(std::int32_t v, const AttributeText& text) {
  if (v == kFirstLineMark) return true;
  return v >= 0 && static_cast<std::uint32_t>(v) < text.length && text.byteAt(static_cast<TextOffset>(v)) == kCr;
}

bool StringMarkFits(const StringMark& m, std::uint32_t textLength) {
  return m.length >= 1 && m.length <= kMaxMarkText && m.offset < textLength && m.length <= textLength - m.offset;
}

AttributeText TextOf(const TextStore& store) {
  return {store.Length(), [&store](TextOffset p) {
            std::uint8_t b = 0;
            store.CopyOut(p, 1, &b);
            return b;
          }};
}

bool IsOurs(FileSystem& files, const std::string& path) {
  std::string head;
  return files.ReadFile(path, head, kAttributeHeaderSize) && head == kAttributeHeader;
}

}  // namespace

std::string AttributeFilePath(std::string_view textPath) {
  const std::size_t nameStart = NameStart(textPath);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(textPath.data());
  std::size_t dot = std::string_view::npos;
  std::size_t charsAfterDot = 0;
  for (std::size_t i = nameStart; i < textPath.size();) {
    if (textPath[i] == '.') {
      dot = i;
      charsAfterDot = 0;
    } else {
      ++charsAfterDot;
    }
    i += SjisCharSize(bytes, textPath.size(), i, LeadByteTest(true));
  }
  if (dot == std::string_view::npos || charsAfterDot > kMaxExtensionChars) {
    std::string out(textPath);
    out += '.';
    out += kAttributeExtension;
    return out;
  }
  if (EqualsNoCase(textPath.substr(dot + 1), kAttributeExtension)) return {};
  std::string out(textPath.substr(0, dot + 1));
  out += kAttributeExtension;
  return out;
}

AttributeParse ParseAttributeFile(std::string_view bytes, const AttributeText& text, AttributeMarks& out) {
  out = {};
  if (bytes.size() < kAttributeHeaderSize || bytes.substr(0, kAttributeHeaderSize) != kAttributeHeader)
    return AttributeParse::kIgnored;
  Reader in(bytes, kAttributeHeaderSize);
  AttributeMarks marks;

  const auto lineCount = in.U16();
  if (!lineCount || *lineCount > kMaxLineMarks) return AttributeParse::kMismatch;
  for (std::uint32_t i = 0; i < *lineCount; ++i) {
    const auto raw = in.U32();
    if (!raw) return AttributeParse::kMismatch;
    const auto v = static_cast<std::int32_t>(*raw);
    if (!LineMarkFits(v, text)) return AttributeParse::kMismatch;
    if (!marks.lines.empty() && v <= marks.lines.back()) return AttributeParse::kMismatch;
    marks.lines.push_back(v);
  }

  const auto stringCount = in.U16();
  if (!stringCount || *stringCount > kMaxStringMarks) return AttributeParse::kMismatch;
  for (std::uint32_t i = 0; i < *stringCount; ++i) {
    const auto offset = in.U32();
    if (!offset) return AttributeParse::kMismatch;
    const auto bytesOfMark = in.ZeroEnded(kMaxMarkText);
    if (!bytesOfMark) return AttributeParse::kMismatch;
    StringMark m{*offset, static_cast<std::uint32_t>(bytesOfMark->size()), std::string(*bytesOfMark)};
    if (!StringMarkFits(m, text.length)) return AttributeParse::kMismatch;
    // Marks may share an offset: deleting text moves the marks inside it
    // to where it began.
    if (!marks.strings.empty() && m.offset < marks.strings.back().offset) return AttributeParse::kMismatch;
    marks.strings.push_back(std::move(m));
  }
  out = std::move(marks);
  return AttributeParse::kMarks;
}

std::string BuildAttributeFile(const std::vector<std::int32_t>& lines, const std::vector<StringMark>& strings) {
  std::string out(kAttributeHeader);
  PutLe(out, static_cast<std::uint32_t>(lines.size()), 2);
  for (std::int32_t v : lines) PutLe(out, static_cast<std::uint32_t>(v), 4);
  PutLe(out, static_cast<std::uint32_t>(strings.size()), 2);
  for (const StringMark& m : strings) {
    PutLe(out, m.offset, 4);
    out += m.text;
    out += '\0';
  }
  return out;
}

bool WriteAttributeFile(const DocMarks& marks, const TextStore& text, const std::string& textPath,
                        FileSystem& files, Host& host, bool saveLine, bool saveString) {
  if (!saveLine && !saveString) return true;
  const std::string path = AttributeFilePath(textPath);
  if (path.empty()) {
    host.ShowMessage(kMsgAttributeSameExtension);
    return false;
  }
  const AttributeText view = TextOf(text);
  std::vector<std::int32_t> lines;
  for (std::int32_t v : marks.LineMarks())
    if (LineMarkFits(v, view) && lines.size() < kMaxLineMarks) lines.push_back(v);
  std::vector<StringMark> strings;
  for (const StringMark& m : marks.StringMarks())
    if (StringMarkFits(m, view.length) && m.text.size() == m.length && strings.size() < kMaxStringMarks)
      strings.push_back(m);

  const bool exists = files.Exists(path);
  const bool ours = exists && IsOurs(files, path);
  if (lines.empty() && strings.empty()) {
    if (ours) files.RemoveFile(path);
    return true;
  }
  if (exists && !ours && host.Ask(kMsgAttributeForeignFile, Question::kOkCancel) != Answer::kOk) return false;
  if (!saveLine) lines.clear();
  if (!saveString) strings.clear();
  if (!files.WriteFile(path, BuildAttributeFile(lines, strings))) {
    host.ShowMessage(kMsgAttributeWriteError);
    return false;
  }
  return true;
}

bool ReadAttributeFile(const std::string& textPath, FileSystem& files, Host& host, const TextStore& text,
                       AttributeMarks& out) {
  out = {};
  const std::string path = AttributeFilePath(textPath);
  if (path.empty() || !files.Exists(path)) return true;
  std::string bytes;
  if (!files.ReadFile(path, bytes, kAttributeReadSize)) {
    host.ShowMessage(kMsgAttributeReadError);
    return false;
  }
  if (ParseAttributeFile(bytes, TextOf(text), out) == AttributeParse::kMismatch) {
    host.ShowMessage(kMsgAttributeMismatch);
    return false;
  }
  return true;
}

}  // namespace quelt
