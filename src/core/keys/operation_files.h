// Operation files as key bindings name them: a name the user gave, kept in
// the executable's folder with the extension "mac".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"

namespace quelt {

// The file name of an operation: ".mac" appended unless the name already
// ends in ".mac" (without regard to case).
std::string OperationFileName(std::string_view name);
// The operation file's path in the folder (which ends in a backslash or is
// joined with one).
std::string OperationFilePath(std::string_view folder, std::string_view name);
// Whether two names give the same file (file names compare without regard
// to case).
bool SameOperationFile(std::string_view a, std::string_view b);

// The names of the operation files in a folder (files ending in ".mac"),
// sorted without regard to case; empty when the folder cannot be listed.
std::vector<std::string> ListOperationFiles(FileSystem& files, const std::string& folder);

}  // namespace quelt
