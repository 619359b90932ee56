// `ViewTextWindows`: the text windows of the open documents, found through
// the document list: the edit window of a text view, the first one of a
// document, and activating a window's child.
#pragma once

#include "framework/text_window.h"

namespace quelt::win {

class CNorbEV;
class DocumentList;

class ViewTextWindows : public TextWindows {
 public:
  explicit ViewTextWindows(DocumentList& documents) : documents_(documents) {}
  TextWindow* ActiveTextWindow() override;
  // The same window as the edit window it is (playback's target).
  CNorbEV* ActiveEditWindow();
  TextWindow* FirstTextWindow(const Document* doc) override;
  void Activate(TextWindow& window) override;

 private:
  DocumentList& documents_;
};

}  // namespace quelt::win
