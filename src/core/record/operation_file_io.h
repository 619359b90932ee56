// Operation files beside the executable: the name rule of the save dialog,
// reading a file's header for the load dialog, and the list of the folder's
// operation files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"

namespace quelt {

constexpr std::string_view kOperationFileExtension = ".mac";
// A full path must stay shorter than this many bytes.
constexpr std::size_t kMaxOperationPath = 260;
constexpr std::size_t kMaxListedOperationFiles = 100;

// Whether name can name a file by itself: not empty, no drive or folder part,
// none of the characters file names cannot hold, not only dots and blanks,
// not a device name.
bool IsPlainFileName(std::string_view name);

// The path of the operation file the user named: the executable's folder,
// the name, and ".mac" unless the name already ends in it (any case).
// Nullopt when the name is refused (the caller shows 59423): it is not a
// plain file name or the path would be kMaxOperationPath bytes or longer.
std::optional<std::string> OperationFilePath(std::string_view exeFolder, std::string_view name);
// The file an operation name plays: a name with a folder or drive part is
// taken as it is, a bare name is the operation file beside the program.
std::optional<std::string> OperationPlayPath(std::string_view exeFolder, std::string_view name);

// Whether the save has to ask 59424 first.
bool OperationFileExists(FileSystem& fs, const std::string& path);

// The comment of an operation file for the load dialog, or nullopt when the
// file cannot be read or its header fails the check.
std::optional<std::string> ReadOperationComment(FileSystem& fs, const std::string& path);

struct OperationFileEntry {
  std::string name;     // with its extension, as listed
  std::string comment;  // empty when the header cannot be read
};

// The operation files of folder, at most kMaxListedOperationFiles of them
// in the order the folder lists them, then sorted by name without regard to
// case.
std::vector<OperationFileEntry> ListOperationFiles(FileSystem& fs, const std::string& folder);

}  // namespace quelt
