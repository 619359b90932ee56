// Searching one file of a search over files: its blocks in turn, each match
// a result line with its line number, handed to the sink. A block cut
// inside a line changes nothing that is found: the starts that a match
// could carry past the cut are tried in the next block, which begins with
// the bytes of the line they need (from the line's start while it is near,
// so that anchors, whole words and the result text see the line as it is).
#pragma once

#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "global_search/global_search.h"
#include "search/search_engine.h"

namespace quelt {

class FileSearch {
 public:
  // searcher is prepared for the request's text and options.
  FileSearch(FileSystem& fs, const GlobalSearchRequest& request, const Searcher& searcher, GlobalSearchSink& sink,
             GlobalSearchOutcome& outcome);

  // Searches one file; false when the search is to stop (the sink said so).
  // A file that cannot be read is skipped and not counted.
  bool Search(const std::string& path);

 private:
  // Where the search of a file stands between two blocks.
  struct Position {
    std::uint32_t lines = 0;       // CR LF pairs before the line being searched
    std::uint32_t from = 0;        // the first start not tried yet, in the block
    std::uint32_t lineStart = 0;   // the start of that line in the block (0 when it began before)
    std::uint64_t lineBefore = 0;  // bytes of the line lying before the block
  };

  // Searches one block, whose first `keep` bytes were carried over from the
  // block before, and sets keep to the bytes the next block must carry.
  // False when the sink stops the search.
  bool SearchBlock(const std::string& path, const std::string& name, const std::string& block,
                   std::uint32_t& keep, bool last, Position& at, std::uint32_t& foundHere);

  FileSystem& fs_;
  const GlobalSearchRequest& request_;
  const Searcher& searcher_;
  GlobalSearchSink& sink_;
  GlobalSearchOutcome& outcome_;
  bool stepByLength_;   // plain matching continues after the whole match
  bool wholeFileTest_;  // several strings at once: the whole file is tested first
};

}  // namespace quelt
