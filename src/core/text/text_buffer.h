// The byte block that holds a document's text, with a small window cache in
// front of it. Edits near the caret only move bytes inside the window buffer;
// the block is brought up to date ("written back") when an access leaves the
// window or the window buffer is full, so typing in a 10 MB text does not
// move the whole tail on every key.
//
// While the window holds unwritten changes that altered its length, the part
// of the block behind the window is stale by that difference; every access
// outside the window therefore writes the window back first.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/types.h"

namespace quelt {

// The text block grows in steps of this many bytes.
constexpr std::uint32_t kTextGrowthStep = 32768;
// A text holds at most this many bytes (0xA00000).
constexpr std::uint32_t kMaxTextSize = 10485760;
// The window buffer holds at most this many bytes (it is one byte larger).
constexpr std::uint32_t kWindowBufferSize = 32768;
// Bytes loaded into the window when it is moved (0x5555).
constexpr std::uint32_t kWindowSize = 21845;

class CTextBuffer {
 public:
  CTextBuffer() = default;
  ~CTextBuffer();
  CTextBuffer(const CTextBuffer&) = delete;
  CTextBuffer& operator=(const CTextBuffer&) = delete;

  // Allocates the block (one growth step) and the window buffer. False when
  // either allocation fails; nothing stays allocated then.
  bool Create();
  void Destroy();
  bool Created() const { return window_ != nullptr; }

  // Makes room for a text of `needed` bytes plus two bytes of headroom.
  // kGrown means the block moved: pointers handed out before are stale.
  // kOutOfMemory leaves the old block and its content untouched.
  Capacity EnsureCapacity(std::uint32_t needed);

  std::uint8_t ByteAt(TextOffset p);
  void SetByte(TextOffset p, std::uint8_t value);
  void CopyOut(TextOffset p, std::uint32_t count, std::uint8_t* dest);
  // Overwrites count bytes starting at p.
  void Write(TextOffset p, const std::uint8_t* src, std::uint32_t count);
  // Moves count bytes from `from` up to `to` (to > from): room for an insertion.
  void OpenGap(TextOffset from, TextOffset to, std::uint32_t count);
  // Moves count bytes from `from` down to `to` (to < from): removes a range.
  void CloseGap(TextOffset to, TextOffset from, std::uint32_t count);

  // count contiguous readable bytes of the current text, valid until the
  // next operation on the buffer; nullptr when the range passes the block.
  const std::uint8_t* PointerToRange(TextOffset p, std::uint32_t count);
  // A pointer into the block itself after the window was written back. The
  // caller may also write through it: the window is reloaded on next use.
  std::uint8_t* PointerAt(TextOffset p);

  // Load and save work on the block directly: Begin writes the window back,
  // End reloads it around p without writing it back.
  void BeginDirectAccess(TextOffset p);
  void EndDirectAccess(TextOffset p);

  // Reads the current text without touching the window (for a const view of
  // the document); bytes past the block read as 0.
  void Peek(TextOffset p, std::uint32_t count, std::uint8_t* dest) const;

  std::uint32_t CapacityBytes() const { return capacity_; }
  bool DirectAccess() const { return direct_; }
  TextOffset WindowStart() const { return windowStart_; }
  std::uint32_t WindowLength() const { return windowLength_; }
  std::uint32_t LoadedLength() const { return loadedLength_; }
  bool Dirty() const { return dirty_; }
  // The block as it is, without writing the window back (for tests).
  const std::uint8_t* RawBlock() const { return base_; }

  // Every allocation or growth of more than this many bytes fails, so that
  // tests can reach the out-of-memory answers.
  void SetAllocationCeiling(std::size_t bytes) { ceiling_ = bytes; }

 private:
  bool InWindow(TextOffset p) const;
  bool RangeInWindow(TextOffset p, std::uint32_t count) const;
  // Brings p into the window; false when p lies past the block.
  bool BringIntoWindow(TextOffset p);
  void WriteBack();
  void Reload(TextOffset p);

  std::uint8_t* base_ = nullptr;
  bool direct_ = false;
  std::uint32_t capacity_ = 0;
  std::uint8_t* window_ = nullptr;  // kWindowBufferSize + 1 bytes
  TextOffset windowStart_ = 0;
  std::uint32_t windowLength_ = 0;
  std::uint32_t loadedLength_ = 0;
  bool dirty_ = false;
  std::size_t ceiling_ = SIZE_MAX;
};

}  // namespace quelt
