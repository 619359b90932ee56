#include "global_search/search_file_list_editor.h"

#include <algorithm>

#include "base/path.h"

namespace quelt {

std::vector<std::string> MasksOfField(std::string_view text, bool edited, bool& leftOver) {
  leftOver = false;
  std::vector<std::string> masks;
  std::size_t i = 0;
  while (i <= text.size()) {
    std::size_t end = text.find('\n', i);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(i, end - i);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    i = end + 1;
    if (line.empty()) continue;
    if (line.size() > kMaxListMaskLength || masks.size() == kMaxListMasks) {
      leftOver = true;
      continue;
    }
    masks.emplace_back(line);
  }
  if (edited) {
    std::stable_sort(masks.begin(), masks.end(), [](const std::string& a, const std::string& b) {
      const std::string fa = FoldCase(a), fb = FoldCase(b);
      return fa != fb ? fa < fb : a < b;
    });
    masks.erase(std::unique(masks.begin(), masks.end()), masks.end());
  }
  return masks;
}

SearchFileListEditor::SearchFileListEditor(SearchFileLists lists, std::string_view selectName,
                                           std::string documentPath)
    : lists_(std::move(lists)), documentPath_(std::move(documentPath)) {
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    if (lists_[i].name == selectName) {
      selected_ = i;
      break;
    }
  }
  if (!selected_ && !lists_.empty()) selected_ = 0;
  ShowSelected();
}

void SearchFileListEditor::ShowSelected() {
  field_.clear();
  edited_ = false;
  if (!selected_) return;
  for (const std::string& m : lists_[*selected_].masks) {
    if (!field_.empty()) field_ += "\r\n";
    field_ += m;
  }
}

void SearchFileListEditor::FieldChanged(std::string_view text) {
  field_.assign(text);
  edited_ = true;
}

ListEdit SearchFileListEditor::StoreField() {
  if (!selected_) return ListEdit::kOk;
  bool leftOver = false;
  std::vector<std::string> masks = MasksOfField(field_, edited_, leftOver);
  const bool empty = masks.empty();
  lists_[*selected_].masks = std::move(masks);
  if (empty) return ListEdit::kListEmpty;
  return leftOver ? ListEdit::kLinesLeftOver : ListEdit::kOk;
}

ListEdit SearchFileListEditor::Select(std::size_t index) {
  if (index >= lists_.size()) return ListEdit::kRefused;
  if (selected_ && *selected_ == index) return ListEdit::kOk;
  const ListEdit stored = StoreField();
  if (stored == ListEdit::kListEmpty) return stored;
  selected_ = index;
  ShowSelected();
  return stored;
}

ListEdit SearchFileListEditor::AddList(std::string_view name) {
  if (lists_.size() >= kMaxSearchFileLists || name.empty() || FindSearchFileList(lists_, name) != nullptr)
    return ListEdit::kRefused;
  const ListEdit stored = StoreField();
  if (stored == ListEdit::kListEmpty) return stored;
  lists_.push_back(SearchFileList{std::string(name), {}});
  selected_ = lists_.size() - 1;
  ShowSelected();
  return stored;
}

ListEdit SearchFileListEditor::DeleteSelected() {
  if (!selected_) return ListEdit::kRefused;
  lists_.erase(lists_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  if (lists_.empty()) {
    selected_.reset();
  } else if (*selected_ >= lists_.size()) {
    selected_ = lists_.size() - 1;
  }
  ShowSelected();
  return ListEdit::kOk;
}

ListEdit SearchFileListEditor::AddFile() {
  if (!selected_ || documentPath_.empty()) return ListEdit::kRefused;
  // The field as it stands first, so that its edits are kept.
  bool leftOver = false;
  std::vector<std::string> masks = MasksOfField(field_, edited_, leftOver);
  if (masks.size() >= kMaxListMasks) return ListEdit::kRefused;
  const bool quote = documentPath_.find(' ') != std::string::npos;
  masks.push_back(quote ? "\"" + documentPath_ + "\"" : documentPath_);
  lists_[*selected_].masks = std::move(masks);
  ShowSelected();
  return leftOver ? ListEdit::kLinesLeftOver : ListEdit::kOk;
}

ListEdit SearchFileListEditor::Confirm(std::string& selectedName) {
  selectedName.clear();
  const ListEdit stored = StoreField();
  if (stored == ListEdit::kListEmpty) return stored;
  if (selected_) selectedName = lists_[*selected_].name;
  return stored;
}

}  // namespace quelt
