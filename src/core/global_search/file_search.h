// Searching one file of a search over files: its blocks in turn, each match
// a result line with its line number, handed to the sink.
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
  // Searches one block; false when the sink stops the search.
  bool SearchBlock(const std::string& path, const std::string& name, std::string& block, std::uint32_t& lines,
                   std::uint32_t& foundHere);

  FileSystem& fs_;
  const GlobalSearchRequest& request_;
  const Searcher& searcher_;
  GlobalSearchSink& sink_;
  GlobalSearchOutcome& outcome_;
  bool stepByLength_;   // plain matching continues after the whole match
  bool wholeFileTest_;  // several strings at once: the whole file is tested first
};

}  // namespace quelt
