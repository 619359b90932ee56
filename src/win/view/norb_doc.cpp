#include "view/norb_doc.h"

#include "app/quelt_app.h"
#include "cabinet/cabinet_settings.h"
#include "res/resource.h"
#include "text/char_code.h"

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
  CQueltApp* app = CQueltApp::Get();
  Host& host = app->GetHost();
  if (!store_.Create(InitialKind())) {
    host.ShowMessage(kMsgOutOfMemory);
    return false;
  }
  std::string bytes;
  if (!app->Files().ReadFile(path, bytes)) {
    host.ShowMessage(kMsgOpenFailed, path);
    return false;
  }
  store_.SetCharCode(1);
  store_.SetLineEnd(1);
  if (store_.Kind() == DocumentKind::kText) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const Detection d = Detect(data, bytes.size(), app->Settings().crlfEqualSjis != 0);
    const bool plain = d.code == CharCodeId::kShiftJis && d.selector == kSelectorCrLf;
    // Larger files are read as they are, as Shift-JIS with CR LF.
    if (!plain && bytes.size() <= kMaxConvertBytes) {
      ConvertResult converted = ToInternal(data, bytes.size(), d.code, d.selector);
      if (converted.status == ConvertStatus::kOk) {
        bytes = std::move(converted.bytes);
        store_.SetCharCode(static_cast<int>(d.code));
        store_.SetLineEnd(static_cast<int>(d.lineEnd()));
      } else if (converted.status == ConvertStatus::kOutOfMemory) {
        host.ShowMessage(kMsgOutOfMemory);
      }
    }
  }
  const LoadResult r = store_.Load(bytes, store_.Kind());
  if (r.capacity == Capacity::kOutOfMemory) {
    host.ShowMessage(kMsgOutOfMemory);
    return false;
  }
  if (r.truncated) host.ShowMessage(kMsgTooManyChars);
  if (r.hint != kHintNone) UpdateAllViews(nullptr, r.hint);
  return true;
}

bool CNorbDoc::OnSaveDocument(const std::string& path) {
  CQueltApp* app = CQueltApp::Get();
  std::string text = store_.Text();
  const bool plain = store_.Kind() == DocumentKind::kBinary ||
                     (store_.CharCode() == 1 && store_.LineEnd() == 1);
  if (!plain) {
    if (text.size() > kMaxConvertBytes) {
      app->GetHost().ShowMessage(kMsgDocumentTooLargeToConvert);
      return false;
    }
    ConvertResult converted = FromInternal(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(),
                                           static_cast<CharCodeId>(store_.CharCode()),
                                           static_cast<LineEndId>(store_.LineEnd()));
    if (converted.status != ConvertStatus::kOk) {
      app->GetHost().ShowMessage(kMsgOutOfMemory);
      return false;
    }
    text = std::move(converted.bytes);
  }
  if (!app->Files().WriteFile(path, text)) {
    app->GetHost().ShowMessage(kMsgSaveFailed, path);
    return false;
  }
  SetModified(false);
  return true;
}

bool CNorbDoc::OnCommand(UINT id) {
  switch (id) {
    case ID_FILE_CLOSE:
      if (SaveModified()) OnCloseDocument();
      return true;
    case ID_FILE_SAVE:
      if (PathName().empty()) {
        CQueltApp::Get()->SaveDocumentAs(this);
      } else {
        OnSaveDocument(PathName());
      }
      return true;
    case ID_FILE_SAVE_AS:
      CQueltApp::Get()->SaveDocumentAs(this);
      return true;
    default:
      return false;
  }
}

bool CNorbDoc::OnUpdateCommand(UINT id, CommandState& state) {
  switch (id) {
    case ID_FILE_CLOSE:
    case ID_FILE_SAVE_AS:
      return true;
    case ID_FILE_SAVE:
      state.enabled = store_.EditAllowed(CQueltApp::Get()->Settings().viewMode != 0);
      return true;
    default:
      return false;
  }
}

}  // namespace quelt::win
