#include "app/automation_bridge.h"

#include <algorithm>

#include "app/command_ids.h"
#include "app/quelt_app.h"
#include "cabinet/cabinet_settings.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "res/resource.h"
#include "view/clipboard_text.h"
#include "view/edit_modes.h"
#include "text/file_commands.h"
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

CNorbEV* AutomationBridge::ActiveEdit() {
  CNorbView* view = ActiveTextView();
  return view ? view->EditWindow() : nullptr;
}

void AutomationBridge::MoveCaret(long code) {
  CNorbEV* edit = ActiveEdit();
  if (!edit) return;
  CaretKey key = CaretKey::kHome;
  switch (code) {
    case 1: key = CaretKey::kEnd; break;
    case 2: key = CaretKey::kPageUp; break;
    case 3: key = CaretKey::kPageDown; break;
    case 4: key = CaretKey::kRight; break;
    case 5: key = CaretKey::kLeft; break;
    case 6: key = CaretKey::kDown; break;
    case 7: key = CaretKey::kUp; break;
    case 16: key = CaretKey::kTextTop; break;
    case 17: key = CaretKey::kTextEnd; break;
    default: break;
  }
  edit->CaretKeyPress(key, false);
}

long AutomationBridge::GetColumnPos() {
  CNorbEV* edit = ActiveEdit();
  return edit ? edit->CaretColumn() : 0;
}

long AutomationBridge::GetColumnBasePos() {
  CNorbEV* edit = ActiveEdit();
  return edit ? edit->DesiredColumn() : 0;
}

long AutomationBridge::GetLinePos() {
  CNorbEV* edit = ActiveEdit();
  return edit ? static_cast<long>(edit->CaretLine()) : 0;
}

// The character at the caret as (size, lead, trail); size 0 when the caret
// stands beyond the end of its line or of the text.
namespace {
int CharAtCaret(CNorbEV& edit, std::uint8_t& lead, std::uint8_t& trail) {
  Layout& layout = edit.TextLayout();
  const int size = CharSizeAtCaret(layout, edit.CaretState().pos);
  if (size == 0) return 0;
  const TextOffset p = edit.CaretOffset();
  lead = layout.ByteAt(p);
  trail = size == 2 ? layout.ByteAt(p + 1) : 0;
  return size;
}
}  // namespace

long AutomationBridge::GetChar() {
  CNorbEV* edit = ActiveEdit();
  std::uint8_t lead = 0, trail = 0;
  const int size = edit ? CharAtCaret(*edit, lead, trail) : 0;
  if (size == 0) return 0;
  return static_cast<long>(lead) * 65536 + (size == 2 ? trail : 0);
}

long AutomationBridge::GetCharType() {
  CNorbEV* edit = ActiveEdit();
  std::uint8_t lead = 0, trail = 0;
  return edit ? CharAtCaret(*edit, lead, trail) : 0;
}

void AutomationBridge::HideCaret() {
  if (CNorbEV* edit = ActiveEdit()) edit->HideSystemCaret();
}

void AutomationBridge::ShowCaret() {
  if (CNorbEV* edit = ActiveEdit()) edit->ShowSystemCaret();
}

void AutomationBridge::SetCaretPos(long column, long line) {
  CNorbEV* edit = ActiveEdit();
  if (!edit) return;
  const CaretPos pos = CaretAtCell(edit->TextLayout(), static_cast<int>(std::max(0L, column)),
                                   static_cast<std::uint32_t>(std::max(0L, line)), edit->FreeCursor());
  edit->CancelSelection();
  edit->SetCaret(pos);
}

void AutomationBridge::ResetSelection() {
  if (CNorbEV* edit = ActiveEdit()) edit->CancelSelection();
}

void AutomationBridge::InsertString(const std::string& sjis, long bytes) {
  CNorbEV* edit = ActiveEdit();
  if (!edit || bytes <= 0) return;
  const std::size_t n = std::min<std::size_t>(sjis.size(), static_cast<std::size_t>(bytes));
  edit->TypeBytes(CleanIncomingText(std::string_view(sjis).substr(0, n)));
}

void AutomationBridge::DeleteString() {
  if (CNorbEV* edit = ActiveEdit()) edit->DeleteSelectedText();
}

void AutomationBridge::ReplaceTabWithSpace() {
  CNorbEV* edit = ActiveEdit();
  std::uint8_t lead = 0, trail = 0;
  if (!edit || CharAtCaret(*edit, lead, trail) != 1 || lead != '\t') return;
  // The tab-to-space conversion of a selection holding just that tab.
  const TextOffset p = edit->CaretOffset();
  edit->SetSelection(p, p + 1);
  edit->OnEditCommand(kCmdTabToSpace);
  edit->CancelSelection();
  edit->SetCaretOffset(p);
}

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
  auto* doc = dynamic_cast<CNorbDoc*>(app_.ActiveDocument());
  if (!doc || sjisPath.empty()) return false;
  return DoSaveTextDocument(*doc, &sjisPath, true);
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
void AutomationBridge::PlayOperation(const std::string& sjisName) {
  app_.GetRecording().PlayOperationFile(sjisName, app_.MainHwnd());
}

}  // namespace quelt::win
