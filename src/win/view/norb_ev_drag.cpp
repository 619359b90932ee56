// The edit window as an OLE drag source: with "EnableDragDropEdit" a press
// on the stream selection and a move past the drag distance drag its text
// away. Dropped elsewhere with the move effect, the selection is deleted
// here; moved within this window, the drop target has already rewritten the
// text in one step; not dropped at all, the press was a plain click.
#include <ole2.h>
#include <shlobj.h>

#include "framework/com_object.h"
#include "view/edit_context.h"
#include "framework/win_text.h"
#include "view/edit_ops.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {
namespace {

// The dragged text as CF_UNICODETEXT (code page 932) and CF_TEXT.
class EvDataObject final : public ComObject<IDataObject, IID_IDataObject> {
 public:
  explicit EvDataObject(std::string sjis) : sjis_(std::move(sjis)), wide_(SjisToWide(sjis_)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* fe, STGMEDIUM* medium) override {
    if (QueryGetData(fe) != S_OK) return DV_E_FORMATETC;
    HGLOBAL block = fe->cfFormat == CF_UNICODETEXT
                        ? CopyToGlobal(wide_.c_str(), (wide_.size() + 1) * sizeof(wchar_t))
                        : CopyToGlobal(sjis_.c_str(), sjis_.size() + 1);
    if (!block) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* fe) override {
    if (!fe) return E_INVALIDARG;
    if (fe->cfFormat != CF_UNICODETEXT && fe->cfFormat != CF_TEXT) return DV_E_FORMATETC;
    if (!(fe->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    if (fe->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC formats[2] = {{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
                            {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}};
    return SHCreateStdEnumFmtEtc(2, formats, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~EvDataObject() override = default;
  std::string sjis_;
  std::wstring wide_;
};

// Drops on the release of the left button; Escape cancels.
class EvDropSource final : public ComObject<IDropSource, IID_IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (!(keys & MK_LBUTTON)) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

CNorbEV* g_dragSource = nullptr;

}  // namespace

CNorbEV* CNorbEV::ActiveDragSource() { return g_dragSource; }

bool CNorbEV::BeginPendingDrag(int x, int y) {
  if (!settings_.enableDragDropEdit || selection_.box || !PointInSelection(x, y)) return false;
  TextOffset from = 0, to = 0;
  if (!SelectionRange(from, to)) return false;
  dragPending_ = true;
  dragPress_ = {x, y};
  SetCapture(hwnd_);
  return true;
}

void CNorbEV::PendingDragMoved(int x, int y) {
  const int dx = GetSystemMetrics(SM_CXDRAG), dy = GetSystemMetrics(SM_CYDRAG);
  if (std::abs(x - dragPress_.x) <= dx && std::abs(y - dragPress_.y) <= dy) return;
  dragPending_ = false;
  ReleaseCapture();
  RunDragSource();
}

void CNorbEV::PendingDragReleased(int x, int y) {
  // No drag after all: a plain click at the press point.
  dragPending_ = false;
  ReleaseCapture();
  ClickAt(x, y);
}

void CNorbEV::ClickAt(int x, int y) {
  int column = 0;
  std::uint32_t line = 0;
  CellAt(x, y, column, line);
  CancelSelection();
  const CaretPos pos = CaretAtCell(*layout_, column, line, FreeCursor());
  caret_.desiredColumn = pos.column;
  SetCaret(pos);
}

void CNorbEV::RunDragSource() {
  TextOffset from = 0, to = 0;
  if (!SelectionRange(from, to)) return;
  auto* data = new EvDataObject(SelectedText());
  auto* source = new EvDropSource;
  dragSource_ = DragSourceState{};
  dragSource_.range = {from, to};
  DWORD effect = DROPEFFECT_NONE;
  g_dragSource = this;
  const HRESULT hr = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  g_dragSource = nullptr;
  data->Release();
  source->Release();
  const DragSourceState done = dragSource_;
  dragSource_ = DragSourceState{};
  if (hr != DRAGDROP_S_DROP) {
    // Cancelled, or dropped nowhere: as a click where the drag began.
    ClickAt(dragPress_.x, dragPress_.y);
    return;
  }
  if (done.handledHere || !(effect & DROPEFFECT_MOVE)) return;
  // Moved to another window or program: the text leaves this one.
  EditSession session(doc_.History(), MakeEditOptions());
  Finish(DeleteRange(session, done.range));
}

}  // namespace quelt::win
