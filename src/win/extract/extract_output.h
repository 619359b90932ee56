// Where the lines of an extraction go: appended to the new document's text
// in batches (each batch laid out once, never a line at a time), at least
// every 100 ms while the lines are shown as they come and otherwise in large
// batches. Between lines the progress is asked whether to go on.
#pragma once

#include <string>

#include "extract/line_extraction.h"

namespace quelt {
class Host;
}

namespace quelt::win {

class Document;
class DocumentList;
class ExtractProgress;
class TextWindow;

class ExtractOutput : public ExtractSink {
 public:
  ExtractOutput(Host& host, DocumentList& documents, Document& doc, TextWindow& edit, ExtractProgress& progress,
                bool display)
      : host_(host), documents_(documents), doc_(doc), edit_(edit), progress_(progress), display_(display) {}

  bool OnLine(std::string_view line) override;
  bool KeepGoing() override;
  // Appends what is waiting; false when the document is gone or full.
  bool Flush();
  // The document was closed meanwhile (automation, DDE).
  bool DocumentOpen() const;
  // The text or the display lines reached their limit: the run stopped.
  bool Full() const { return full_; }

 private:
  Host& host_;
  DocumentList& documents_;
  Document& doc_;
  TextWindow& edit_;
  ExtractProgress& progress_;
  bool display_;
  std::string pending_;
  unsigned long lastFlush_ = 0;
  bool full_ = false;
};

}  // namespace quelt::win
