#include "framework/document.h"

#include <algorithm>

#include "base/host.h"
#include "base/path.h"
#include "framework/doc_template.h"
#include "framework/mdi_child.h"
#include "framework/view.h"
#include "framework/win_app.h"

namespace quelt::win {

void Document::SetTitle(const std::string& title) {
  title_ = title;
  for (View* v : views_) {
    if (MdiChild* child = MdiChild::FromView(v)) child->UpdateTitle();
  }
}

void Document::SetPathName(const std::string& path) {
  pathName_ = path;
  SetTitle(FileNameOf(path));
}

void Document::UpdateAllViews(View* sender, int hint) {
  for (View* v : views_) {
    if (v != sender) v->OnUpdate(sender, hint);
  }
}

bool Document::OnNewDocument() {
  pathName_.clear();
  modified_ = false;
  return true;
}

bool Document::SaveModified() {
  if (!modified_) return true;
  Host& host = WinApp::Instance()->GetHost();
  switch (host.Ask(kMsgSaveChanges, Question::kYesNoCancel, title_)) {
    case Answer::kYes:
      if (pathName_.empty()) return WinApp::Instance()->SaveDocumentAs(this);
      return OnSaveDocument(pathName_);
    case Answer::kNo:
      return true;
    default:
      return false;
  }
}

void Document::OnCloseDocument() {
  // Destroying the frame of the last view removes (and deletes) the document,
  // so nothing may touch `this` after the loop.
  const std::vector<View*> views = views_;
  for (View* v : views) {
    if (MdiChild* child = MdiChild::FromView(v)) child->Destroy();
  }
}

View::~View() { DetachDocument(); }

void View::AttachDocument(Document* document) {
  document_ = document;
  document->views_.push_back(this);
}

void View::DetachDocument() {
  if (!document_) return;
  auto& v = document_->views_;
  v.erase(std::remove(v.begin(), v.end(), this), v.end());
  document_ = nullptr;
}

}  // namespace quelt::win
