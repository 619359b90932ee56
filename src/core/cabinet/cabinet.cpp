#include "cabinet/cabinet.h"

#include "cabinet/cabinet_pages.h"

namespace quelt {

CCabinet::CCabinet(FileSystem& fs, Host& host) : fs_(fs), host_(host) { ResetToDefaults(0); }

void CCabinet::ResetToDefaults(int type) {
  working_ = DefaultSettings(type, IsEnglishInterface());
  stored_ = working_;
}

bool CCabinet::Commit() {
  stored_ = working_;
  return SaveCabinet(false);
}

bool CCabinet::NoteChange() { return cabinetSave_ ? Commit() : true; }

std::string CCabinet::FilterString(int type) const {
  if (type < 0 || type >= kDocumentTypes) type = 0;
  return BuildFilterString(working_.filters[type]);
}

std::vector<CabinetDocument> CCabinet::OpenDocuments() {
  return documents_ ? documents_->Collect() : std::vector<CabinetDocument>{};
}

bool CCabinet::LoadImage(const std::string& path, CabinetImage& image, bool& unreadable) {
  unreadable = false;
  std::string bytes;
  if (path.empty() || !fs_.ReadFile(path, bytes, kCabinetBufferSize)) {
    unreadable = true;
    if (!path.empty() && fs_.Exists(path)) host_.ShowMessage(kMsgCabinetReadFailed);
    return false;
  }
  if (!ParseCabinet(bytes, IsEnglishInterface(), image)) {
    host_.ShowMessage(kMsgBadCabinet);
    return false;
  }
  return true;
}

bool CCabinet::ReadCabinet(bool reopenFiles) {
  CabinetImage image;
  bool unreadable = false;
  if (!LoadImage(path_, image, unreadable)) return false;
  working_ = image.settings;
  stored_ = std::move(image.settings);
  if (reopenFiles && !image.documents.empty() && documents_) documents_->Reopen(image.documents);
  return true;
}

bool CCabinet::SaveCabinet(bool closeDocuments) {
  std::string bytes;
  if (path_.empty() || !WriteCabinetBytes(stored_, OpenDocuments(), bytes) ||
      !fs_.WriteFile(path_, bytes)) {
    host_.ShowMessage(kMsgCabinetWriteFailed);
    return false;
  }
  if (closeDocuments && documents_) documents_->CloseAll();
  return true;
}

bool CCabinet::ApplyKeywordPage(std::string_view text, bool caseSensitive, bool wholeWord) {
  KeywordPageResult result = ParseKeywordText(text);
  if (!result.ok) {
    host_.ShowMessage(result.message);
    return false;
  }
  working_.keywords = std::move(result.keywords);
  working_.block[kWordKeywordCount] = std::uint32_t(working_.keywords.size());
  working_.keywordCaseSensitive = caseSensitive ? 1 : 0;
  working_.keywordWholeWord = wholeWord ? 1 : 0;
  NoteChange();
  return true;
}

}  // namespace quelt
