// The engine side of a text document: its text, the display-line tables the
// layout fills, and the document-level state that editing, saving and the
// views share (length, last-character offset, kind, code and line-end ids,
// protection flags, per-document layout settings).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "base/sjis.h"
#include "base/types.h"
#include "text/text_buffer.h"
#include "text/unicode_forms.h"

namespace quelt {

// Update hints a text document sends to its views.
constexpr int kHintNone = 0;
constexpr int kHintTextLoaded = 16;
constexpr int kHintStorageReallocated = 17;  // refetch text and line-table pointers
constexpr int kHintLayoutReplaced = 32;      // argument: nonzero when the 60-byte block changed
constexpr int kHintBinaryLoaded = 128;

// A document holds at most this many display lines.
constexpr std::uint32_t kMaxDisplayLines = 100000;
// The line tables grow in steps of this many lines (and start with as many).
constexpr std::uint32_t kLineTableGrowth = 2000;
// A file longer than the limit is cut to this many bytes when it is loaded.
constexpr std::uint32_t kMaxLoadSize = kMaxTextSize - 3;
// Last-character offset of an empty text.
constexpr std::int32_t kNoLastChar = -1;
// Line width of a document opened in binary kind (bytes per row).
constexpr int kBinaryLineWidth = 16;
// Size of the per-document layout settings block (a logical-font record).
constexpr std::size_t kLayoutBlockSize = 60;

enum class DocumentKind : int { kText = 1, kBinary = 2 };

// The layout settings copied into a document from the current settings.
struct DocLayoutSettings {
  int lineWidth = 80;  // characters per display line
  int values[3] = {};  // the other three format values the layout reads
  std::array<std::uint8_t, kLayoutBlockSize> block{};
};

struct LoadResult {
  Capacity capacity = Capacity::kFits;  // kOutOfMemory: the store stays empty
  int hint = kHintNone;                 // kHintTextLoaded, kHintBinaryLoaded or none
  bool truncated = false;               // only the first kMaxLoadSize bytes were loaded
};

class TextStore;

// Told of every change that Insert and Delete make to the text (not of a
// load, after which the owner rebuilds what it keeps).
class TextChangeObserver {
 public:
  virtual ~TextChangeObserver() = default;
  virtual void AfterInsert(const TextStore& store, TextOffset p, std::uint32_t count) = 0;
  virtual void BeforeDelete(const TextStore& store, TextOffset p, std::uint32_t count) = 0;
};

class TextStore {
 public:
  explicit TextStore(LeadByteTest lead = LeadByteTest()) : lead_(lead) {}
  ~TextStore();
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;

  // Allocates the text block, the window and both line tables for an empty
  // document of the given kind. False when an allocation fails; everything
  // allocated so far is released (the caller shows "out of memory").
  bool Create(DocumentKind kind = DocumentKind::kText);
  void Destroy();
  // Empties the text and the line tables.
  void Clear();

  // ---- Text ----
  Capacity EnsureTextCapacity(std::uint32_t needed) { return buffer_.EnsureCapacity(needed); }
  // Inserts whole characters at p (clamped to the length). Makes room first:
  // kOutOfMemory and kOverLimit leave the text unchanged; kGrown asks the
  // caller to send kHintStorageReallocated.
  Capacity Insert(TextOffset p, const std::uint8_t* bytes, std::uint32_t count);
  Capacity Insert(TextOffset p, std::string_view bytes);
  void Delete(TextOffset p, std::uint32_t count);
  // Replaces the text with a file's bytes by the reading rules of the kind.
  LoadResult Load(const std::uint8_t* bytes, std::size_t n, DocumentKind kind);
  LoadResult Load(std::string_view bytes, DocumentKind kind);

  std::uint32_t Length() const { return length_; }
  std::int32_t LastChar() const { return lastChar_; }
  std::uint8_t ByteAt(TextOffset p) { return buffer_.ByteAt(p); }
  void CopyOut(TextOffset p, std::uint32_t count, std::uint8_t* dest) const {
    buffer_.Peek(p, count, dest);
  }
  // The whole text, for saving.
  std::string Text() const;
  CTextBuffer& Buffer() { return buffer_; }

  // Start of the character that ends just before p (p > 0), found by walking
  // forward from the nearest byte that must end a character.
  TextOffset CharStartBefore(TextOffset p);

  // ---- Display-line tables ----
  Capacity EnsureLineCapacity(std::uint32_t lines);
  std::uint32_t LineCapacity() const { return lineCapacity_; }
  std::uint32_t LineCount() const { return lineCount_; }
  // False when n passes the table's capacity.
  bool SetLineCount(std::uint32_t n);
  // Line i must lie within the capacity. A line starting at offset 0 or 1
  // never begins a logical line, so its flag is stored as 0.
  bool SetLine(std::uint32_t i, TextOffset start, std::uint8_t flag);
  TextOffset LineStart(std::uint32_t i) const { return i < lineCapacity_ ? lineStarts_[i] : 0; }
  std::uint8_t LineFlag(std::uint32_t i) const { return i < lineCapacity_ ? lineFlags_[i] : 0; }
  // The tables themselves, for copying a rebuilt layout in; refetch after
  // kGrown.
  TextOffset* LineStarts() { return lineStarts_; }
  const TextOffset* LineStarts() const { return lineStarts_; }
  std::uint8_t* LineFlags() { return lineFlags_; }
  // 0-based logical line of display line i; i may be one past the last line.
  std::uint32_t LogicalLineOf(std::uint32_t displayLine) const;

  // ---- Document state ----
  DocumentKind Kind() const { return kind_; }
  // Binary kind forces the line width to kBinaryLineWidth.
  void SetKind(DocumentKind kind);
  int CharCode() const { return charCode_; }
  void SetCharCode(int id) { charCode_ = id; }
  int LineEnd() const { return lineEnd_; }
  void SetLineEnd(int id) { lineEnd_ = id; }
  // The forms of the two-form characters a UTF-8 or UTF-16 file came in,
  // written back by its save.
  const UnicodeForms& Forms() const { return forms_; }
  void SetForms(const UnicodeForms& forms) { forms_ = forms; }
  // The characters of that file that a save cannot write back as they
  // were: Save As tells them again, and refuses to write over that file.
  std::uint64_t LostChars() const { return lostChars_; }
  void SetLostChars(std::uint64_t count) { lostChars_ = count; }
  bool WriteProtect() const { return writeProtect_; }
  void SetWriteProtect(bool on) { writeProtect_ = on; }
  bool OverwritePermit() const { return overwritePermit_; }
  void SetOverwritePermit(bool on) { overwritePermit_ = on; }
  bool OpenedFromCipher() const { return openedFromCipher_; }
  void SetOpenedFromCipher(bool on) { openedFromCipher_ = on; }
  int BackupGeneration() const { return backupGeneration_; }
  void SetBackupGeneration(int generation) { backupGeneration_ = generation; }
  // In browse mode only a document with the overwrite permit may change;
  // otherwise only one without write protection. Save follows the same rule.
  bool EditAllowed(bool viewMode) const;

  const DocLayoutSettings& Layout() const { return layout_; }
  // Replaces the layout settings; true when the 60-byte block differs (the
  // argument of kHintLayoutReplaced).
  bool ReplaceLayout(const DocLayoutSettings& settings);

  LeadByteTest Lead() const { return lead_; }
  // Takes a new lead-byte test. When it switches the test on, a lead byte
  // that would pair with the CR of a CR LF becomes a space, so that no
  // character spans a line end. Returns how many bytes were replaced.
  std::uint32_t SetLead(LeadByteTest lead);

  // Observers are told of each change in the order they were added; one
  // added twice is told once. Removing one not added does nothing.
  void AddObserver(TextChangeObserver* observer);
  void RemoveObserver(TextChangeObserver* observer);

  // Allocations of more than this many bytes fail (tests of out of memory).
  void SetAllocationCeiling(std::size_t bytes);

 private:
  // Size of the character starting at `at` as the store counts it: a lead
  // byte and its trail byte, and CR LF, are two bytes; in binary kind every
  // byte is one character.
  std::uint32_t CharSizeAt(TextOffset at, std::uint32_t end);
  void FreeLineTables();

  CTextBuffer buffer_;
  TextOffset* lineStarts_ = nullptr;
  std::uint8_t* lineFlags_ = nullptr;
  std::uint32_t lineCapacity_ = 0;
  std::uint32_t length_ = 0;
  std::int32_t lastChar_ = kNoLastChar;
  std::uint32_t lineCount_ = 0;
  DocLayoutSettings layout_;
  DocumentKind kind_ = DocumentKind::kText;
  int charCode_ = 1;  // Shift-JIS
  int lineEnd_ = 1;   // CR LF
  UnicodeForms forms_;
  std::uint64_t lostChars_ = 0;
  bool openedFromCipher_ = false;
  bool writeProtect_ = false;
  bool overwritePermit_ = false;
  int backupGeneration_ = -1;  // no backup made since the document was opened
  LeadByteTest lead_;
  std::size_t ceiling_ = SIZE_MAX;
  std::vector<TextChangeObserver*> observers_;
};

// Shows the message for a failed capacity check (2 out of memory, 3 over the
// limit of the text or of the line tables). True when code was a failure.
bool ReportCapacityFailure(Host& host, Capacity code, bool lineTables);

}  // namespace quelt
