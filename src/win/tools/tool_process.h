// Starts a user tool's process as its launch plan says and, when its output
// is captured, reads the pipe into a sink while the editor keeps answering
// its messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "tools/tool_launch.h"

namespace quelt::win {

// Takes each piece of captured output (never half a character or half of a
// CR LF); false stops the reading (the document went away or is full).
using ToolOutputSink = std::function<bool(std::string_view piece)>;

// Called once the process has started with its output captured: the sink
// that takes the output, or an empty one when there is nowhere to put it
// (the output is then not read).
using ToolOutputOpen = std::function<ToolOutputSink()>;

// Called while a captured program runs, about every 50 ms and whenever a
// message arrives: processes the waiting messages; false stops the run.
using ToolKeepGoing = std::function<bool()>;

// false when the pipe or the process could not be created (the caller
// beeps). With capture, returns once the output has ended (the child closed
// its end), the sink refused a piece or keepGoing said stop; a stop ends
// the program and whatever it started, and the output read until then is
// still handed over. Without keepGoing the messages are pumped plainly, and
// a WM_QUIT that arrives is posted again.
bool RunToolProcess(const ToolLaunch& launch, const ToolOutputOpen& open, const ToolKeepGoing& keepGoing = {});

}  // namespace quelt::win
