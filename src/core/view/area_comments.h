// The per-document tables of area-comment delimiters: the offsets of every
// "/*" and of every "*/" in the text, each in ascending order. They let the
// comment pass colour "/*" ... "*/" without rescanning the text at every
// paint. The tables are kept only while the cabinet's document type is C or
// C++ and "ColorAreaComment" is on (AreaCommentsKept); the edit code calls
// NoteCommentInsert after every insertion, NoteCommentDelete before every
// deletion, and RebuildCommentTables after every full layout.
//
// A delimiter's offset is that of its first byte; "/*/" holds a "/*" at 0 and
// a "*/" at 1. Each table holds at most Capacity() entries ("CountOfColor-
// AreaComment"). When a delimiter does not fit, message 59406 is shown (once
// from a scan until the next scan: the tables are known to be short) and the
// table keeps the delimiters nearest the start of the text, so colouring is
// right up to its last entry and incomplete after.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "base/host.h"
#include "base/types.h"
#include "view/line_comment_memo.h"

namespace quelt {

class TextStore;

// Capacity of each table: "CountOfColorAreaComment", 700-10000; other values
// fall back to the default.
constexpr int kDefaultAreaComments = 700;
constexpr int kMinAreaComments = 700;
constexpr int kMaxAreaComments = 10000;

int AreaCommentCapacity(int setting);
// Whether a document keeps the tables: document type 1 or 2 with
// "ColorAreaComment" on.
bool AreaCommentsKept(int documentType, bool colorAreaComment);

class AreaCommentTables {
 public:
  AreaCommentTables() = default;
  AreaCommentTables(const AreaCommentTables&) = delete;
  AreaCommentTables& operator=(const AreaCommentTables&) = delete;

  // Allocates both tables (empty) for the capacity setting. False when the
  // memory cannot be had; the tables are then unusable and stay empty.
  bool Create(int capacitySetting = kDefaultAreaComments);
  void Clear();
  std::uint32_t Capacity() const { return capacity_; }

  std::span<const TextOffset> Opens() const { return {opens_.get(), openCount_}; }
  std::span<const TextOffset> Closes() const { return {closes_.get(), closeCount_}; }
  // Where "//" stands on the logical lines the colouring asked about; kept
  // right by the notes below, emptied by a scan.
  LineCommentMemo& Memo() const { return memo_; }

  // Empties both tables and scans the whole text.
  void RebuildCommentTables(const TextStore& store, Host& host);
  // After `length` bytes were inserted at p: entries at or after p move,
  // a delimiter the insertion split is dropped, and the bytes from p - 1 to
  // p + length are scanned for new ones. True when a delimiter came or went
  // (colours may change up to the end of the text).
  bool NoteCommentInsert(const TextStore& store, TextOffset p, std::uint32_t length, Host& host);
  // Before `length` bytes at p are removed: delimiters touching them are
  // dropped, later ones move back, and the bytes either side of the removed
  // range are checked for a delimiter they will form. True when a delimiter
  // came or went.
  bool NoteCommentDelete(const TextStore& store, TextOffset p, std::uint32_t length, Host& host);

 private:
  // Adds a delimiter in order; false when the table was full (the entry
  // nearest the end of the text is then dropped, or the new one if it lies
  // last).
  bool Add(std::unique_ptr<TextOffset[]>& entries, std::uint32_t& count, TextOffset at);
  void NoteOverflow(Host& host);

  std::unique_ptr<TextOffset[]> opens_;
  std::unique_ptr<TextOffset[]> closes_;
  std::uint32_t openCount_ = 0;
  std::uint32_t closeCount_ = 0;
  std::uint32_t capacity_ = 0;
  bool reported_ = false;  // 59406 shown since the last scan
  mutable LineCommentMemo memo_;
};

}  // namespace quelt
