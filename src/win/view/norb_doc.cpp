#include "view/norb_doc.h"

#include "app/quelt_app.h"
#include "cabinet/cabinet_settings.h"
#include "res/resource.h"
#include "text/char_code.h"
#include "text/file_commands.h"

namespace quelt::win {

CNorbDoc::CNorbDoc(int openKind, bool html) : openKind_(openKind), html_(html) {}

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

const AreaCommentTables* CNorbDoc::AreaComments() {
  CQueltApp* app = CQueltApp::Get();
  if (!app->Settings().colorAreaComment || app->CurrentCabinet().DocumentType() == 0) return nullptr;
  if (!comments_) {
    comments_ = std::make_unique<AreaCommentTables>();
    if (!comments_->Create(app->Settings().countOfColorAreaComment)) return nullptr;
    commentsStale_ = true;
  }
  if (commentsStale_) {
    // A scan of the text finds every delimiter; it runs once per change,
    // when the next paint needs the tables.
    comments_->RebuildCommentTables(store_, app->GetHost());
    commentsStale_ = false;
  }
  return comments_.get();
}

bool CNorbDoc::OnNewDocument() {
  if (!Document::OnNewDocument()) return false;
  if (!store_.Create(InitialKind())) {
    CQueltApp::Get()->GetHost().ShowMessage(kMsgOutOfMemory);
    return false;
  }
  return true;
}

bool CNorbDoc::OnOpenDocument(const std::string& path) {
  if (!store_.Create(InitialKind())) {
    CQueltApp::Get()->GetHost().ShowMessage(kMsgOutOfMemory);
    return false;
  }
  return OpenTextDocument(*this, path);
}

bool CNorbDoc::OnSaveDocument(const std::string& path) { return SaveTextDocument(*this, path).ok; }

bool CNorbDoc::SaveModified() { return SaveModifiedTextDocument(*this); }

bool CNorbDoc::OnCommand(UINT id) { return OnTextFileCommand(*this, id); }

bool CNorbDoc::OnUpdateCommand(UINT id, CommandState& state) { return OnUpdateTextFileCommand(*this, id, state); }

}  // namespace quelt::win
