#include "framework/doc_template.h"

#include <algorithm>

#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "framework/win_text.h"

namespace quelt::win {

DocTemplate::DocTemplate(UINT resourceId, const std::wstring& description, HMENU menu, DocumentFactory makeDocument,
                         ViewFactory makeView)
    : resourceId_(resourceId),
      description_(description),
      makeDocument_(std::move(makeDocument)),
      makeView_(std::move(makeView)),
      menu_(menu) {}

DocTemplate::~DocTemplate() {
  if (menu_) DestroyMenu(menu_);
}

std::wstring DocTemplate::DescriptionPart(int index) const {
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) {
    start = description_.find(L'\n', start);
    if (start == std::wstring::npos) return {};
    ++start;
  }
  const std::size_t end = description_.find(L'\n', start);
  return description_.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

Document* DocTemplate::OpenDocumentFile(const std::string* path) {
  std::unique_ptr<Document> owned = makeDocument_();
  Document* doc = owned.get();
  doc->template_ = this;
  if (path) {
    if (!doc->OnOpenDocument(*path)) return nullptr;
    doc->SetPathName(*path);
  } else {
    if (!doc->OnNewDocument()) return nullptr;
    doc->SetTitle(WideToSjis(DescriptionPart(1)) + std::to_string(++untitledCount_));
  }
  doc->SetModified(false);
  documents_.push_back(std::move(owned));
  if (!CreateFrame(doc)) {
    RemoveDocument(doc);
    return nullptr;
  }
  return doc;
}

bool DocTemplate::NewWindow(Document* document) { return CreateFrame(document); }

bool DocTemplate::CreateFrame(Document* document) {
  std::unique_ptr<View> view = makeView_();
  view->AttachDocument(document);
  MdiChild* child = MdiChild::Create(WinApp::Instance()->MdiClient(), std::move(view), this);
  if (!child) return false;
  child->GetView()->OnInitialUpdate();
  child->UpdateTitle();
  child->Activate();
  return true;
}

void DocTemplate::RemoveDocument(Document* document) {
  auto it = std::find_if(documents_.begin(), documents_.end(),
                         [&](const std::unique_ptr<Document>& d) { return d.get() == document; });
  if (it != documents_.end()) documents_.erase(it);
}

}  // namespace quelt::win
