#include "app/automation_bridge.h"

#include "app/quelt_app.h"
#include "cabinet/cabinet_settings.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "res/resource.h"
#include "view/edit_modes.h"
#include "view/norb_doc.h"
#include "view/norb_view.h"

namespace quelt::win {
namespace {

// The lowest and highest wrap column a document accepts.
constexpr long kMinColumns = 10;
constexpr long kMaxColumns = 250;

}  // namespace

CNorbView* AutomationBridge::ActiveTextView() {
  MdiChild* child = app_.ActiveChild();
  return child ? dynamic_cast<CNorbView*>(child->GetView()) : nullptr;
}

// The caret, the selection and editing belong to the edit window; until the
// active view has one these calls find no caret and do nothing.
void AutomationBridge::MoveCaret(long) {}
long AutomationBridge::GetColumnPos() {
  CNorbView* view = ActiveTextView();
  return view ? view->CaretColumn() : 0;
}
long AutomationBridge::GetColumnBasePos() { return GetColumnPos(); }
long AutomationBridge::GetLinePos() {
  CNorbView* view = ActiveTextView();
  return view ? view->CaretLine() : 0;
}
long AutomationBridge::GetChar() { return 0; }
long AutomationBridge::GetCharType() { return 0; }
void AutomationBridge::HideCaret() {}
void AutomationBridge::ShowCaret() {}
void AutomationBridge::SetCaretPos(long, long) {}
void AutomationBridge::ResetSelection() {}
void AutomationBridge::InsertString(const std::string&, long) {}
void AutomationBridge::DeleteString() {}
void AutomationBridge::ReplaceTabWithSpace() {}

bool AutomationBridge::SetColumnCount(long columns) {
  if (columns < kMinColumns || columns > kMaxColumns) return false;
  if (auto* doc = dynamic_cast<CNorbDoc*>(app_.ActiveDocument())) {
    DocLayoutSettings layout = doc->Store().Layout();
    layout.lineWidth = static_cast<int>(columns);
    doc->Store().ReplaceLayout(layout);
    doc->UpdateAllViews(nullptr, kHintLayoutReplaced);
  }
  return true;
}

bool AutomationBridge::IsInsertMode() { return GlobalEditModes().insert; }
void AutomationBridge::SetInsertMode(bool insert) { GlobalEditModes().insert = insert; }
bool AutomationBridge::IsTabToSpaceMode() { return GlobalEditModes().tabToSpace; }
void AutomationBridge::SetTabToSpaceMode(bool on) { GlobalEditModes().tabToSpace = on; }
bool AutomationBridge::IsThickCaretMode() { return GlobalEditModes().thickCaret; }
void AutomationBridge::SetThickCaretMode(bool on) { GlobalEditModes().thickCaret = on; }

long AutomationBridge::GetTabColumnCount() {
  return static_cast<long>(app_.CurrentCabinet().block[kWordTabWidth]);
}

void AutomationBridge::Undo() { SendViewCommand(ID_EDIT_UNDO); }
void AutomationBridge::Redo() { SendViewCommand(ID_EDIT_REDO); }

bool AutomationBridge::FileNew() {
  app_.NewTextDocument();
  return true;
}

bool AutomationBridge::FileOpen(const std::string& sjisPath) {
  std::string probe;
  if (!app_.Files().ReadFile(sjisPath, probe, 0)) return false;
  app_.OpenFileByName(sjisPath, false);
  return true;
}

bool AutomationBridge::FileSave() {
  if (!app_.ActiveChild()) return false;
  SendMessageW(app_.MainHwnd(), WM_COMMAND, ID_FILE_SAVE, 0);
  return true;
}

bool AutomationBridge::FileSaveAs(const std::string& sjisPath) {
  Document* doc = app_.ActiveDocument();
  if (!doc || sjisPath.empty()) return false;
  if (!doc->OnSaveDocument(sjisPath)) return false;
  doc->SetPathName(sjisPath);
  return true;
}

bool AutomationBridge::FileClose() {
  if (!app_.ActiveChild()) return false;
  SendMessageW(app_.MainHwnd(), WM_COMMAND, ID_FILE_CLOSE, 0);
  return true;
}

void AutomationBridge::Exit() { PostMessageW(app_.MainHwnd(), WM_CLOSE, 0, 0); }

void AutomationBridge::SendViewCommand(int commandId) {
  if (MdiChild* child = app_.ActiveChild()) child->RouteCommand(static_cast<UINT>(commandId));
}

// Operation files are played by the operation player once it exists.
void AutomationBridge::PlayOperation(const std::string&) {}

}  // namespace quelt::win
