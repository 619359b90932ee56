#include "view/norb_doc.h"
#include "view/edit_context.h"

#include "cabinet/cabinet_settings.h"
#include "res/resource.h"
#include "text/char_code.h"
#include "view/document_files.h"
#include "view/display_font.h"
#include "view/layout_params.h"

namespace quelt::win {

CNorbDoc::CNorbDoc(const EditContext& context, int openKind, bool html)
    : context_(context), comments_(store_, context.host), openKind_(openKind), html_(html) {
  store_.AddObserver(&marks_);
}

CNorbDoc::~CNorbDoc() { store_.RemoveObserver(&marks_); }

DocumentKind CNorbDoc::InitialKind() const {
  return openKind_ == 2 ? DocumentKind::kBinary : DocumentKind::kText;
}

UndoHistory& CNorbDoc::History() {
  if (!history_) {
    history_ = std::make_unique<UndoHistory>(store_, context_.host);
    if (!history_->Create()) context_.host.ShowMessage(kMsgOutOfMemory);
  }
  return *history_;
}

void CNorbDoc::TakeCabinetLineWidth() {
  DocLayoutSettings layout = store_.Layout();
  layout.lineWidth = IsBinary() ? kBinaryLineWidth
                                : static_cast<int>(context_.CurrentCabinet().block[kWordLineWidth]);
  store_.ReplaceLayout(layout);
}

void CNorbDoc::RescanAreaComments() {
  comments_.Rescan(context_.CurrentCabinet().DocumentType(), context_.settings.colorAreaComment != 0,
                   context_.settings.countOfColorAreaComment);
}

bool CNorbDoc::CreateStore() {
  if (!store_.Create(InitialKind())) {
    context_.host.ShowMessage(kMsgOutOfMemory);
    return false;
  }
  // The text enters the store with the lead-byte test its layout will use,
  // so a byte that is no lead byte in the display font never takes the CR
  // of a line end with it.
  store_.SetLead(
      LeadTestForFont(context_.settings.enableCharSetCheck != 0, DisplayFontCharSet(context_.CurrentCabinet())));
  return true;
}

bool CNorbDoc::OnNewDocument() {
  if (!Document::OnNewDocument()) return false;
  return CreateStore();
}

bool CNorbDoc::OnOpenDocument(const std::string& path) {
  if (!CreateStore()) return false;
  return context_.documentFiles.Open(*this, path);
}

bool CNorbDoc::OnSaveDocument(const std::string& path) { return context_.documentFiles.Save(*this, path); }

bool CNorbDoc::SaveModified() { return context_.documentFiles.SaveModified(*this); }

bool CNorbDoc::OnCommand(UINT id) { return context_.documentFiles.OnCommand(*this, id); }

bool CNorbDoc::OnUpdateCommand(UINT id, CommandState& state) {
  return context_.documentFiles.OnUpdateCommand(*this, id, state);
}

}  // namespace quelt::win
