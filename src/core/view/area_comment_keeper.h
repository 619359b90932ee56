// Keeps a document's area-comment tables current: the text is scanned when
// it is loaded and when the layout settings change, and every insertion and
// deletion after that updates the tables in place, so no paint ever scans.
#pragma once

#include <memory>

#include "text/text_store.h"
#include "view/area_comments.h"

namespace quelt {

class AreaCommentKeeper final : public TextChangeObserver {
 public:
  // Watches the store's changes until destroyed.
  AreaCommentKeeper(TextStore& store, Host& host);
  ~AreaCommentKeeper() override;
  AreaCommentKeeper(const AreaCommentKeeper&) = delete;
  AreaCommentKeeper& operator=(const AreaCommentKeeper&) = delete;

  // Scans the whole text when a document of this type keeps tables (C or
  // C++ with "ColorAreaComment" on), with "CountOfColorAreaComment"
  // entries; drops them otherwise. 59406 is shown at most once per scan.
  void Rescan(int documentType, bool colorAreaComment, int capacitySetting);
  // The tables, or null while the document keeps none.
  const AreaCommentTables* Tables() const { return kept_ ? &tables_ : nullptr; }
  // Whether an edit since the last call added or removed a delimiter, so
  // the colours may change down to the end of the text.
  bool TakeDelimitersChanged();

  void AfterInsert(const TextStore& store, TextOffset p, std::uint32_t count) override;
  void BeforeDelete(const TextStore& store, TextOffset p, std::uint32_t count) override;

 private:
  TextStore& store_;
  Host& host_;
  AreaCommentTables tables_;
  int capacitySetting_ = 0;
  bool kept_ = false;
  bool delimitersChanged_ = false;
};

}  // namespace quelt
