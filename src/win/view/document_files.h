// The file steps of a text document as the document hands them on: reading
// its file, writing it, the save-modified prompt and the document's file
// commands. The file commands (text/) carry them out.
#pragma once

#include <windows.h>

#include <string>

#include "framework/command.h"

namespace quelt::win {

class CNorbDoc;

class TextDocumentFiles {
 public:
  virtual bool Open(CNorbDoc& doc, const std::string& path) = 0;
  virtual bool Save(CNorbDoc& doc, const std::string& path) = 0;
  // True when the close may go on.
  virtual bool SaveModified(CNorbDoc& doc) = 0;
  // The document commands; the document may be gone after OnCommand.
  virtual bool OnCommand(CNorbDoc& doc, UINT id) = 0;
  virtual bool OnUpdateCommand(CNorbDoc& doc, UINT id, CommandState& state) = 0;

 protected:
  ~TextDocumentFiles() = default;
};

}  // namespace quelt::win
