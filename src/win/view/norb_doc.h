// `CNorbDoc`: the text document. It owns the document's text store and reads
// and writes its file in the file's code and line end (text/file_commands).
#pragma once

#include <memory>
#include <string>

#include "framework/document.h"
#include "marks/doc_marks.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/area_comment_keeper.h"
#include "view/edit_context.h"

namespace quelt::win {

class CNorbDoc : public Document, public CabinetTextDocument {
 public:
  // The open request taken at creation: kind and HTML flag.
  CNorbDoc(const EditContext& context, int openKind, bool html);
  ~CNorbDoc() override;

  bool OnNewDocument() override;
  bool OnOpenDocument(const std::string& path) override;
  bool OnSaveDocument(const std::string& path) override;
  // Asks to save changes (Save As for an untitled document or a file that
  // is read-only or gone); false when the close must stop.
  bool SaveModified() override;
  // The check box adds write protection; a cipher file that did not surely
  // open is protected already.
  void OpenedReadOnly(bool readOnly) override {
    if (readOnly) store_.SetWriteProtect(true);
  }
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;

  TextStore& Store() { return store_; }
  // What the document and its windows are handed.
  const EditContext& Context() const { return context_; }
  // The line and string marks; every edit of the store keeps them on their
  // text, a load clears them and an open reads them from the attribute file.
  DocMarks& Marks() { return marks_; }
  bool IsHtml() const override { return html_; }
  bool IsBinary() const override { return store_.Kind() == DocumentKind::kBinary; }
  bool WriteProtected() const override { return store_.WriteProtect(); }
  void ProtectAgainstWriting() override { store_.SetWriteProtect(true); }
  // The document's undo and redo buffers and the edits that go through them
  // (made on first use).
  UndoHistory& History();
  // The "/*" and "*/" tables that colour area comments, or null while the
  // document type is not C or C++ or "ColorAreaComment" is off. Every edit
  // keeps them current; RescanAreaComments scans the text anew (after a load
  // and a change of the layout settings), never a paint.
  const AreaCommentTables* AreaComments() const { return comments_.Tables(); }
  void RescanAreaComments();
  // Whether an edit since the last call added or removed a delimiter.
  bool TakeCommentDelimitersChanged() { return comments_.TakeDelimitersChanged(); }
  // Takes the line width of the current cabinet (16 bytes a row in binary
  // kind), as a new document does and every document when the cabinet's
  // format changes.
  void TakeCabinetLineWidth() override;

 private:
  DocumentKind InitialKind() const;
  // Makes the empty store of the document's kind with the display font's
  // lead-byte test; false (after the message) when memory runs out.
  bool CreateStore();

  const EditContext& context_;
  TextStore store_;
  std::unique_ptr<UndoHistory> history_;
  AreaCommentKeeper comments_;
  DocMarks marks_;
  int openKind_;
  bool html_;
};

}  // namespace quelt::win
