// The cabinet file-list window: `CCabinetFileDoc` (holds nothing, is never
// saved), `CCabinetFileView` (a report-style list view of the current
// cabinet's registered files) and the command that shows the one window
// (32963 "ﾌｧｲﾙﾘｽﾄ"). A double click opens the first selected file; Enter
// opens every selected one in window order.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "framework/command.h"
#include "framework/document.h"
#include "framework/view.h"

namespace quelt {
struct AppSettings;
}

namespace quelt::win {

class CabinetService;
class DocumentList;
class DocumentOpener;

// What the file-list window is handed: the cabinet whose list it shows,
// "PathItemLength" and "FullPathFileList", and the opening of a file.
struct CabinetFileContext {
  CabinetService& cabinet;
  const AppSettings& settings;
  DocumentOpener& opener;
};

class CCabinetFileDoc : public Document {
 public:
  bool OnOpenDocument(const std::string&) override { return false; }
  bool OnSaveDocument(const std::string&) override { return false; }
  bool SaveModified() override { return true; }
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;
};

class CCabinetFileView : public View {
 public:
  static constexpr wchar_t kWindowClass[] = L"QueltCabinetFileView";
  explicit CCabinetFileView(const CabinetFileContext& context) : context_(context) {}
  ~CCabinetFileView() override;
  bool Create(HWND parent) override;
  void OnInitialUpdate() override { Refresh(); }
  void OnActivate(bool active) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;
  // Builds the items again from the current cabinet's list.
  void Refresh();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  // The cabinet paths of the selected items in window order (only the
  // first with firstOnly).
  std::vector<std::string> SelectedPaths(bool firstOnly) const;
  void Open(bool firstOnly);

  const CabinetFileContext& context_;
  HWND list_ = nullptr;
  HIMAGELIST images_ = nullptr;
};

// The one file-list window: shown by 32963, refreshed when the cabinet or
// "FullPathFileList" changes.
class CabinetFileList {
 public:
  CabinetFileList(CabinetService& cabinet, DocumentList& documents) : cabinet_(cabinet), documents_(documents) {}
  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);
  void Refresh();

 private:
  void Show();
  CCabinetFileView* ShownView() const;

  CabinetService& cabinet_;
  DocumentList& documents_;
  Document* doc_ = nullptr;  // while the window exists
};

}  // namespace quelt::win
