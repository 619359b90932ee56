// The HTML visual document `CHylDoc`: a page read from an HTML file into
// the visual model, edited in `CHylView` windows and written back as HTML.
#pragma once

#include <string>

#include "framework/document.h"
#include "html/visual_document.h"
#include "html/visual_edit.h"

namespace quelt::win {

struct VisualContext;

// The hints the document sends its views.
constexpr int kHintVisualLoaded = 16;   // a new model: lay out, caret to the start
constexpr int kHintVisualChanged = 40;  // the text or its attributes changed

class CHylDoc : public Document {
 public:
  explicit CHylDoc(const VisualContext& context);
  bool OnNewDocument() override;
  bool OnOpenDocument(const std::string& path) override;
  bool OnSaveDocument(const std::string& path) override;
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;

  VisualDocument& Model() { return model_; }
  VisualEditor& Editor() { return editor_; }
  // Opened with the open dialog's read-only box, a page whose body the
  // visual mode cannot read, or a UTF page with characters a save would
  // lose: nothing may change it.
  bool ReadOnly() const { return readOnly_ || bodyUnread_ || charsUnkept_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  void OpenedReadOnly(bool readOnly) override { SetReadOnly(readOnly); }
  // After an edit: the document is modified and its views follow.
  void Changed(View* sender);
  // Save As: the save dialog, then the save under the chosen name.
  bool SaveAs();
  // The page sheet for the BODY settings (32910).
  void PageCommand();

 private:
  const VisualContext& context_;
  VisualDocument model_;
  VisualEditor editor_;
  bool readOnly_ = false;
  // The page holds text but no BODY tag: the empty document must not be
  // written, neither over it nor under another name.
  bool bodyUnread_ = false;
  // The page held characters its code could not give back; Save As to
  // another name stays open.
  bool charsUnkept_ = false;
};

}  // namespace quelt::win
