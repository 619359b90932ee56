// The open text documents as the cabinet stores and reopens them.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "framework/document.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "framework/owner_window.h"
#include "cabinet/cabinet_service.h"
#include "framework/doc_template.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/view.h"
#include "framework/win_text.h"

namespace quelt::win {
namespace {

MdiChild* FirstFrame(Document* doc) {
  return doc->Views().empty() ? nullptr : MdiChild::FromView(doc->Views().front());
}

WindowPlacementRecord PlacementOf(HWND hwnd) {
  WindowPlacementRecord r;
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  if (!hwnd || !GetWindowPlacement(hwnd, &wp)) return r;
  r.flags = wp.flags;
  r.showCmd = wp.showCmd;
  r.minX = wp.ptMinPosition.x;
  r.minY = wp.ptMinPosition.y;
  r.maxX = wp.ptMaxPosition.x;
  r.maxY = wp.ptMaxPosition.y;
  r.left = wp.rcNormalPosition.left;
  r.top = wp.rcNormalPosition.top;
  r.right = wp.rcNormalPosition.right;
  r.bottom = wp.rcNormalPosition.bottom;
  return r;
}

// A show state that leaves the window where the user can reach it.
int UsableShowState(std::uint32_t showCmd) {
  switch (showCmd) {
    case SW_SHOWNORMAL:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMAXIMIZED:
    case SW_SHOWNOACTIVATE:
    case SW_SHOW:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWNA:
    case SW_RESTORE:
      return static_cast<int>(showCmd);
    default:
      return SW_SHOWNORMAL;
  }
}

void ApplyHiddenPlacement(HWND hwnd, const WindowPlacementRecord& r) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  wp.flags = r.flags & (WPF_SETMINPOSITION | WPF_RESTORETOMAXIMIZED);
  wp.showCmd = SW_HIDE;
  wp.ptMinPosition = {r.minX, r.minY};
  wp.ptMaxPosition = {r.maxX, r.maxY};
  wp.rcNormalPosition = {r.left, r.top, r.right, r.bottom};
  // An empty or inverted rectangle is left to the default placement.
  if (r.right > r.left && r.bottom > r.top) {
    SetWindowPlacement(hwnd, &wp);
  } else {
    ShowWindow(hwnd, SW_HIDE);
  }
}

}  // namespace

// The text documents: those of the text template, in the order they opened.
std::vector<Document*> CabinetService::TextDocuments() const {
  std::vector<Document*> out;
  const auto& templates = context_.documents.Templates();
  if (templates.empty()) return out;
  for (const auto& d : templates.front()->Documents()) {
    if (dynamic_cast<CabinetTextDocument*>(d.get())) out.push_back(d.get());
  }
  return out;
}

// The prompt pane of the main frame's status bar, when it has one.
void CabinetService::SetStatusText(const std::wstring& text) const {
  HWND frame = context_.owner.MainHwnd();
  HWND bar = frame ? FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
  if (bar) {
    SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(bar);
  }
}

void CabinetService::ForgetClosedDocuments() {
  const std::vector<Document*> open = context_.documents.AllDocuments();
  for (auto it = positions_.begin(); it != positions_.end();) {
    if (std::find(open.begin(), open.end(), it->first) == open.end()) {
      it = positions_.erase(it);
    } else {
      ++it;
    }
  }
}

std::vector<CabinetDocument> CabinetService::Collect() {
  ForgetClosedDocuments();
  MdiChild* active = context_.documents.ActiveChild();
  std::vector<CabinetDocument> out;
  for (Document* doc : TextDocuments()) {
    const auto* text = dynamic_cast<const CabinetTextDocument*>(doc);
    MdiChild* frame = FirstFrame(doc);
    CabinetDocument d;
    d.path = doc->PathName();
    d.placement = PlacementOf(frame ? frame->Hwnd() : nullptr);
    d.active = frame && frame == active;
    d.writeProtected = text->WriteProtected();
    d.openKind = text->IsBinary() ? kOpenBinary : kOpenText;
    d.htmlFlag = text->IsHtml() ? 1 : 0;
    CabinetPositions p;
    const auto* source = doc->Views().empty()
                             ? nullptr
                             : dynamic_cast<const CabinetPositionSource*>(doc->Views().front());
    if (source) {
      p = source->CurrentCabinetPositions();
    } else if (auto it = positions_.find(doc); it != positions_.end()) {
      p = it->second;  // not taken yet: keep what the cabinet said
    }
    d.position1 = p.position1;
    d.position2 = p.position2;
    d.position3 = p.position3;
    out.push_back(std::move(d));
  }
  return out;
}

void CabinetService::CloseAll() {
  // A document whose save question is cancelled stays open, unsaved: the
  // change of cabinet goes on without losing its text.
  for (Document* doc : TextDocuments()) {
    if (doc->SaveModified()) doc->OnCloseDocument();
  }
  ForgetClosedDocuments();
}

void CabinetService::Reopen(const std::vector<CabinetDocument>& documents) {
  const std::wstring status = Utf8ToWide(MessageText(kMsgOpeningCabinet));
  struct Opened {
    HWND hwnd;
    int showCmd;
  };
  std::vector<Opened> opened;
  HWND chosen = nullptr;
  std::size_t index = 0;
  for (const CabinetDocument& entry : documents) {
    ++index;
    SetStatusText(status + L" " + std::to_wstring(index) + L"/" + std::to_wstring(documents.size()));
    const int kind = entry.openKind == kOpenBinary ? kOpenBinary : kOpenText;
    Document* doc = context_.opener.OpenWithKind(entry.path, kind, entry.htmlFlag != 0);
    auto* text = dynamic_cast<CabinetTextDocument*>(doc);
    MdiChild* frame = text ? FirstFrame(doc) : nullptr;
    if (!frame) continue;  // could not be opened: skipped
    ApplyHiddenPlacement(frame->Hwnd(), entry.placement);
    opened.push_back({frame->Hwnd(), UsableShowState(entry.placement.showCmd)});
    if (entry.active) chosen = frame->Hwnd();
    // A cipher file that did not surely open stays write-protected.
    if (entry.writeProtected) text->ProtectAgainstWriting();
    positions_[doc] = {entry.position1, entry.position2, entry.position3, text->IsBinary()};
  }
  SetStatusText(L"");
  if (opened.empty()) return;
  for (const Opened& o : opened) {
    if (IsWindow(o.hwnd)) ShowWindow(o.hwnd, o.showCmd);
  }
  const bool flagged = chosen != nullptr;
  if (!flagged) chosen = opened.front().hwnd;
  if (!IsWindow(chosen)) return;
  HWND client = context_.documents.MdiClient();
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(chosen), 0);
  if (!flagged) SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(chosen), 0);
}

}  // namespace quelt::win
