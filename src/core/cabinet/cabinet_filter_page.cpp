#include "cabinet/cabinet_filter_page.h"

#include <utility>

namespace quelt {
namespace {

constexpr char kNewFilterTitle[] = "New(*.*)";
constexpr char kNewFilterPattern[] = "*.*";

int FoldType(int type) { return (type >= 0 && type < kDocumentTypes) ? type : 0; }

}  // namespace

FilterPageModel::FilterPageModel(const std::array<FilterList, kDocumentTypes>& lists, int type,
                                 bool english)
    : lists_(lists), type_(FoldType(type)), english_(english) {
  for (FilterList& list : lists_) {
    if (list.size() > std::size_t(kMaxFilterPairs)) list.resize(kMaxFilterPairs);
  }
  selected_ = List().empty() ? -1 : 0;
}

void FilterPageModel::SetTitle(std::string_view title) {
  if (selected_ >= 0) lists_[type_][selected_].title.assign(title);
}

void FilterPageModel::SetPattern(std::string_view pattern) {
  if (selected_ >= 0) lists_[type_][selected_].pattern.assign(pattern);
}

FilterCheck FilterPageModel::CheckSelected() const {
  if (List().empty() || selected_ < 0) return FilterCheck::kEmptyList;
  const FilterPair& p = List()[selected_];
  if (!IsValidFilterTitle(p.title)) return FilterCheck::kBadTitle;
  if (!IsValidFilterPattern(p.pattern)) return FilterCheck::kBadPattern;
  return FilterCheck::kOk;
}

// An empty list has nothing to check, so only a failing pair refuses.
bool FilterPageModel::Guard() {
  lastCheck_ = CheckSelected();
  return lastCheck_ == FilterCheck::kOk || lastCheck_ == FilterCheck::kEmptyList;
}

FilterAction FilterPageModel::ChooseType(int type) {
  if (!Guard()) return FilterAction::kRefused;
  type_ = FoldType(type);
  selected_ = List().empty() ? -1 : 0;
  return FilterAction::kDone;
}

FilterAction FilterPageModel::Select(int index) {
  if (index == selected_) return FilterAction::kNothing;
  if (!Guard()) return FilterAction::kRefused;
  if (index < 0 || index >= int(List().size())) return FilterAction::kNothing;
  selected_ = index;
  return FilterAction::kDone;
}

FilterAction FilterPageModel::MoveUp() {
  if (!Guard()) return FilterAction::kRefused;
  if (selected_ <= 0) return FilterAction::kNothing;
  std::swap(lists_[type_][selected_], lists_[type_][selected_ - 1]);
  --selected_;
  return FilterAction::kDone;
}

FilterAction FilterPageModel::MoveDown() {
  if (!Guard()) return FilterAction::kRefused;
  if (selected_ < 0 || selected_ + 1 >= int(List().size())) return FilterAction::kNothing;
  std::swap(lists_[type_][selected_], lists_[type_][selected_ + 1]);
  ++selected_;
  return FilterAction::kDone;
}

FilterAction FilterPageModel::New() {
  if (!Guard()) return FilterAction::kRefused;
  FilterList& list = lists_[type_];
  if (list.size() >= std::size_t(kMaxFilterPairs)) return FilterAction::kFull;
  list.push_back({kNewFilterTitle, kNewFilterPattern});
  selected_ = int(list.size()) - 1;
  return FilterAction::kDone;
}

FilterAction FilterPageModel::Delete() {
  FilterList& list = lists_[type_];
  if (selected_ < 0 || list.empty()) {
    lastCheck_ = FilterCheck::kEmptyList;
    return FilterAction::kNothing;
  }
  // The pair going away need not pass its check.
  list.erase(list.begin() + selected_);
  if (selected_ >= int(list.size())) selected_ = int(list.size()) - 1;
  lastCheck_ = FilterCheck::kOk;
  return FilterAction::kDone;
}

FilterAction FilterPageModel::RestoreDefaults() {
  lists_[type_] = DefaultFilters(type_, english_);
  selected_ = List().empty() ? -1 : 0;
  lastCheck_ = FilterCheck::kOk;
  return FilterAction::kDone;
}

}  // namespace quelt
