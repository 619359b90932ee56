// The start-up command line: any bytes are parsed, and both the file list it
// finds and the whole text are split into file names. Checked: option values
// within their limits and taken from the text itself; the split's count
// limit, no empty names, no double-quote character left in a name, several
// names only when each is an absolute path; the document kind chosen for
// every name with every key state; an option in front changing only itself;
// a quoted cabinet path coming back whole.
#include <string>
#include <vector>

#include "app/command_line.h"
#include "base/path.h"
#include "base/sjis.h"
#include "fuzz_check.h"

namespace quelt {
namespace {

// Whether a name holds '"' as a character of its own (not as the second
// byte of a double-byte character).
bool HasQuoteCharacter(const std::string& name) {
  const std::uint8_t* s = fuzz::AsBytes(name);
  for (std::size_t i = 0; i < name.size(); i += SjisCharSize(s, name.size(), i)) {
    if (s[i] == '"') return true;
  }
  return false;
}

// Whether a character starts at byte i when the text is walked from its start.
bool CharacterStartsAt(std::string_view text, std::size_t i) {
  const std::uint8_t* s = fuzz::AsBytes(text);
  std::size_t at = 0;
  while (at < i) at += SjisCharSize(s, text.size(), at);
  return at == i;
}

void CheckSplit(std::string_view text) {
  const std::vector<std::string> names = SplitFileList(text);
  FUZZ_CHECK(names.size() <= kMaxCommandLineFiles);
  std::size_t bytes = 0;
  for (const std::string& name : names) {
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(!HasQuoteCharacter(name));
    if (names.size() >= 2) FUZZ_CHECK(IsAbsolutePath(name));
    bytes += name.size();
    for (bool ctrl : {false, true}) {
      for (bool shift : {false, true}) {
        const OpenChoice choice = ChooseDocumentKind(name, ctrl, shift, true);
        FUZZ_CHECK(choice.openKind >= kOpenKindText && choice.openKind <= kOpenKindHtmlVisual);
        if (choice.openKind != kOpenKindText) FUZZ_CHECK(!choice.html);
      }
    }
  }
  FUZZ_CHECK(bytes <= text.size());
  bool blank = true;
  for (char c : text) blank = blank && (c == ' ' || c == '\t' || c == '"');
  if (blank) FUZZ_CHECK(names.empty());
}

void CheckCommandLine(std::string_view text) {
  const CommandLine line = ParseCommandLine(text);
  FUZZ_CHECK(line.cabinetPath.size() <= kMaxCommandLineValue);
  FUZZ_CHECK(line.fileList.size() <= kMaxCommandLineValue);
  FUZZ_CHECK(line.line >= 0 && line.column >= 0);
  FUZZ_CHECK(text.find(line.cabinetPath) != std::string_view::npos);
  FUZZ_CHECK(text.find(line.fileList) != std::string_view::npos);
  CheckSplit(line.fileList);
  CheckSplit(text);
  // Parsing is left to right: an option put in front changes only itself.
  const CommandLine quiet = ParseCommandLine("/Q " + std::string(text));
  FUZZ_CHECK(quiet.quiet);
  FUZZ_CHECK(quiet.cabinetPath == line.cabinetPath && quiet.fileList == line.fileList);
  FUZZ_CHECK(quiet.line == line.line && quiet.column == line.column);
  // Any text without a quote character, given as a quoted cabinet, comes
  // back whole (a lead byte at its end would take the closing quote).
  const std::uint8_t* s = fuzz::AsBytes(text);
  const bool quotable = !text.empty() && text.size() <= kMaxCommandLineValue && !HasQuoteCharacter(std::string(text)) &&
                        !(IsSjisLeadByte(s[text.size() - 1]) && CharacterStartsAt(text, text.size() - 1));
  if (quotable) FUZZ_CHECK(ParseCommandLine("/A\"" + std::string(text) + "\" x").cabinetPath == text);
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quelt::CheckCommandLine(quelt::fuzz::AsText(data, size));
  return 0;
}
