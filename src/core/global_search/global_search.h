// The search over files: every file matched by the masks (and, when asked,
// by the same file-name part in every subfolder) is searched with the
// editor's matcher, and one result line is handed on per match. One plain
// synchronous call; the window layer shows progress through the sink and
// may stop the search there.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "cipher/cipher.h"
#include "global_search/search_file_lists.h"

namespace quelt {

// What the search dialog and the settings ask for.
struct GlobalSearchRequest {
  std::string text;           // as typed: cut to 80 bytes, decoded when escapes is on
  std::string maskText;       // the mask text, "::name" for a search file list
  std::string currentFolder;  // the dialog's folder, joined to masks without a drive
  // The dialog's options.
  bool matchCase = false;
  bool wholeWord = false;         // "WholeWord"
  bool escapes = false;           // "EnableEscapeSequence"
  bool regex = false;
  bool distinguishWidth = true;
  bool subfolders = true;
  bool nonText = false;           // "FindNoneTextFile"
  int codeDecision = 1;           // "GlobalFindCodeDecision": 0 auto, 1 Shift-JIS, 2-7 a CharCodeId
  // Settings the dialog does not show.
  bool multiText = false;         // "MultiText"
  bool fullEscapes = false;       // "FullEscapeSequence"
  bool pickUpAllFiles = true;     // "PickUpAllFiles"
  bool crlfEqualSjis = false;     // the detection setting that takes CR LF files for Shift-JIS
  int subDirBufKB = 60;           // "SubDirBufSizeKB", 10-500 (held to that range)
  // Files of the cipher folder are deciphered (in memory) and searched as
  // plain text once askPassword agrees; otherwise their bytes are searched.
  CipherConfig cipher;
  std::function<bool()> askPassword;
};

class GlobalSearchSink {
 public:
  virtual ~GlobalSearchSink() = default;
  // Before the first result line (the result document gets ready to append).
  virtual void OnFirstResult() {}
  // One result line with its CR LF.
  virtual void OnResult(std::string_view line) = 0;
  // Asked after each file without matches and after each result line, with
  // the current file's name (no folder) and the matches so far. False stops
  // the search ("中断" pressed, or the application is quitting).
  virtual bool KeepGoing(std::string_view fileName, std::uint32_t found) = 0;
};

struct GlobalSearchOutcome {
  std::uint32_t files = 0;  // files searched
  std::uint32_t found = 0;  // result lines
  bool aborted = false;     // KeepGoing answered false
  bool badText = false;     // nothing to search for (empty text, bad regular expression): no file was searched
};

// Searches with the mask text of the request (already joined to the folder,
// see JoinMaskText) or, for "::name", with each mask of that list in turn.
// A list name that does not exist, or a mask that matches nothing, gives no
// files.
GlobalSearchOutcome RunGlobalSearch(FileSystem& fs, const GlobalSearchRequest& request,
                                    const SearchFileLists& lists, GlobalSearchSink& sink);

// The closing report, "検索したファイルの数： %1\n\n見つかった個数        ： %2"
// with both counts in decimal (UTF-8, in the interface language), and its
// caption ("ｸﾞﾛｰﾊﾞﾙ検索").
std::string GlobalSearchReportText(std::uint32_t files, std::uint32_t found);
std::string GlobalSearchCaption();

}  // namespace quelt
