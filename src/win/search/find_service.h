// `FindService`: the application's searching. It keeps the search state
// (last strings, direction, case, options, histories), runs the modeless
// find and replace dialogs ("文字列の検索", "文字列の置換"; one at a time) and
// fills the tool bar's find box with the search history. A dialog reports
// each button as a FindRequest in the registered "commdlg_FindReplace"
// message to the frame, which hands it to the active edit window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "find/find_record.h"
#include "find/find_run.h"
#include "find/find_state.h"

namespace quelt {
struct AppSettings;
class Host;
}  // namespace quelt

namespace quelt::win {

class CommandRoute;

class FindService {
 public:
  // route: the dialog takes its keys before the frame's accelerators.
  FindService(AppSettings& settings, CommandRoute& route) : settings_(settings), route_(route) {}
  ~FindService();
  FindService(const FindService&) = delete;
  FindService& operator=(const FindService&) = delete;

  SearchState& State() { return state_; }
  AppSettings& Settings() { return settings_; }
  // The settings a search reads, as they stand.
  FindSettings CurrentSettings() const;
  // The registered message the dialogs send; lParam points to a FindRequest.
  static UINT Message();

  // Opens the find (replace false) or replace dialog owned by the frame; a
  // dialog of the same kind is activated, one of the other kind closed
  // first. False when the dialog cannot be made ("メモリ不足です。" shown).
  bool Open(HWND frame, bool replace, Host& host);
  // Closes the open dialog without a notification.
  void Close();
  HWND Dialog() const { return dialog_; }
  bool IsOpen() const { return dialog_ != nullptr; }
  bool IsReplaceOpen() const { return dialog_ != nullptr && replace_; }
  // A left-button press waits in the replace dialog's queue (replace all
  // asks whether to stop); the press is taken out of the queue.
  bool TakePendingClickInDialog();
  // An Escape press waits in the queue (a long find next asks whether to
  // stop); the press is taken out of the queue.
  bool TakePendingEscape();

  // The scope of the open dialog's searches: a range of the window that
  // opened it (owner), forgotten when the dialog closes.
  void SetScope(const void* owner, std::optional<TextRange> scope);
  std::optional<TextRange>* ScopeOf(const void* owner);
  // While a replace all runs, the dialogs' buttons do nothing.
  void SetBusy(bool busy) { busy_ = busy; }
  bool Busy() const { return busy_; }

  // The tool bar's find box (a combo box); its text in Shift-JIS.
  void SetFindBox(HWND combo) { findBox_ = combo; }
  std::string FindBoxText() const;
  // Shows the histories in the find box and an open dialog's combo boxes.
  void RefreshHistories();

  // The text the jump dialog showed last.
  std::string& JumpText() { return jumpText_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
  void InitDialog(HWND dlg);
  // Reads the dialog and sends the request for a button.
  void Notify(UINT button);
  void FillCombo(HWND combo, const SearchHistory& history, const std::string& text) const;
  void Destroyed();

  AppSettings& settings_;
  CommandRoute& route_;
  SearchState state_;
  HWND dialog_ = nullptr;
  HWND owner_ = nullptr;
  bool replace_ = false;
  HWND findBox_ = nullptr;
  std::string jumpText_;
  const void* scopeOwner_ = nullptr;
  std::optional<TextRange> scope_;
  bool busy_ = false;
};

}  // namespace quelt::win
