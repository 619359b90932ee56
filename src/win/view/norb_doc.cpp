#include "view/norb_doc.h"

#include "app/quelt_app.h"
#include "cabinet/cabinet_settings.h"
#include "res/resource.h"
#include "text/char_code.h"
#include "text/file_commands.h"
#include "view/display_font.h"
#include "view/layout_params.h"

namespace quelt::win {

CNorbDoc::CNorbDoc(int openKind, bool html)
    : comments_(store_, CQueltApp::Get()->GetHost()), openKind_(openKind), html_(html) {
  store_.AddObserver(&marks_);
}

CNorbDoc::~CNorbDoc() { store_.RemoveObserver(&marks_); }

DocumentKind CNorbDoc::InitialKind() const {
  return openKind_ == 2 ? DocumentKind::kBinary : DocumentKind::kText;
}

UndoHistory& CNorbDoc::History() {
  if (!history_) {
    history_ = std::make_unique<UndoHistory>(store_, CQueltApp::Get()->GetHost());
    if (!history_->Create()) CQueltApp::Get()->GetHost().ShowMessage(kMsgOutOfMemory);
  }
  return *history_;
}

void CNorbDoc::TakeCabinetLineWidth() {
  DocLayoutSettings layout = store_.Layout();
  layout.lineWidth = IsBinary() ? kBinaryLineWidth
                                : static_cast<int>(CQueltApp::Get()->CurrentCabinet().block[kWordLineWidth]);
  store_.ReplaceLayout(layout);
}

void CNorbDoc::RescanAreaComments() {
  CQueltApp* app = CQueltApp::Get();
  comments_.Rescan(app->CurrentCabinet().DocumentType(), app->Settings().colorAreaComment != 0,
                   app->Settings().countOfColorAreaComment);
}

bool CNorbDoc::CreateStore() {
  if (!store_.Create(InitialKind())) {
    CQueltApp::Get()->GetHost().ShowMessage(kMsgOutOfMemory);
    return false;
  }
  // The text enters the store with the lead-byte test its layout will use,
  // so a byte that is no lead byte in the display font never takes the CR
  // of a line end with it.
  CQueltApp* app = CQueltApp::Get();
  store_.SetLead(
      LeadTestForFont(app->Settings().enableCharSetCheck != 0, DisplayFontCharSet(app->CurrentCabinet())));
  return true;
}

bool CNorbDoc::OnNewDocument() {
  if (!Document::OnNewDocument()) return false;
  return CreateStore();
}

bool CNorbDoc::OnOpenDocument(const std::string& path) {
  if (!CreateStore()) return false;
  return OpenTextDocument(*this, path);
}

bool CNorbDoc::OnSaveDocument(const std::string& path) { return SaveTextDocument(*this, path).ok; }

bool CNorbDoc::SaveModified() { return SaveModifiedTextDocument(*this); }

bool CNorbDoc::OnCommand(UINT id) { return OnTextFileCommand(*this, id); }

bool CNorbDoc::OnUpdateCommand(UINT id, CommandState& state) { return OnUpdateTextFileCommand(*this, id, state); }

}  // namespace quelt::win
