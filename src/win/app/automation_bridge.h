// The editor as the automation object sees it: each call acts on the active
// view of the active window, or on the process-wide modes.
#pragma once

#include "automation/automation_target.h"

namespace quelt::win {

class CQueltApp;
class CNorbView;
class CNorbEV;

class AutomationBridge : public AutomationTarget {
 public:
  explicit AutomationBridge(CQueltApp& app) : app_(app) {}

  void MoveCaret(long code) override;
  long GetColumnPos() override;
  long GetColumnBasePos() override;
  long GetLinePos() override;
  long GetChar() override;
  long GetCharType() override;
  void HideCaret() override;
  void ShowCaret() override;
  void SetCaretPos(long column, long line) override;
  bool SetColumnCount(long columns) override;
  void ResetSelection() override;

  bool IsInsertMode() override;
  void SetInsertMode(bool insert) override;
  bool IsTabToSpaceMode() override;
  void SetTabToSpaceMode(bool on) override;
  bool IsThickCaretMode() override;
  void SetThickCaretMode(bool on) override;
  long GetTabColumnCount() override;

  void Undo() override;
  void Redo() override;
  void InsertString(const std::string& sjisText, long bytes) override;
  void DeleteString() override;
  void ReplaceTabWithSpace() override;

  bool FileNew() override;
  bool FileOpen(const std::string& sjisPath) override;
  bool FileSave() override;
  bool FileSaveAs(const std::string& sjisPath) override;
  bool FileClose() override;
  void Exit() override;

  void SendViewCommand(int commandId) override;
  void PlayOperation(const std::string& sjisName) override;

 private:
  // The text view of the active MDI child, or null.
  CNorbView* ActiveTextView();
  // Its edit window, or null.
  CNorbEV* ActiveEdit();
  CQueltApp& app_;
};

}  // namespace quelt::win
