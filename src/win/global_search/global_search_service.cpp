#include "global_search/global_search_service.h"

#include <memory>
#include <new>

#include "app/command_ids.h"
#include "app/app_paths.h"
#include "app/settings.h"
#include "base/host.h"
#include "cipher/cipher_service.h"
#include "framework/document.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "framework/owner_window.h"
#include "framework/text_window.h"
#include "base/messages.h"
#include "cabinet/cabinet_recorder.h"
#include "framework/win_text.h"
#include "global_search/global_search_dialog.h"
#include "global_search/global_search_record.h"
#include "global_search/mask_text.h"
#include "global_search/search_list_dialog.h"
#include "global_search/search_progress.h"
#include "state/state_file.h"

namespace quelt::win {
namespace {

// A search starts only when this much memory can be had.
constexpr std::size_t kSearchMemoryProbe = 1u << 20;
// Result lines are gathered and appended to the document at most this often.
constexpr DWORD kAppendIntervalMs = 200;

// Gathers the result lines, hands them to the result document in batches
// and shows the progress.
class ResultSink : public GlobalSearchSink {
 public:
  ResultSink(DocumentList& documents, Document& doc, TextWindow& results, SearchProgress& progress)
      : documents_(documents), doc_(doc), results_(results), progress_(progress) {}
  void OnResult(std::string_view line) override { pending_ += line; }
  bool KeepGoing(std::string_view fileName, std::uint32_t found) override {
    if (!pending_.empty() && GetTickCount() - lastAppend_ >= kAppendIntervalMs) Flush();
    // Messages processed while searching may close the result document
    // (automation, DDE): the search then stops.
    return progress_.Update(fileName, found) && DocumentOpen();
  }
  void Flush() {
    if (!pending_.empty() && DocumentOpen()) results_.AppendText(pending_);
    pending_.clear();
    lastAppend_ = GetTickCount();
  }
  bool DocumentOpen() const { return documents_.IsOpen(&doc_); }

 private:
  DocumentList& documents_;
  Document& doc_;
  TextWindow& results_;
  SearchProgress& progress_;
  std::string pending_;
  DWORD lastAppend_ = 0;
};

}  // namespace

void GlobalSearchService::Load(const StateFileData& state) {
  texts_.Assign(state.searchHistory);
  masks_.Assign(state.maskHistory);
  matchCase_ = (state.searchOptions & kSearchCaseSensitive) != 0;
  distinguishWidth_ = (state.searchOptions & kSearchDistinguishWidth) != 0;
  regex_ = (state.searchOptions & kSearchRegularExpression) != 0;
  subfolders_ = state.searchSubfolders;
}

void GlobalSearchService::Store(StateFileData& state) const {
  state.searchHistory = texts_.Entries();
  state.maskHistory = masks_.Entries();
  state.searchOptions = (matchCase_ ? kSearchCaseSensitive : 0) | (distinguishWidth_ ? kSearchDistinguishWidth : 0) |
                        (regex_ ? kSearchRegularExpression : 0);
  state.searchSubfolders = subfolders_;
}

bool GlobalSearchService::OnCommand(UINT id) {
  if (id == kCmdRegisterSearchList) {
    // "検索ﾌｧｲﾙﾘｽﾄ" of the active document: its file can be added.
    const Document* doc = documents_.ActiveDocument();
    std::string name;
    if (doc && !doc->PathName().empty()) ShowSearchLists(owner_.MainHwnd(), doc->PathName(), name);
    return true;
  }
  if (id != kCmdGlobalSearch) return false;
  if (running_) {
    host_.Beep();
    return true;
  }
  running_ = true;
  Search();
  running_ = false;
  return true;
}

bool GlobalSearchService::OnUpdateCommand(UINT id, CommandState& state) {
  if (id == kCmdRegisterSearchList) {
    const Document* doc = documents_.ActiveDocument();
    state.enabled = doc && !doc->PathName().empty();
    return true;
  }
  if (id != kCmdGlobalSearch) return false;
  state.enabled = !running_;
  return true;
}

GlobalSearchRequest GlobalSearchService::RequestFromSettings() const {
  const AppSettings& s = settings_;
  GlobalSearchRequest r;
  r.matchCase = matchCase_;
  r.regex = regex_;
  r.distinguishWidth = distinguishWidth_;
  r.subfolders = subfolders_;
  r.wholeWord = s.wholeWord != 0;
  r.escapes = s.enableEscapeSequence != 0;
  r.nonText = s.findNoneTextFile != 0;
  r.codeDecision = IsEnglishInterface() ? 1 : s.globalFindCodeDecision;
  r.multiText = s.multiText != 0;
  r.fullEscapes = s.fullEscapeSequence != 0;
  r.pickUpAllFiles = s.pickUpAllFiles != 0;
  r.crlfEqualSjis = s.crlfEqualSjis != 0;
  r.subDirBufKB = s.subDirBufSize / 1024;
  r.currentFolder = folder_;
  return r;
}

void GlobalSearchService::StoreOptions(const GlobalSearchRequest& r) {
  AppSettings& s = settings_;
  matchCase_ = r.matchCase;
  regex_ = r.regex;
  distinguishWidth_ = r.distinguishWidth;
  subfolders_ = r.subfolders;
  s.wholeWord = r.wholeWord ? 1 : 0;
  s.enableEscapeSequence = r.escapes ? 1 : 0;
  s.findNoneTextFile = r.nonText ? 1 : 0;
  if (!IsEnglishInterface()) s.globalFindCodeDecision = r.codeDecision;
  folder_ = r.currentFolder;
}

bool GlobalSearchService::ShowSearchLists(HWND owner, const std::string& documentPath, std::string& listName) {
  SearchListDialogContext context{&files_, &host_, SearchFileListsPath(paths_.exePath),
                                  documentPath};
  return RunSearchListDialog(owner, context, listName);
}

void GlobalSearchService::Search() {
  Host& host = host_;
  {
    std::unique_ptr<char[]> probe(new (std::nothrow) char[kSearchMemoryProbe]);
    if (!probe) {
      host.ShowMessage(kMsgOutOfMemory);
      return;
    }
  }
  GlobalSearchRequest request = RequestFromSettings();
  std::string played;
  if (CabinetRecorder().TakePlaybackData(kCmdGlobalSearch, played)) {
    const auto r = DecodeGlobalSearchRecord(played, request);
    if (!r) {
      host.Beep();
      return;
    }
    request = *r;
  } else {
    GlobalSearchDialogContext shown{&texts_.Entries(), &masks_.Entries(),
                                [this](HWND owner, std::string& name) { return ShowSearchLists(owner, {}, name); }};
    if (!RunGlobalSearchDialog(owner_.MainHwnd(), request, shown)) return;
  }
  const std::optional<std::string> joined = JoinMaskText(request.maskText, request.currentFolder);
  if (!joined) {
    host.Beep();
    return;
  }
  CabinetRecorder().RecordOperation(kCmdGlobalSearch, EncodeGlobalSearchRecord(request));
  masks_.Add(*joined);
  StoreOptions(request);
  texts_.Add(request.text);

  SearchFileLists lists;
  if (IsListMask(*joined)) {
    LoadSearchFileLists(files_, SearchFileListsPath(paths_.exePath), host, lists);
  }
  Document* doc = opener_.NewTextDocument();
  TextWindow* results = windows_.FirstTextWindow(doc);
  if (!results) return;
  GlobalSearchRequest run = request;
  run.maskText = *joined;
  run.cipher = cipher_.Config();
  run.askPassword = [this] { return cipher_.AskPassword(owner_.MainHwnd(), false); };
  GlobalSearchOutcome outcome;
  {
    SearchProgress progress(owner_.MainHwnd());
    ResultSink sink(documents_, *doc, *results, progress);
    outcome = RunGlobalSearch(files_, run, lists, sink);
    sink.Flush();
    if (!sink.DocumentOpen()) return;
  }
  if (outcome.badText) host.Beep();
  // The result document is an ordinary untitled document, not yet changed.
  results->OwnerDocument().SetModified(false);
  if (outcome.found == 0) {
    doc->OnCloseDocument();
  } else {
    results->JumpTo(0, 0);
  }
  if (outcome.badText) return;
  MessageBoxW(owner_.MainHwnd(), Utf8ToWide(GlobalSearchReportText(outcome.files, outcome.found)).c_str(),
              Utf8ToWide(GlobalSearchCaption()).c_str(), MB_OK);
}

}  // namespace quelt::win
