#include "app/command_line.h"

#include <climits>

#include "base/messages.h"
#include "base/path.h"
#include "base/sjis.h"

namespace quelt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Index of the next character after the one at i; a double-byte character
// is stepped over whole, so its second byte is never seen as a delimiter.
std::size_t NextChar(std::string_view text, std::size_t i) {
  return SjisCharSize(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), i);
}

std::size_t SkipToBlank(std::string_view text, std::size_t i) {
  while (i < text.size() && !IsBlank(text[i])) i += NextChar(text, i);
  return i;
}

// Index of the next double quote at or after i, or text.size().
std::size_t FindQuote(std::string_view text, std::size_t i) {
  while (i < text.size() && text[i] != '"') i += NextChar(text, i);
  return i;
}

// The leading decimal digits of value; 0 when there are none or the number
// does not fit an int.
int DecimalValue(std::string_view value) {
  long long n = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
    if (n > INT_MAX) return 0;
  }
  return static_cast<int>(n);
}

// The file list: an opening double quote is dropped. When its closing quote
// ends the list (one quoted name) that quote goes too; when more names
// follow, both stay so the split can pair them.
std::string FileListOf(std::string_view rest) {
  while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
  if (rest.empty() || rest.front() != '"') return std::string(rest);
  const std::size_t close = FindQuote(rest, 1);
  if (close >= rest.size()) return std::string(rest.substr(1));
  if (close + 1 == rest.size()) return std::string(rest.substr(1, close - 1));
  return std::string(rest);
}

}  // namespace

CommandLine ParseCommandLine(std::string_view text) {
  CommandLine result;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i >= text.size()) break;
    if (text[i] != '/' && text[i] != '-') {
      const std::string list = FileListOf(text.substr(i));
      if (list.size() <= kMaxCommandLineValue) result.fileList = list;
      break;
    }
    ++i;
    if (i >= text.size() || IsBlank(text[i])) continue;
    const auto letterByte = static_cast<std::uint8_t>(text[i]);
    if (IsSjisLeadByte(letterByte)) {
      i = SkipToBlank(text, i);
      continue;
    }
    char letter = text[i++];
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter + 32);
    if (i < text.size() && text[i] == '=') ++i;

    switch (letter) {
      case 'a': {
        std::string_view value;
        if (i < text.size() && text[i] == '"') {
          const std::size_t close = FindQuote(text, i + 1);
          value = text.substr(i + 1, close - (i + 1));
          i = SkipToBlank(text, close < text.size() ? close + 1 : close);
        } else {
          const std::size_t end = SkipToBlank(text, i);
          value = text.substr(i, end - i);
          i = end;
        }
        if (value.size() <= kMaxCommandLineValue) result.cabinetPath = std::string(value);
        break;
      }
      case 'l':
      case 'c': {
        const std::size_t end = SkipToBlank(text, i);
        const std::string_view value = text.substr(i, end - i);
        i = end;
        if (value.size() <= kMaxCommandLineValue) (letter == 'l' ? result.line : result.column) = DecimalValue(value);
        break;
      }
      case 'q':
        result.quiet = true;
        i = SkipToBlank(text, i);
        break;
      default:
        i = SkipToBlank(text, i);
        break;
    }
  }
  return result;
}

std::vector<std::string> SplitFileList(std::string_view text) {
  std::vector<std::string> names;
  std::string name;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size() && names.size() < kMaxCommandLineFiles;) {
    const std::size_t size = NextChar(text, i);
    if (text[i] == '"') {
      quoted = !quoted;
    } else if (IsBlank(text[i]) && !quoted) {
      if (!name.empty()) names.push_back(std::move(name));
      name.clear();
    } else {
      name.append(text.substr(i, size));
    }
    i += size;
  }
  if (!name.empty() && names.size() < kMaxCommandLineFiles) names.push_back(std::move(name));

  bool split = names.size() >= 2;
  for (const std::string& n : names) split = split && IsAbsolutePath(n);
  if (split) return names;

  // One name: the whole text, so a path with blanks needs no quotes. A
  // double quote can never be part of a file name, so none is kept.
  std::string whole;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t size = NextChar(text, i);
    if (text[i] != '"') whole.append(text.substr(i, size));
    i += size;
  }
  std::size_t begin = 0, end = whole.size();
  while (begin < end && IsBlank(whole[begin])) ++begin;
  while (end > begin && IsBlank(whole[end - 1])) --end;
  if (begin == end) return {};
  return {whole.substr(begin, end - begin)};
}

bool IsHtmlName(std::string_view name) {
  return name.size() > 4 && (EndsWithNoCase(name, ".html") || EndsWithNoCase(name, ".htm"));
}

OpenChoice ChooseDocumentKind(std::string_view name, bool ctrl, bool shift, bool ctrlAllowed) {
  const bool htmlName = IsHtmlName(name);
  if (ctrl && !shift && ctrlAllowed) return {kOpenKindBinary, false};
  if (shift && !ctrl) return {kOpenKindText, !htmlName};
  if (ctrl && shift && !IsEnglishInterface()) return {kOpenKindHtmlVisual, false};
  return {kOpenKindText, htmlName};
}

namespace {
constexpr std::string_view kDdeOpenPrefix = "[open(\"";
}  // namespace

std::string BuildDdeOpenCommand(std::string_view path) {
  std::string command(kDdeOpenPrefix);
  command += path;
  command += "\")]";
  return command;
}

bool ParseDdeOpenCommand(std::string_view command, std::string& path) {
  if (!command.starts_with(kDdeOpenPrefix)) return false;
  const std::size_t start = kDdeOpenPrefix.size();
  const std::size_t end = FindQuote(command, start);
  const std::string_view found = command.substr(start, end - start);
  if (found.empty() || found.size() > kMaxDdePath || found.find('\0') != std::string_view::npos) return false;
  path = std::string(found);
  return true;
}

std::string FrameTitleText(std::string_view cabinetPath) {
  const std::string title = FileTitleOf(cabinetPath);
  return FormatMessageText(MessageText(kMsgFrameTitle), title.empty() ? std::string(" ") : title);
}

}  // namespace quelt
