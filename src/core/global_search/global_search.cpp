#include "global_search/global_search.h"

#include <algorithm>

#include "base/messages.h"
#include "base/path.h"
#include "find/find_run.h"
#include "global_search/file_pick.h"
#include "global_search/file_search.h"
#include "global_search/mask_text.h"

namespace quelt {
namespace {

class Run {
 public:
  Run(FileSystem& fs, const GlobalSearchRequest& request, const Searcher& searcher, GlobalSearchSink& sink,
      GlobalSearchOutcome& outcome)
      : fs_(fs), request_(request), file_(fs, request, searcher, sink, outcome) {}

  // Searches with one mask text; false when the search is to stop.
  bool MaskText(std::string_view maskText) {
    for (const std::string& mask : SplitMasks(maskText)) {
      if (!Mask(mask)) return false;
    }
    return true;
  }

 private:
  bool Mask(const std::string& mask) {
    const std::string folder = FolderOf(mask);
    const std::string pattern = FileNameOf(mask);
    if (pattern.empty()) return true;
    if (!Folder(folder, pattern)) return false;
    if (!request_.subfolders) return true;
    const int kb = std::clamp(request_.subDirBufKB, kMinSubDirBufKB, kMaxSubDirBufKB);
    std::vector<std::string> subfolders;
    if (!CollectSubfolders(fs_, folder, static_cast<std::size_t>(kb) * 1024, subfolders)) return true;
    for (const std::string& sub : subfolders) {
      if (!Folder(sub, pattern)) return false;
    }
    return true;
  }

  bool Folder(const std::string& folder, const std::string& pattern) {
    for (const std::string& path : MatchingFiles(fs_, folder, pattern, request_.pickUpAllFiles)) {
      if (!file_.Search(path)) return false;
    }
    return true;
  }

  FileSystem& fs_;
  const GlobalSearchRequest& request_;
  FileSearch file_;
};

}  // namespace

GlobalSearchOutcome RunGlobalSearch(FileSystem& fs, const GlobalSearchRequest& request,
                                    const SearchFileLists& lists, GlobalSearchSink& sink) {
  GlobalSearchOutcome outcome;
  FindFlags flags;
  flags.matchCase = request.matchCase;
  flags.regex = request.regex;
  flags.distinguishWidth = request.distinguishWidth;
  FindSettings settings;
  settings.wholeWord = request.wholeWord;
  settings.escapes = request.escapes;
  settings.fullEscapes = request.fullEscapes;
  settings.multiText = request.multiText;
  Searcher searcher;
  if (!PrepareSearcher(searcher, request.text, flags, settings, LeadByteTest())) {
    outcome.badText = true;
    return outcome;
  }
  Run run(fs, request, searcher, sink, outcome);
  if (!IsListMask(request.maskText)) {
    run.MaskText(request.maskText);
    return outcome;
  }
  const SearchFileList* list = FindSearchFileList(lists, ListNameOf(request.maskText));
  if (list == nullptr) return outcome;
  for (const std::string& maskText : list->masks) {
    // A list's masks without a drive are taken in the dialog's folder.
    const std::optional<std::string> joined = JoinMaskText(maskText, request.currentFolder);
    if (!joined || IsListMask(*joined)) continue;
    if (!run.MaskText(*joined)) break;
  }
  return outcome;
}

std::string GlobalSearchReportText(std::uint32_t files, std::uint32_t found) {
  std::string text = FormatMessageText(MessageText(kMsgGlobalSearchReport), std::to_string(files));
  const std::size_t at = text.find("%2");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(found));
  return text;
}

std::string GlobalSearchCaption() { return MessageText(kMsgGlobalSearchTitle); }

}  // namespace quelt
