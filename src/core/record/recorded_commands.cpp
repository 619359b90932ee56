#include "record/recorded_commands.h"

namespace quelt {
namespace {

constexpr CommandId kTable[kRecordedCommandCount] = {
    32776, 32777, 32778, 32779, 32780,  // 0: change, new cabinet, format, colours, font
    32784, 32813, 57601, 57600, 57602,  // 5: global search, common settings, open, new, close
    57603, 57604, 57634, 57637, 57635,  // 10: save, save as, copy, paste, cut
    57643, 57644, 32771, 32769, 32770,  // 15: undo, redo, clear line marks, next, previous marked line
    32768, 32775, 32773, 32774, 32772,  // 20: line mark, clear string marks, next, previous, string mark
    32802, 32801, 32799, 32798, 32803,  // 25: blanks to tabs, tabs to blanks, centre, align right, select all
    32805, 32804, 57609, 57607, 32789,  // 30: append copy, append cut, print preview, print, overwrite protection
    32791, 32788, 32785, 32786, 32787,  // 35: page layout, jump, current, next, previous tag
    32815, 32816, 32817, 32818, 32819,  // 40: tag window, invert, upper, lower case, capitalise
    32820, 32821, 32822, 32825, 32823,  // 45: to full-width, to half-width, to katakana, to hiragana, split lines
    32824, 32826, 32827, 32828, 32875,  // 50: join lines, insert date, time, string, indent
    32876, 32883, 32789, 32789, 32888,  // 55: unindent, line extraction, two spares, free conversion
    32959, 32960, 32961, 32962, 32963,  // 60: align left, matching bracket, close all, save all, cabinet file list
    33019, 33021, 33024, 33025, 33026,  // 65: HTML tags, paste selected, current, next, previous history entry
};

}  // namespace

int FindRecordedCommand(std::uint32_t command) {
  for (std::uint32_t i = 0; i < kRecordedCommandCount; ++i) {
    if (kTable[i] == command) return static_cast<int>(i);
  }
  return -1;
}

std::uint32_t RecordedCommandIndex(std::uint32_t command) {
  const int i = FindRecordedCommand(command);
  return i < 0 ? kUnlistedCommandIndex : static_cast<std::uint32_t>(i);
}

CommandId RecordedCommandAt(std::uint32_t index) {
  return index < kRecordedCommandCount ? kTable[index] : kUnlistedCommandPlaysAs;
}

}  // namespace quelt
