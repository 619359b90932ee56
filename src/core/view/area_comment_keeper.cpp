#include "view/area_comment_keeper.h"

namespace quelt {

AreaCommentKeeper::AreaCommentKeeper(TextStore& store, Host& host) : store_(store), host_(host) {
  store_.AddObserver(this);
}

AreaCommentKeeper::~AreaCommentKeeper() { store_.RemoveObserver(this); }

void AreaCommentKeeper::Rescan(int documentType, bool colorAreaComment, int capacitySetting) {
  kept_ = AreaCommentsKept(documentType, colorAreaComment);
  if (!kept_) {
    tables_.Clear();
    return;
  }
  const int capacity = AreaCommentCapacity(capacitySetting);
  if (capacity != capacitySetting_ || tables_.Capacity() == 0) {
    capacitySetting_ = capacity;
    if (!tables_.Create(capacity)) {
      kept_ = false;
      return;
    }
  }
  tables_.RebuildCommentTables(store_, host_);
  delimitersChanged_ = true;
}

bool AreaCommentKeeper::TakeDelimitersChanged() {
  const bool changed = delimitersChanged_;
  delimitersChanged_ = false;
  return changed;
}

void AreaCommentKeeper::AfterInsert(const TextStore& store, TextOffset p, std::uint32_t count) {
  if (kept_ && tables_.NoteCommentInsert(store, p, count, host_)) delimitersChanged_ = true;
}

void AreaCommentKeeper::BeforeDelete(const TextStore& store, TextOffset p, std::uint32_t count) {
  if (kept_ && tables_.NoteCommentDelete(store, p, count, host_)) delimitersChanged_ = true;
}

}  // namespace quelt
