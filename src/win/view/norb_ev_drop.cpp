// The edit window as an OLE drop target: while dragged text hovers over it
// the caret follows the pointer, near an edge the window scrolls after a
// short delay (timer 4), and a drop inserts the text at the caret like a
// paste. Text moved within its own document is rewritten in one step.
#include <ole2.h>

#include <algorithm>

#include "framework/com_object.h"
#include "view/edit_context.h"
#include "view/edit_command_rules.h"
#include "view/edit_ops.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {
namespace {

constexpr UINT kDropScrollDelayMs = 500;

// The dragged text as Shift-JIS, up to its first zero; false when the data
// holds no text.
bool DroppedText(IDataObject* data, std::string& sjis) {
  for (const CLIPFORMAT format : {CLIPFORMAT{CF_UNICODETEXT}, CLIPFORMAT{CF_TEXT}}) {
    FORMATETC fe{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&fe, &medium))) continue;
    SjisFromGlobal(medium.hGlobal, format == CF_UNICODETEXT, sjis);
    ReleaseStgMedium(&medium);
    return true;
  }
  return false;
}

DWORD EffectFor(DWORD keys, DWORD allowed) {
  switch (ChooseDropEffect((keys & MK_CONTROL) != 0, (allowed & DROPEFFECT_COPY) != 0,
                           (allowed & DROPEFFECT_MOVE) != 0)) {
    case DropEffect::kMove: return DROPEFFECT_MOVE;
    case DropEffect::kCopy: return DROPEFFECT_COPY;
    default: return DROPEFFECT_NONE;
  }
}

bool HasText(IDataObject* data) {
  FORMATETC wide{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  FORMATETC ansi{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return data && (data->QueryGetData(&wide) == S_OK || data->QueryGetData(&ansi) == S_OK);
}

}  // namespace

class EvDropTarget final : public ComObject<IDropTarget, IID_IDropTarget> {
 public:
  explicit EvDropTarget(CNorbEV& edit) : edit_(edit) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    accept_ = HasText(data) && edit_.DropAllowed();
    *effect = accept_ ? EffectFor(keys, *effect) : DROPEFFECT_NONE;
    if (accept_) edit_.DragHover(pt.x, pt.y);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override {
    *effect = accept_ ? EffectFor(keys, *effect) : DROPEFFECT_NONE;
    if (accept_) edit_.DragHover(pt.x, pt.y);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    edit_.DragEnded();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    edit_.DragEnded();
    std::string text;
    if (!accept_ || !DroppedText(data, text)) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    edit_.DragHover(pt.x, pt.y);
    const DWORD wanted = EffectFor(keys, *effect);
    *effect = wanted == DROPEFFECT_NONE ? DROPEFFECT_NONE : edit_.DropText(text, wanted == DROPEFFECT_MOVE);
    return S_OK;
  }

 private:
  CNorbEV& edit_;
  bool accept_ = false;
};

void CNorbEV::RegisterDropTarget() {
  dropTarget_ = new EvDropTarget(*this);
  if (FAILED(RegisterDragDrop(hwnd_, dropTarget_))) {
    dropTarget_->Release();
    dropTarget_ = nullptr;
  }
}

void CNorbEV::RevokeDropTarget() {
  if (!dropTarget_) return;
  RevokeDragDrop(hwnd_);
  dropTarget_->Release();
  dropTarget_ = nullptr;
}

bool CNorbEV::DropAllowed() {
  // A drop is refused on a read-only document, and while the tool bar's
  // search box has the focus.
  return doc_.Store().EditAllowed(settings_.viewMode != 0);
}

DWORD CNorbEV::DropText(const std::string& text, bool move) {
  EditSession session(doc_.History(), MakeEditOptions());
  CNorbEV* source = ActiveDragSource();
  if (move && source && &source->doc_ == &doc_) {
    // Moved within its own document (this window or another on it).
    source->dragSource_.handledHere = true;
    const EditResult r = MoveText(session, source->dragSource_.range, CaretOffset());
    if (!r.Done()) return DROPEFFECT_NONE;  // onto itself, or refused
    if (source != this) source->CancelSelection();
    Finish(r);
    return DROPEFFECT_MOVE;
  }
  if (!session.Allowed()) return DROPEFFECT_NONE;
  ApplyInputPlan(session, PlanInput(InputSource::kDropped, selection_.active, false, false));
  const EditResult r = Paste(session, Place(), text, false);
  Finish(r);
  if (!r.Done()) return DROPEFFECT_NONE;
  return move ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

void CNorbEV::DragHover(int screenX, int screenY) {
  POINT pt{screenX, screenY};
  ScreenToClient(hwnd_, &pt);
  int column = 0;
  std::uint32_t line = 0;
  CellAt(pt.x, pt.y, column, line);
  const bool nearEdge = pt.x < metrics_.leftMargin || pt.y < metrics_.topMargin + metrics_.lineHeight / 2 ||
                        pt.y > metrics_.clientHeight - metrics_.lineHeight;
  if (!nearEdge) {
    DragEnded();
  } else if (!dropScrollArmed_ && !dropScrolling_) {
    dropScrollArmed_ = true;
    SetTimer(hwnd_, kDropScrollTimer, kDropScrollDelayMs, nullptr);
  } else if (dropScrolling_) {
    // One step towards the pointer on every drag-over after the delay.
    if (pt.y < metrics_.topMargin + metrics_.lineHeight / 2) ScrollLines(-1);
    if (pt.y > metrics_.clientHeight - metrics_.lineHeight) ScrollLines(1);
    if (pt.x < metrics_.leftMargin && firstColumn_ > 0) ScrollTo(topLine_, firstColumn_ - 1);
  }
  const CaretPos pos = CaretAtCell(*layout_, column, line, FreeCursor());
  caret_.desiredColumn = pos.column;
  SetCaret(pos, false, true);
}

void CNorbEV::DragEnded() {
  if (dropScrollArmed_) KillTimer(hwnd_, kDropScrollTimer);
  dropScrollArmed_ = false;
  dropScrolling_ = false;
}

void CNorbEV::OnDropScrollTimer() {
  KillTimer(hwnd_, kDropScrollTimer);
  dropScrollArmed_ = false;
  dropScrolling_ = true;
}

}  // namespace quelt::win
