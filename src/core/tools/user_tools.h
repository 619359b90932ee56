// The user tools and the program-execution history, and the state-file
// section that keeps them.
//
// Section layout (little-endian): a 32-bit count of history entries (0-20)
// and per entry the zero-ended command, parameters and run folder and three
// 32-bit flags (internal command, capture output, minimised); then a 32-bit
// count of user tools (0-50) and per tool its 32-bit kind (0-2), the
// zero-ended title, command, parameters and run folder and four 32-bit flags
// (internal command, capture output, minimised, ask parameters). Flags are
// 0 or 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

constexpr std::size_t kMaxUserTools = 50;        // separators included
constexpr std::size_t kMaxProgramRuns = 20;      // entries of the execution history
constexpr std::size_t kMaxToolTitle = 80;        // bytes of a menu title
constexpr std::size_t kMaxToolPath = 260;        // bytes of a command or run folder
constexpr std::size_t kMaxToolParameters = 255;  // bytes of the parameters

enum ToolKind : std::int32_t { kToolProgram = 0, kToolOperationFile = 1, kToolSeparator = 2 };

// One entry of the program-execution history; the first entry is the one run.
struct ProgramRun {
  std::string command;
  std::string parameters;
  std::string runFolder;  // empty: none given
  bool internalCommand = false;  // run through the command interpreter
  bool captureOutput = false;    // standard output and error into a new document
  bool minimised = false;
  bool operator==(const ProgramRun&) const = default;
};

struct UserTool {
  std::int32_t kind = kToolProgram;
  std::string title;       // menu title
  std::string command;     // program path, or the operation file's name for kind 1
  std::string parameters;  // may hold variables ("$f", "$l", ...)
  std::string runFolder;   // empty: none given
  bool internalCommand = false;
  bool captureOutput = false;
  bool minimised = false;
  bool askParameters = false;  // ask for the parameters at each run
  bool operator==(const UserTool&) const = default;
};

struct ToolsSection {
  std::vector<ProgramRun> runHistory;  // newest first, at most 20
  std::vector<UserTool> tools;         // at most 50
  bool operator==(const ToolsSection&) const = default;
};

// Appends the section. Texts are cut to their limits, lists to their
// capacities, an unknown kind is written as a separator.
void EncodeToolsSection(const ToolsSection& section, std::string& out);

// Takes the section from the front of in. False for a count over its
// capacity, a text that does not end within the data or is over its limit,
// a kind outside 0-2 or a flag other than 0/1; section is then empty.
bool DecodeToolsSection(std::string_view& in, ToolsSection& section);

}  // namespace quelt
