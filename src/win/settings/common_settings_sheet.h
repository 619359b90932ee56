// The common-settings sheet ("共通設定"): the pages that edit the program's
// own settings record. Commands 32881 (menu) and 32813 (tool bar) open it.
#pragma once

#include <windows.h>

#include <functional>

namespace quelt {
struct AppSettings;
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

class AppState;
class CipherService;
class OwnerWindow;

// What the sheet is handed: the record it edits, the state file (popup
// menu, key and password), the cipher, the files and the user for the
// pages' checks, and what follows a confirmed change.
struct CommonSettingsContext {
  AppSettings& settings;
  AppState& state;
  CipherService& cipher;
  FileSystem& files;
  Host& host;
  OwnerWindow& owner;
  // "MultiInstance" changed: a second start must read it before this one ends.
  std::function<void()> multiInstanceChanged;
  // The record changed (before: as it was): the open windows follow.
  std::function<void(const AppSettings& before)> settingsChanged;
};

// Shows the sheet over owner (the main window when null); true when the
// user confirmed and the record took the pages' values.
bool ShowCommonSettings(HWND owner, const CommonSettingsContext& context);

}  // namespace quelt::win
