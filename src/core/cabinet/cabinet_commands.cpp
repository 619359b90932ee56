// Changing to another cabinet and creating a new one.
#include "base/path.h"
#include "base/sjis.h"
#include "cabinet/cabinet.h"

namespace quelt {
namespace {

constexpr std::size_t kMaxPathNameChars = 259;  // a Windows path without its zero
constexpr char kCabinetExtension[] = ".cab";

}  // namespace

bool IsValidPathName(std::string_view path) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(path.data());
  const std::size_t n = path.size();
  std::size_t chars = 0;
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < n;) {
    const std::size_t size = SjisCharSize(bytes, n, i);
    const std::uint8_t c = bytes[i];
    ++chars;
    if (size == 1) {
      if (c < 0x20 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*') {
        return false;
      }
      const bool driveColon = i == 1 && ((bytes[0] | 0x20) >= 'a' && (bytes[0] | 0x20) <= 'z');
      if (c == ':' && !driveColon) return false;
      if (c == '\\' || c == '/' || c == ':') nameStart = i + 1;
    } else if (!IsSjisTrailByte(bytes[i + 1])) {
      return false;
    }
    i += size;
  }
  if (chars == 0 || chars > kMaxPathNameChars) return false;
  // The name itself must hold something besides dots and blanks.
  return path.substr(nameStart).find_first_not_of(". ") != std::string_view::npos;
}

bool CabinetPathForName(std::string_view name, std::string& path) {
  if (!IsValidPathName(name)) return false;
  // Start of each of the last four characters.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(name.data());
  std::size_t starts[4] = {};
  std::size_t count = 0;
  for (std::size_t i = 0; i < name.size(); i += SjisCharSize(bytes, name.size(), i)) {
    starts[count % 4] = i;
    ++count;
  }
  bool hasDot = false;
  for (std::size_t k = 0; k < 4 && k < count; ++k) hasDot |= name[starts[k]] == '.';
  path.assign(name);
  if (!hasDot) path += kCabinetExtension;
  return IsValidPathName(path);
}

bool CCabinet::CreateCabinet(const std::string& path, int type) {
  if (type < 0 || type > kCopyCurrentCabinet) return false;
  if (!IsValidPathName(path) || !IsAbsolutePath(path) || fs_.IsFolder(path)) {
    host_.ShowMessage(kMsgBadPathName);
    return false;
  }
  if (fs_.Exists(path) && host_.Ask(kMsgCabinetExists, Question::kOkCancel) != Answer::kOk) {
    return false;
  }
  std::string bytes;
  CabinetSettings fresh;
  if (type == kCopyCurrentCabinet) {
    if (!WriteCabinetBytes(stored_, OpenDocuments(), bytes)) {
      host_.ShowMessage(kMsgCabinetCreateError);
      return false;
    }
  } else {
    fresh = DefaultSettings(type, IsEnglishInterface());
    bytes = WriteNewCabinetBytes(fresh);
  }
  if (!fs_.WriteFile(path, bytes)) {
    host_.ShowMessage(kMsgCabinetCreateError);
    return false;
  }
  path_ = path;
  if (type != kCopyCurrentCabinet) {
    working_ = fresh;
    stored_ = std::move(fresh);
    if (documents_) documents_->OpenUntitled();
  }
  return true;
}

ChangeCabinetResult CCabinet::ChangeCabinet(const std::string& path) {
  if (EqualsNoCase(path, path_)) {
    host_.Beep();
    return ChangeCabinetResult::kSameCabinet;
  }
  CabinetImage image;
  bool unreadable = false;
  if (!LoadImage(path, image, unreadable)) {
    return unreadable ? ChangeCabinetResult::kUnreadable : ChangeCabinetResult::kMalformed;
  }
  if (!SaveCabinet(true)) return ChangeCabinetResult::kSaveFailed;
  path_ = path;
  return ReadCabinet(true) ? ChangeCabinetResult::kChanged : ChangeCabinetResult::kReadFailed;
}

NewCabinetResult CCabinet::NewCabinet(std::string_view name, int type) {
  if (type < 0 || type > kCopyCurrentCabinet) {
    host_.Beep();
    return NewCabinetResult::kNoType;
  }
  std::string path;
  if (!CabinetPathForName(name, path)) {
    host_.ShowMessage(kMsgBadPathName);
    return NewCabinetResult::kBadName;
  }
  const bool copy = type == kCopyCurrentCabinet;
  SaveCabinet(!copy);
  const std::string previous = path_;
  if (CreateCabinet(path, type)) return NewCabinetResult::kCreated;
  path_ = previous;
  if (!copy) ReadCabinet(true);
  return NewCabinetResult::kFailed;
}

}  // namespace quelt
