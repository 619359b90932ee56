// The table of recordable commands. Commands of the view and frame kinds are
// stored by their position in this table, not by their id, so operation
// files stay readable whatever the ids of other commands.
#pragma once

#include <cstdint>

#include "app/command_ids.h"

namespace quelt {

constexpr std::uint32_t kRecordedCommandCount = 70;
// The index stored for a command that is not in the table.
constexpr std::uint32_t kUnlistedCommandIndex = kRecordedCommandCount;
// What an index at or past the end of the table plays as: the overwrite
// protection toggle.
constexpr CommandId kUnlistedCommandPlaysAs = 32789;
// The index an older operation file's unknown command id becomes (the
// overwrite protection toggle).
constexpr std::uint32_t kLegacyUnknownCommandIndex = 34;

// The table index of a command, kUnlistedCommandIndex when absent (the
// first position when a command holds several).
std::uint32_t RecordedCommandIndex(std::uint32_t command);
// The command a stored index plays as.
CommandId RecordedCommandAt(std::uint32_t index);
// The table index of a command, or -1 when absent.
int FindRecordedCommand(std::uint32_t command);

}  // namespace quelt
