#include "text/doc_commands.h"

#include "base/path.h"
#include "base/sjis.h"

namespace quelt {
namespace {

// Characters no file name may hold. Only first bytes of characters are
// tested: a trail byte may well be 0x5C or 0x7C.
bool IsForbiddenNameChar(std::uint8_t c) {
  return c < 0x20 || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
         c == '>' || c == '|';
}

bool IsValidFileName(const std::string& name) {
  if (name.empty() || name.size() > kMaxRenameNameBytes) return false;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(name.data());
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t size = SjisCharSize(bytes, name.size(), i);
    if (size == 1 && IsForbiddenNameChar(bytes[i])) return false;
    i += size;
  }
  return name != "." && name != "..";
}

}  // namespace

bool SaveModifiedPrompt(Host& host, bool modified, const std::string& title, const std::function<bool()>& save) {
  if (!modified) return true;
  switch (host.Ask(kMsgSaveChanges, Question::kYesNoCancel, title)) {
    case Answer::kYes:
      return save();
    case Answer::kNo:
      return true;
    default:
      return false;
  }
}

bool CloseAllDocuments(Host& host, const std::vector<ClosableDocument*>& documents, bool closeUntitledWithoutPrompt) {
  for (ClosableDocument* doc : documents) {
    const bool silent = closeUntitledWithoutPrompt && !doc->HasPath();
    if (!silent && !SaveModifiedPrompt(host, doc->IsModified(), doc->Title(), [doc] { return doc->Save(); }))
      return false;
    doc->Close();
  }
  return true;
}

DeleteOutcome DeleteDocumentFile(Host& host, FileSystem& fs, const std::string& path) {
  if (path.empty()) return DeleteOutcome::kCancelled;
  if (host.Ask(kMsgDeleteDocument, Question::kOkCancel, path) != Answer::kOk) return DeleteOutcome::kCancelled;
  if (!fs.RemoveFile(path)) {
    host.Beep();
    return DeleteOutcome::kFailed;
  }
  return DeleteOutcome::kDeleted;
}

RenameOutcome RenameDocumentFile(Host& host, FileSystem& fs, const std::string& oldPath, const std::string& newName,
                                 std::string& newPath) {
  if (!IsValidFileName(newName)) {
    host.Beep();
    return RenameOutcome::kRefused;
  }
  // newPath may be the very string oldPath refers to: it is set last.
  const std::string target = JoinPath(FolderOf(oldPath), newName);
  if (target == oldPath) {
    newPath = target;
    return RenameOutcome::kUnchanged;
  }
  // The same name in other letters is the same file on disk: only its
  // spelling changes, so the name being taken does not apply.
  const bool caseOnly = EqualsNoCase(target, oldPath);
  if ((!caseOnly && fs.Exists(target)) || !fs.RenameFile(oldPath, target)) {
    host.Beep();
    return RenameOutcome::kRefused;
  }
  newPath = target;
  return RenameOutcome::kRenamed;
}

}  // namespace quelt
