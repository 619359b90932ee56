// Which folder entries a search over files takes, and the subfolders below
// a folder.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace quelt {

// With pickUpAllFiles every entry that is neither a folder nor a system file
// counts as a file; without it, a file needs one of the attributes
// read-only, hidden, archive or normal.
bool CountsAsFile(const DirEntry& entry, bool pickUpAllFiles);

// The full paths of the files of a folder whose names match the pattern, in
// the folder's order.
std::vector<std::string> MatchingFiles(FileSystem& fs, const std::string& folder, const std::string& pattern,
                                       bool pickUpAllFiles);

// A subfolder name buffer has at least 10 KB and at most 500 KB.
constexpr int kMinSubDirBufKB = 10;
constexpr int kMaxSubDirBufKB = 500;
// The collection fails when fewer bytes than this would remain in the buffer.
constexpr std::size_t kSubDirReserve = 261;

// Every folder below `folder`, breadth first, as full paths. They are
// counted against a buffer of bufferBytes bytes that holds each path with a
// zero byte; when fewer than 261 bytes would remain, the collection fails
// (false, folders empty) and no subfolder is to be searched.
bool CollectSubfolders(FileSystem& fs, const std::string& folder, std::size_t bufferBytes,
                       std::vector<std::string>& folders);

}  // namespace quelt
