// The current cabinet of the process and what the windows do with it:
// reading it at start-up with the reopening of its documents, saving it when
// the frame closes, the cabinet commands and the redraw after a settings
// change.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "cabinet/cabinet.h"
#include "cabinet/cabinet_pages.h"
#include "framework/command.h"

namespace quelt {
struct AppSettings;
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

class Document;
class DocumentList;
class DocumentOpener;
class OwnerWindow;

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

// A text document as the cabinet sees it: what it stores of it and sets on
// it again. The text document implements this.
class CabinetTextDocument {
 public:
  virtual ~CabinetTextDocument() = default;
  virtual bool IsBinary() const = 0;
  virtual bool IsHtml() const = 0;
  virtual bool WriteProtected() const = 0;
  virtual void ProtectAgainstWriting() = 0;
  // Takes the line width of the current cabinet (after a format change).
  virtual void TakeCabinetLineWidth() = 0;
};

// What the cabinet service is handed: the files and the user, the settings
// ("CabinetSave", "CabinetName"), the main window, the open documents, and
// the file-list window it refreshes.
struct CabinetServiceContext {
  FileSystem& files;
  Host& host;
  AppSettings& settings;
  OwnerWindow& owner;
  DocumentList& documents;
  DocumentOpener& opener;
  std::function<void()> refreshFileList;
};

// The brush of the cabinet's text background colour, for the window class
// of the edit windows; the cabinet replaces it in that class when the colour
// changes.
HBRUSH CabinetBackgroundBrush();

class CabinetService : public CabinetDocuments {
 public:
  // The application makes the one service; the cabinet's own sheet, pages
  // and dialogs reach it through Get() while it exists.
  explicit CabinetService(CabinetServiceContext context);
  ~CabinetService() override;
  CabinetService(const CabinetService&) = delete;
  CabinetService& operator=(const CabinetService&) = delete;
  static CabinetService& Get();
  // Makes the current cabinet, with the defaults of the interface language
  // the settings file chose; before any other use.
  void Start();

  Host& GetHost() const { return context_.host; }
  // The owner of the cabinet's dialogs.
  HWND MainHwnd() const;

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
  void OnChangeCabinet();
  void OnNewCabinet();
  void ForgetClosedDocuments();
  // A new brush of the working copy's text background colour.
  void RefreshBackgroundBrush();

  // The open text documents, in the order they opened.
  std::vector<Document*> TextDocuments() const;
  void SetStatusText(const std::wstring& text) const;
  void MaximiseActiveChild() const;

  CabinetServiceContext context_;
  std::unique_ptr<CCabinet> cabinet_;
  std::map<const Document*, CabinetPositions> positions_;
};

}  // namespace quelt::win
