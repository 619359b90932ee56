// `CNorbDoc`: the text document. It owns the document's text store and reads
// and writes its file in the file's code and line end (text/file_commands).
#pragma once

#include <memory>
#include <string>

#include "framework/document.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/area_comments.h"

namespace quelt::win {

class CNorbDoc : public Document {
 public:
  // The open request taken at creation: kind and HTML flag.
  CNorbDoc(int openKind, bool html);

  bool OnNewDocument() override;
  bool OnOpenDocument(const std::string& path) override;
  bool OnSaveDocument(const std::string& path) override;
  // Asks to save changes (Save As for an untitled document or a file that
  // is read-only or gone); false when the close must stop.
  bool SaveModified() override;
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;

  TextStore& Store() { return store_; }
  bool IsHtml() const { return html_; }
  bool IsBinary() const { return store_.Kind() == DocumentKind::kBinary; }
  // The document's undo and redo buffers and the edits that go through them
  // (made on first use).
  UndoHistory& History();
  // The "/*" and "*/" tables that colour area comments, or null while the
  // document type is not C or C++ or "ColorAreaComment" is off. They are
  // rebuilt after a change of the text (NoteTextChanged), on first use.
  const AreaCommentTables* AreaComments();
  void NoteTextChanged() { commentsStale_ = true; }
  // Takes the line width of the current cabinet (16 bytes a row in binary
  // kind), as a new document does and every document when the cabinet's
  // format changes.
  void TakeCabinetLineWidth();

 private:
  DocumentKind InitialKind() const;

  TextStore store_;
  std::unique_ptr<UndoHistory> history_;
  std::unique_ptr<AreaCommentTables> comments_;
  bool commentsStale_ = true;
  int openKind_;
  bool html_;
};

}  // namespace quelt::win
