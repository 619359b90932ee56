// The current cabinet of the process and what the windows do with it:
// reading it at start-up with the reopening of its documents, saving it when
// the frame closes, the cabinet commands and the redraw after a settings
// change.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "cabinet/cabinet.h"
#include "cabinet/cabinet_pages.h"
#include "framework/command.h"

namespace quelt::win {

class Document;

// The three positions a cabinet keeps for a document: first visible line,
// caret line and caret column for a text view; first visible row, caret
// byte offset and 0 for a binary view.
struct CabinetPositions {
  std::uint32_t position1 = 0, position2 = 0, position3 = 0;
  bool binary = false;
};

// A view that knows its positions implements this; the cabinet asks it when
// it is saved. Views that do not keep the positions they were given.
class CabinetPositionSource {
 public:
  virtual ~CabinetPositionSource() = default;
  virtual CabinetPositions CurrentCabinetPositions() const = 0;
};

// The brush of the cabinet's text background colour, for the window class
// of the edit windows; the cabinet replaces it in that class when the colour
// changes.
HBRUSH CabinetBackgroundBrush();

class CabinetService : public CabinetDocuments {
 public:
  static CabinetService& Get();

  CCabinet& Cabinet() { return *cabinet_; }
  const CabinetSettings& Working() const { return cabinet_->Working(); }
  const std::string& Path() const { return cabinet_->Path(); }

  // Start-up: makes path current and reads it, reopening its documents
  // unless "InitialCabinetMode" is set. True when a cabinet was read.
  bool ReadAtStartup(const std::string& path);
  // The main frame is closing: the cabinet is written, documents stay open.
  void SaveAtFrameClose();

  // The positions a reopened document should move to once its edit window
  // exists; the edit window takes them (and they are forgotten) here.
  bool TakePendingPositions(const Document* document, CabinetPositions& positions);

  // The commands of the cabinet menu.
  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);

  // After a page or the font command changed the working copy.
  void AfterFormatChange(const FormatChange& change);
  void AfterColourChange(bool backgroundChanged);
  void AfterRedrawChange();
  // Commits when "CabinetSave" is on.
  void NoteChange();
  // Takes the current "CabinetSave" setting into the cabinet.
  void SyncCabinetSave();
  // Every text view is drawn again; every text document laid out again.
  void RedrawTextViews();
  void RelayoutTextDocuments();
  // The frame title from the current cabinet path ("Kav Quelt : name").
  void UpdateFrameTitle(bool readOk = true);

  // CabinetDocuments.
  std::vector<CabinetDocument> Collect() override;
  void CloseAll() override;
  void Reopen(const std::vector<CabinetDocument>& documents) override;
  void OpenUntitled() override;

 private:
  CabinetService();
  void OnChangeCabinet();
  void OnNewCabinet();
  void ForgetClosedDocuments();
  // A new brush of the working copy's text background colour.
  void RefreshBackgroundBrush();

  std::unique_ptr<CCabinet> cabinet_;
  std::map<const Document*, CabinetPositions> positions_;
};

}  // namespace quelt::win
