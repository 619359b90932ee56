// The last pair the tag insertion took, for the repeat command (32958),
// and the values the tag dialogs keep for the run. The application owns
// one of each; nothing of them is saved.
#pragma once

#include "html/table_tags.h"
#include "html/tag_pair.h"
#include "html/tag_settings.h"

namespace quelt {

class TagRepeat {
 public:
  // Every insertion that gets past the empty-pair and permission checks
  // stores its pair, also when the room check then refuses it.
  void Store(const TagPair& pair) { last_ = pair; }
  const TagPair& Last() const { return last_; }
  // The repeat command is enabled while either text is not empty.
  bool CanRepeat() const { return !last_.Empty(); }

 private:
  TagPair last_;
};

struct TagSettings {
  PageTagSettings page;
  CharTagSettings character;
  HtmlTagSettings html;  // link, anchor, image, heading and the form fields
  TableSettings table;
  FrameTagSettings frame;
  TagPair formPair;  // the free tag form's last prefix and suffix
};

}  // namespace quelt
