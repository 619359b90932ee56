#include "cabinet/cabinet_service.h"

#include "app/command_line.h"
#include "app/settings.h"
#include "framework/document.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "framework/owner_window.h"
#include "cabinet/cabinet_font.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/handles.h"
#include "framework/mdi_frame.h"
#include "framework/view.h"
#include "framework/win_text.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
namespace {

// Update hint to the views of a text document: the layout settings changed.
constexpr int kHintLayoutReplaced = 32;

// The brush the edit windows paint their background with; replaced when the
// cabinet's text background colour changes.
HBRUSH g_backgroundBrush = nullptr;

CabinetService* g_service = nullptr;

}  // namespace

HBRUSH CabinetBackgroundBrush() {
  if (!g_backgroundBrush) {
    g_backgroundBrush = CreateSolidBrush(CabinetService::Get().Working().block[kWordTextBack] & 0xFFFFFF);
  }
  return g_backgroundBrush;
}

CabinetService& CabinetService::Get() { return *g_service; }

CabinetService::CabinetService(CabinetServiceContext context) : context_(std::move(context)) { g_service = this; }

void CabinetService::Start() {
  cabinet_ = std::make_unique<CCabinet>(context_.files, context_.host);
  cabinet_->SetDocuments(this);
}

CabinetService::~CabinetService() {
  if (g_service == this) g_service = nullptr;
}

HWND CabinetService::MainHwnd() const { return context_.owner.MainHwnd(); }

bool CabinetService::ReadAtStartup(const std::string& path) {
  cabinet_->SetCabinetSave(context_.settings.cabinetSave != 0);
  cabinet_->SetPath(path);
  const bool read = cabinet_->ReadCabinet(context_.settings.initialCabinetMode == 0);
  if (read && g_backgroundBrush) RefreshBackgroundBrush();
  return read;
}

void CabinetService::SaveAtFrameClose() {
  SyncCabinetSave();
  cabinet_->SaveCabinet(false);
}

bool CabinetService::TakePendingPositions(const Document* document, CabinetPositions& positions) {
  auto it = positions_.find(document);
  if (it == positions_.end()) return false;
  positions = it->second;
  positions_.erase(it);
  return true;
}

bool CabinetService::OnCommand(UINT id) {
  switch (id) {
    case ID_CABINET_CHANGE:
      OnChangeCabinet();
      return true;
    case ID_CABINET_NEW:
      OnNewCabinet();
      return true;
    case ID_CABINET_FORMAT:
      ShowCabinetPages(kCabinetPageFormat);
      return true;
    case ID_CABINET_COLOR:
      ShowCabinetPages(kCabinetPageColour);
      return true;
    case ID_CABINET_KEYWORD:
      ShowCabinetPages(kCabinetPageKeyword);
      return true;
    case ID_CABINET_SHEET:
      if (ShowCabinetPages(kCabinetPagesAll)) context_.refreshFileList();
      return true;
    case ID_CABINET_FONT:
      RunCabinetFontCommand();
      return true;
    default:
      return false;
  }
}

bool CabinetService::OnUpdateCommand(UINT id, CommandState& state) {
  switch (id) {
    case ID_CABINET_CHANGE:
    case ID_CABINET_NEW:
    case ID_CABINET_FORMAT:
    case ID_CABINET_COLOR:
    case ID_CABINET_KEYWORD:
    case ID_CABINET_SHEET:
    case ID_CABINET_FONT:
      state.enabled = true;
      return true;
    default:
      return false;
  }
}

void CabinetService::SyncCabinetSave() {
  cabinet_->SetCabinetSave(context_.settings.cabinetSave != 0);
}

void CabinetService::NoteChange() {
  SyncCabinetSave();
  cabinet_->NoteChange();
}

void CabinetService::RelayoutTextDocuments() {
  for (Document* doc : context_.documents.AllDocuments()) {
    if (auto* text = dynamic_cast<CabinetTextDocument*>(doc)) {
      text->TakeCabinetLineWidth();
      doc->UpdateAllViews(nullptr, kHintLayoutReplaced);
    }
  }
  if (HWND frame = context_.owner.MainHwnd()) RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CabinetService::RedrawTextViews() {
  for (Document* doc : context_.documents.AllDocuments()) {
    if (!dynamic_cast<CabinetTextDocument*>(doc)) continue;
    for (View* view : doc->Views()) {
      if (view->Hwnd()) RedrawWindow(view->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
  }
}

void CabinetService::AfterFormatChange(const FormatChange& change) {
  if (change.relayout) {
    RelayoutTextDocuments();
  } else {
    RedrawTextViews();
  }
  // The line bar of the active view follows the counting on its next paint.
  if (HWND frame = context_.owner.MainHwnd()) RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  NoteChange();
}

void CabinetService::RefreshBackgroundBrush() {
  const COLORREF colour = Working().block[kWordTextBack] & 0xFFFFFF;
  HBRUSH old = g_backgroundBrush;
  g_backgroundBrush = CreateSolidBrush(colour);
  // Window classes painted with the previous cabinet brush take the new one.
  for (Document* doc : context_.documents.AllDocuments()) {
    for (View* view : doc->Views()) {
      if (view->Hwnd() && old &&
          reinterpret_cast<HBRUSH>(GetClassLongPtrW(view->Hwnd(), GCLP_HBRBACKGROUND)) == old) {
        SetClassLongPtrW(view->Hwnd(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(g_backgroundBrush));
      }
    }
  }
  if (old) DeleteObject(old);
}

void CabinetService::AfterColourChange(bool backgroundChanged) {
  if (backgroundChanged) RefreshBackgroundBrush();
  RedrawTextViews();
  NoteChange();
}

void CabinetService::AfterRedrawChange() {
  RedrawTextViews();
  NoteChange();
}

void CabinetService::UpdateFrameTitle(bool readOk) {
  context_.owner.SetFrameBaseTitle(SjisToWide(FrameTitleText(readOk ? cabinet_->Path() : std::string())));
}

void CabinetService::OpenUntitled() { context_.opener.NewTextDocument(); }

}  // namespace quelt::win
