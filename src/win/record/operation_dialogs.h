// The operation-file dialogs: "操作の保存" (name, comment and a shortcut key)
// and "操作の呼出し" (the operation files of the program's folder with their
// comments and keys).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quelt::win {

struct SaveOperationChoice {
  std::string name;     // Shift-JIS
  std::string comment;  // Shift-JIS
  bool ctrl = false;
  bool shift = false;
  std::string keyText;  // empty: no shortcut key
};

// accept decides an OK: false keeps the dialog open with the name selected.
bool AskSaveOperation(HWND owner, SaveOperationChoice& choice,
                      const std::function<bool(const SaveOperationChoice&)>& accept);

struct OperationListEntry {
  std::string name;     // file name, Shift-JIS
  std::string comment;  // Shift-JIS
  std::string keys;     // the shortcut keys bound to it
};

enum class LoadChoice { kCancel, kLoad, kPlay };

// remove deletes the named file (true when it went); the list then drops it.
LoadChoice AskLoadOperation(HWND owner, std::vector<OperationListEntry> entries, std::string& chosen,
                            const std::function<bool(const std::string&)>& remove);

}  // namespace quelt::win
