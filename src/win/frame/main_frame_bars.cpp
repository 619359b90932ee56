// The bars of the main frame: creation in the frame's order, the
// tooltips and fly-by prompts of the buttons, the indicator panes and the
// window-bar menu.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/command_line.h"
#include "record/recorder_texts.h"
#include "app/toolbar_data.h"
#include "app/toolbar_layout.h"
#include "base/messages.h"
#include "frame/main_frame.h"
#include "framework/menu_builder.h"
#include "framework/win_text.h"
#include "framework/mdi_child.h"
#include "view/edit_modes.h"
#include "view/norb_doc.h"
#include "view/norb_view.h"

namespace quelt::win {
void CMainFrame::CreateBars() {
  barsCreated_ = true;
  const AppSettings& s = context_.settings;
  const bool english = IsEnglishInterface();
  // The tool bar with its search-text box, as the user arranged it last.
  const auto defaults = DefaultToolBarLayout();
  toolBarLayout_ = DecodeToolBarLayout(context_.settingsIni.GetString(kToolBarSection, kToolBarButtonsKey, ""))
                       .value_or(std::vector<CommandId>(defaults.begin(), defaults.end()));
  toolBar_.Create(hwnd_, kToolBarId, kToolBarBitmap, ToolBarButtonCommands(), toolBarLayout_);
  toolBar_.SetFindBoxFont(s.findBoxFontNo, english);
  context_.find.SetFindBox(toolBar_.FindBox());
  // The tag tool bars, hidden until an HTML document is active.
  tagBar1_.Create(hwnd_, kTagToolBar1Id, kTagToolBar1Bitmap, TagToolBar1Commands(), TagToolBar1Commands());
  tagBar2_.Create(hwnd_, kTagToolBar2Id, kTagToolBar2Bitmap, TagToolBar2Commands(), TagToolBar2Commands());
  // Every bar can be dragged to any edge; they start where the settings say.
  CreateDock();
  statusBar_.Create(hwnd_, english);
  ApplyBrowseMode();
  toolBar_.Show(s.displayToolBar != 0);
  statusBar_.Show(s.displayStatusBar != 0);
  // The tag menu of the text view.
  tagMenu_ = BuildMenu(kMenuTextTag);
  if (!tagMenu_) context_.host.Beep();
  CreateStripBars();
  RunAutoSaveActions(autoSave_.Start(AutoSaveConfigOf(s)));
}

void CMainFrame::CreateStripBars() {
  const AppSettings& s = context_.settings;
  const auto createWindowBar = [&] {
    windowBar_.Create(hwnd_, s.buttonStyleTabBar != 0, s.tabBarHeightAdjust);
    if (!s.displayTabBar && windowBar_.Hwnd()) ShowWindow(windowBar_.Hwnd(), SW_HIDE);
  };
  const auto createExtBar = [&] {
    extMenuBar_.Create(hwnd_, s.buttonStyleExtBar != 0);
    extMenuBar_.Refresh(context_.state.Data().extendedMenus, s.extMenuCount);
    extMenuBar_.Show(s.displayExtBar != 0);
  };
  // The bar made first lies nearer the frame's edge.
  extBarAtTop_ = s.extBarPosition != 0;
  extBarFirst_ = ExtBarCreatedFirst(s.tabBarPosition != 0, extBarAtTop_, s.extBarFixedFirst != 0);
  if (extBarFirst_) {
    createExtBar();
    createWindowBar();
  } else {
    createWindowBar();
    createExtBar();
  }
}

void CMainFrame::SetToolBarLayout(const std::vector<CommandId>& layout) {
  toolBarLayout_ = layout;
  context_.settingsIni.SetString(kToolBarSection, kToolBarButtonsKey, EncodeToolBarLayout(layout));
  toolBar_.SetLayout(layout);
  ApplyBrowseMode();
  MeasureBarShapes();
}

void CMainFrame::ApplyBrowseMode() {
  // The overwrite-permission button is there only in browse mode.
  const bool viewMode = context_.settings.viewMode != 0;
  if (toolBar_.Hwnd()) SendMessageW(toolBar_.Hwnd(), TB_HIDEBUTTON, kCmdAllowOverwrite, MAKELPARAM(!viewMode, 0));
}

bool CMainFrame::OnBarNotify(const NMHDR& header, LRESULT& result) {
  if (header.code == TTN_GETDISPINFOW) {
    // A command without a tip has no tooltip.
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(&header));
    tipText_ = CommandTip(static_cast<UINT>(header.idFrom));
    info.lpszText = tipText_.data();
    info.hinst = nullptr;
    result = 0;
    return true;
  }
  if (header.code == TBN_HOTITEMCHANGE) {
    // The prompt of the button under the pointer.
    const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
    statusBar_.SetText(StatusPane::kPrompt, (hot.dwFlags & HICF_LEAVING) ? std::wstring() : CommandPrompt(hot.idNew));
    result = 0;
    return true;
  }
  if (header.hwndFrom == windowBar_.Hwnd()) windowBar_.OnNotify(header);
  if (header.hwndFrom == extMenuBar_.Hwnd()) extMenuBar_.OnNotify(header);
  return false;
}

void CMainFrame::ShowWindowBarMenu(POINT screen) {
  MenuHandle menu = BuildMenu(kMenuWindowBar);
  HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
  if (!popup) {
    context_.host.Beep();
    return;
  }
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
}

void CMainFrame::OnIdleUpdate() {
  toolBar_.UpdateButtons();
  tagBar1_.UpdateButtons();
  tagBar2_.UpdateButtons();
  UpdateIndicators();
  UpdateTagBars();
  const int extHeight = extMenuBar_.Height();
  extMenuBar_.Refresh(context_.state.Data().extendedMenus, context_.settings.extMenuCount);
  if (extMenuBar_.Height() != extHeight) LayoutBars();
}

void CMainFrame::UpdateIndicators() {
  const RecordingPane record = RecordingPaneText(context_.recording.Recorder());
  statusBar_.SetText(StatusPane::kRecord, Utf8ToWide(record.text));
  MdiChild* child = context_.documents.ActiveChild();
  auto* view = child ? dynamic_cast<CNorbView*>(child->GetView()) : nullptr;
  // The line and column panes belong to the caret of the active text or
  // visual view; with none of them active (no window, or the cabinet's file
  // list) they are empty.
  const bool caretShown = child && child->GetView() && child->GetView()->ShowsCaretPosition();
  if (!caretShown && caretPanesShown_) {
    for (StatusPane pane : {StatusPane::kLine, StatusPane::kColumnHigh, StatusPane::kColumnLow})
      statusBar_.Clear(pane);
  }
  caretPanesShown_ = caretShown;
  if (!view) {
    for (StatusPane pane : {StatusPane::kCharCode, StatusPane::kCodeName, StatusPane::kLineEndName,
                            StatusPane::kOverwrite, StatusPane::kProtect})
      statusBar_.SetText(pane, L"");
    return;
  }
  auto* doc = static_cast<CNorbDoc*>(view->GetDocument());
  statusBar_.SetText(StatusPane::kOverwrite, GlobalEditModes().insert ? L"" : kOverwriteIndicator);
  statusBar_.SetText(StatusPane::kProtect, doc && doc->Store().WriteProtect() ? kProtectIndicator : L"");
}

void CMainFrame::UpdateTagBars() {
  MdiChild* child = context_.documents.ActiveChild();
  auto* doc = child && child->GetView() ? dynamic_cast<CNorbDoc*>(child->GetView()->GetDocument()) : nullptr;
  // The tag tool bars serve HTML: they show while an HTML document is
  // active, in the visual mode or as text.
  const bool show = doc && (doc->IsHtml() || IsHtmlName(doc->PathName()));
  if (show == tagBarsShown_ || !tagBar1_.Hwnd() || !tagBar2_.Hwnd()) return;
  tagBarsShown_ = show;
  if (show) tagBarsPlaced_ = true;
  tagBar1_.Show(show);
  tagBar2_.Show(show);
  LayoutBars();
  // The windows moved sideways: paint them whole, not from moved bits.
  RedrawWindow(client_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CMainFrame::ApplySettings(const AppSettings& before) {
  const AppSettings& s = context_.settings;
  toolBar_.Show(s.displayToolBar != 0);
  statusBar_.Show(s.displayStatusBar != 0);
  if (windowBar_.Hwnd()) ShowWindow(windowBar_.Hwnd(), s.displayTabBar ? SW_SHOWNA : SW_HIDE);
  extMenuBar_.Show(s.displayExtBar != 0);
  if (s.findBoxFontNo != before.findBoxFontNo) toolBar_.SetFindBoxFont(s.findBoxFontNo, IsEnglishInterface());
  ApplyBrowseMode();
  RunAutoSaveActions(autoSave_.Apply(AutoSaveConfigOf(before), AutoSaveConfigOf(s)));
  LayoutBars();
}

}  // namespace quelt::win
