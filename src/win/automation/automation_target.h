// What the automation object drives: the running editor. The application
// implements this; CAutoInt only converts arguments and results between
// automation types and these calls. Texts are Shift-JIS (code page 932).
#pragma once

#include <string>

namespace quelt::win {

class AutomationTarget {
 public:
  virtual ~AutomationTarget() = default;

  // Caret and queries on the active view (0 / false when there is none).
  virtual void MoveCaret(long code) = 0;
  virtual long GetColumnPos() = 0;
  virtual long GetColumnBasePos() = 0;
  virtual long GetLinePos() = 0;
  virtual long GetChar() = 0;
  virtual long GetCharType() = 0;
  virtual void HideCaret() = 0;
  virtual void ShowCaret() = 0;
  virtual void SetCaretPos(long column, long line) = 0;
  virtual bool SetColumnCount(long columns) = 0;
  virtual void ResetSelection() = 0;

  // Process-wide modes.
  virtual bool IsInsertMode() = 0;
  virtual void SetInsertMode(bool insert) = 0;
  virtual bool IsTabToSpaceMode() = 0;
  virtual void SetTabToSpaceMode(bool on) = 0;
  virtual bool IsThickCaretMode() = 0;
  virtual void SetThickCaretMode(bool on) = 0;
  virtual long GetTabColumnCount() = 0;

  // Editing.
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void InsertString(const std::string& sjisText, long bytes) = 0;
  virtual void DeleteString() = 0;
  virtual void ReplaceTabWithSpace() = 0;

  // Files and the program.
  virtual bool FileNew() = 0;
  virtual bool FileOpen(const std::string& sjisPath) = 0;
  virtual bool FileSave() = 0;
  virtual bool FileSaveAs(const std::string& sjisPath) = 0;
  virtual bool FileClose() = 0;
  virtual void Exit() = 0;

  // Marks and playback: the command of that id is sent to the active view.
  virtual void SendViewCommand(int commandId) = 0;
  virtual void PlayOperation(const std::string& sjisName) = 0;
};

}  // namespace quelt::win
