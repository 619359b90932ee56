// What start-up does with the files of the command line once the cabinet
// has reopened its own: whether an untitled document is made and whether
// the active window is maximised. A cabinet that reopened its windows keeps
// their stored placements unless the command line adds files.
#pragma once

#include <cstddef>

namespace quelt {

struct StartupFilesPlan {
  bool createUntitled = false;  // no cabinet, no files: a new untitled document
  bool maximise = false;        // maximise the active window after opening
};

StartupFilesPlan PlanStartupFiles(bool cabinetRead, std::size_t fileCount, bool invokeWithoutUntitled);

}  // namespace quelt
