#include "app/startup_files.h"

namespace quelt {

StartupFilesPlan PlanStartupFiles(bool cabinetRead, std::size_t fileCount, bool invokeWithoutUntitled) {
  StartupFilesPlan plan;
  plan.createUntitled = !cabinetRead && fileCount == 0 && !invokeWithoutUntitled;
  // Only when this step opened something: files of the command line, or the
  // untitled document of a start without a cabinet.
  plan.maximise = fileCount > 0 || plan.createUntitled;
  return plan;
}

}  // namespace quelt
