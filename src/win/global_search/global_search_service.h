// `GlobalSearchService`: the global search command (32784) and the search
// file lists of the active document (33034) in the program.
// It keeps the two histories and the dialog's options for the run (the
// state file carries them between runs), shows the dialog or takes the
// played-back record, runs the engine's search with the progress window
// and writes the result lines into a new untitled document.
#pragma once

#include <windows.h>

#include "framework/command.h"
#include "global_search/global_search.h"
#include "global_search/search_history.h"

namespace quelt {
struct AppPaths;
struct AppSettings;
class FileSystem;
class Host;
struct StateFileData;
}  // namespace quelt

namespace quelt::win {

class CipherService;
class DocumentList;
class DocumentOpener;
class OwnerWindow;
class TextWindows;

class GlobalSearchService {
 public:
  GlobalSearchService(AppSettings& settings, Host& host, FileSystem& files, const AppPaths& paths,
                      CipherService& cipher, OwnerWindow& owner, DocumentList& documents, DocumentOpener& opener,
                      TextWindows& windows)
      : settings_(settings),
        host_(host),
        files_(files),
        paths_(paths),
        cipher_(cipher),
        owner_(owner),
        documents_(documents),
        opener_(opener),
        windows_(windows) {}
  GlobalSearchService(const GlobalSearchService&) = delete;
  GlobalSearchService& operator=(const GlobalSearchService&) = delete;

  // The histories and options as the state file read them, and back.
  void Load(const StateFileData& state);
  void Store(StateFileData& state) const;

  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);
  // "検索ﾌｧｲﾙﾘｽﾄ" over owner; documentPath is what "ﾌｧｲﾙ追加" adds (empty:
  // hidden). True after OK, with listName the selected list's name.
  bool ShowSearchLists(HWND owner, const std::string& documentPath, std::string& listName);

 private:
  void Search();
  // The request with the settings the dialog does not show.
  GlobalSearchRequest RequestFromSettings() const;
  void StoreOptions(const GlobalSearchRequest& request);

  AppSettings& settings_;
  Host& host_;
  FileSystem& files_;
  const AppPaths& paths_;
  CipherService& cipher_;
  OwnerWindow& owner_;
  DocumentList& documents_;
  DocumentOpener& opener_;
  TextWindows& windows_;
  GlobalSearchHistory texts_{kSearchHistoryLength};
  GlobalSearchHistory masks_{kMaskHistoryLength};
  // The dialog's check boxes as the last search left them.
  bool matchCase_ = false, regex_ = false, distinguishWidth_ = true, subfolders_ = true;
  std::string folder_;  // the dialog's folder of the last search
  bool running_ = false;
};

}  // namespace quelt::win
