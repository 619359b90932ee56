// The open request a new text document takes when it is created (kind, HTML
// flag, forced code), and what the open command does with each file the open
// dialog returned.
#pragma once

#include <cstddef>

#include "app/command_line.h"  // kOpenKindText, kOpenKindBinary, kOpenKindHtmlVisual
#include "text/char_code.h"
#include "text/open_kind.h"

namespace quelt {

// The open dialog returns at most this many files from one selection.
constexpr std::size_t kMaxOpenFiles = 10;


struct OpenRequest {
  int openKind = kOpenKindText;
  bool html = false;
  CharCodeId forcedCode = CharCodeId::kAuto;

  void Reset() { *this = OpenRequest(); }
  // The forced code for the document being opened (1-3, anything else
  // automatic); the request is reset.
  CharCodeId TakeForcedCode();
};

// What the open command does with one chosen file.
enum class OpenAction : int {
  kSkip = 0,      // a cabinet among several files
  kCabinet = 1,   // open it as the current cabinet
  kDocument = 2,  // ask the framework to open it with `request`
};

struct OpenPlan {
  OpenAction action = OpenAction::kDocument;
  OpenRequest request;
  bool recordForMacro = false;  // only text opens are recorded
};

// The plan for a file of the (already decided, never kAuto) kind, with the
// code chosen in the dialog, when fileCount files were chosen together.
OpenPlan PlanOpen(OpenKindId kind, CharCodeId code, std::size_t fileCount);

// The kind list of the open dialog: without "HTMLﾋﾞｼﾞｭｱﾙ" in English, where
// the last entry still means the cabinet.
int OpenKindListCount(bool english);
OpenKindId OpenKindOfListIndex(int index, bool english);
// The code the dialog's choice stands for: always Shift-JIS in English.
CharCodeId OpenCodeOfListIndex(int index, bool english);

}  // namespace quelt
