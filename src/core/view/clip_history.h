// The clipboard history: a ring of the texts most recently copied, shared by
// every window of the application. It keeps texts only while the setting
// "ClipHistory" is on.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

// The ring holds this many texts; the next one overwrites the oldest.
constexpr int kClipHistorySize = 30;
// Current index when there is no current entry.
constexpr int kNoClipEntry = kClipHistorySize;
// When the kept texts and a new one together pass this many bytes, the
// whole history is cleared first.
constexpr std::size_t kClipHistoryTotalLimit = 0x100000;
// "MaxClipLength": the longest text kept, its default and its valid range.
constexpr int kDefaultMaxClipLength = 204800;
constexpr int kMinMaxClipLength = 1024;
constexpr int kMaxMaxClipLength = 786432;

// The setting as used: values outside the range fall back to the default.
int EffectiveMaxClipLength(int setting);

class ClipHistory {
 public:
  // "ClipHistory" and "MaxClipLength".
  void Configure(bool enabled, int maxClipLength);

  // Keeps a copied text (nothing when the history is off or the text is
  // longer than the limit). The new entry becomes the current one.
  void Add(std::string_view text);
  void Clear();

  int Count() const { return count_; }
  int CurrentIndex() const { return current_; }
  int WriteIndex() const { return write_; }
  bool HasCurrent() const { return current_ < count_; }
  // Entry i of the ring (0..Count()-1), in slot order.
  const std::string& Entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }
  // The bytes of all kept texts.
  std::size_t TotalBytes() const;

  // The text the history paste commands insert; each returns nullptr (and
  // changes nothing) while the history is empty or has no current entry.
  // Current history paste.
  const std::string* Current() const;
  // Next history paste: one entry older (from slot 0 to the last slot).
  const std::string* Next();
  // Previous history paste: one entry newer (after the last slot to 0).
  const std::string* Previous();
  // Paste from history: the chosen entry becomes the current one.
  const std::string* Choose(int index);

 private:
  std::array<std::string, kClipHistorySize> entries_;
  int count_ = 0;
  int write_ = 0;
  int current_ = kNoClipEntry;
  bool enabled_ = false;
  std::size_t maxLength_ = kDefaultMaxClipLength;
};

}  // namespace quelt
