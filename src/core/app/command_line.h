// The start-up command line, the list of files it names, the document kind
// chosen from the modifier keys, the open request a second instance sends by
// DDE and the main frame's title text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

// Longest option value and file list taken from the command line; longer
// ones are ignored.
constexpr std::size_t kMaxCommandLineValue = 255;
// Most file names split off one file list.
constexpr std::size_t kMaxCommandLineFiles = 20;
// Longest path accepted from a DDE open request.
constexpr std::size_t kMaxDdePath = 259;

struct CommandLine {
  std::string cabinetPath;  // /A, empty when not given
  std::string fileList;     // from the first item that is not an option to the end
  int line = 0;             // /L, 1-based, 0 = none
  int column = 0;           // /C, 1-based, 0 = none
  bool quiet = false;       // /Q: no splash
};

// Parses the command line as the program receives it, without its own name.
// Options begin with '/' or '-', the letter in either case, an optional '='.
CommandLine ParseCommandLine(std::string_view text);

// Splits a file list into at most kMaxCommandLineFiles names at blanks outside
// double quotes (the quotes are dropped). Fewer than two names, or a name that
// is not an absolute path, make the whole text one name. Empty text: no names.
std::vector<std::string> SplitFileList(std::string_view text);

// True for names longer than 4 characters that end in ".html" or ".htm",
// in any case.
bool IsHtmlName(std::string_view name);

// What a document is opened as.
constexpr int kOpenKindText = 1;
constexpr int kOpenKindBinary = 2;
constexpr int kOpenKindHtmlVisual = 3;

struct OpenChoice {  // open kind and HTML flag chosen for a file
  int openKind = kOpenKindText;
  bool html = false;  // the text document treats its content as HTML
  bool operator==(const OpenChoice&) const = default;
};

// The document kind for a file opened by name with the keys held. ctrlAllowed
// is true for command-line files, the recent-file list and, with
// "EnableCtrlOnDDEDrop" set, dropped files. Ctrl and Shift together open the
// HTML visual document only with the Japanese interface.
OpenChoice ChooseDocumentKind(std::string_view name, bool ctrl, bool shift, bool ctrlAllowed);

// The DDE execute text that asks the running instance to open path:
// [open("path")].
std::string BuildDdeOpenCommand(std::string_view path);
// The path of an open request; false when the command is not one, or the
// path is empty or longer than kMaxDdePath.
bool ParseDdeOpenCommand(std::string_view command, std::string& path);

// The main frame's title: "Kav Quelt : " and the file title of the cabinet
// path, or a single space when it has none. Shift-JIS, like the path.
std::string FrameTitleText(std::string_view cabinetPath);

}  // namespace quelt
