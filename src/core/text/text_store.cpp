#include "text/text_store.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quelt {

TextStore::~TextStore() { FreeLineTables(); }

void TextStore::FreeLineTables() {
  std::free(lineStarts_);
  std::free(lineFlags_);
  lineStarts_ = nullptr;
  lineFlags_ = nullptr;
  lineCapacity_ = 0;
  lineCount_ = 0;
}

bool TextStore::Create(DocumentKind kind) {
  Destroy();
  bool ok = buffer_.Create();
  if (ok && kLineTableGrowth * sizeof(TextOffset) <= ceiling_) {
    lineStarts_ = static_cast<TextOffset*>(std::malloc(kLineTableGrowth * sizeof(TextOffset)));
    lineFlags_ = static_cast<std::uint8_t*>(std::malloc(kLineTableGrowth));
  }
  if (!ok || lineStarts_ == nullptr || lineFlags_ == nullptr) {
    Destroy();
    return false;
  }
  std::memset(lineStarts_, 0, kLineTableGrowth * sizeof(TextOffset));
  std::memset(lineFlags_, 0, kLineTableGrowth);
  lineCapacity_ = kLineTableGrowth;
  length_ = 0;
  lastChar_ = kNoLastChar;
  lineCount_ = 0;
  layout_ = DocLayoutSettings();
  SetKind(kind);
  charCode_ = 1;
  lineEnd_ = 1;
  forms_ = UnicodeForms();
  lostChars_ = 0;
  openedFromCipher_ = false;
  writeProtect_ = false;
  overwritePermit_ = false;
  backupGeneration_ = -1;
  return true;
}

void TextStore::Destroy() {
  buffer_.Destroy();
  FreeLineTables();
  length_ = 0;
  lastChar_ = kNoLastChar;
}

void TextStore::Clear() {
  length_ = 0;
  lastChar_ = kNoLastChar;
  lineCount_ = 0;
}

void TextStore::SetAllocationCeiling(std::size_t bytes) {
  ceiling_ = bytes;
  buffer_.SetAllocationCeiling(bytes);
}

// ---- Text ----

std::uint32_t TextStore::CharSizeAt(TextOffset at, std::uint32_t end) {
  if (kind_ == DocumentKind::kBinary || at + 1 >= end) return 1;
  const std::uint8_t c = buffer_.ByteAt(at);
  if (lead_(c)) return 2;
  if (c == kCr && buffer_.ByteAt(at + 1) == kLf) return 2;
  return 1;
}

TextOffset TextStore::CharStartBefore(TextOffset p) {
  if (p == 0) return 0;
  if (kind_ == DocumentKind::kBinary) return p - 1;
  // Stepping back in Shift-JIS is ambiguous (a trail byte may look like a
  // lead byte), so back up to a byte that must end a character - one that is
  // neither a lead byte nor a CR that may pair with an LF - and walk forward.
  TextOffset safe = 0;
  for (TextOffset j = p - 1; j-- > 0;) {
    const std::uint8_t c = buffer_.ByteAt(j);
    if (!lead_(c) && c != kCr) {
      safe = j + 1;
      break;
    }
  }
  TextOffset start = safe;
  for (TextOffset at = safe; at < p; at += CharSizeAt(at, p)) start = at;
  return start;
}

void TextStore::AddObserver(TextChangeObserver* observer) {
  if (observer == nullptr || std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) return;
  observers_.push_back(observer);
}

void TextStore::RemoveObserver(TextChangeObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

Capacity TextStore::Insert(TextOffset p, const std::uint8_t* bytes, std::uint32_t count) {
  if (count == 0) return Capacity::kFits;
  if (std::uint64_t{length_} + count >= kMaxTextSize) return Capacity::kOverLimit;
  const Capacity room = EnsureTextCapacity(length_ + count);
  if (room == Capacity::kOutOfMemory || room == Capacity::kOverLimit) return room;

  const TextOffset q = std::min(p, length_);
  if (q < length_) buffer_.OpenGap(q, q + count, length_ - q);
  buffer_.Write(q, bytes, count);
  const bool appended = lastChar_ < static_cast<std::int64_t>(q);
  length_ += count;
  if (appended) {
    // The last character is the last one of the inserted bytes.
    std::uint32_t size = 1;
    for (std::uint32_t i = 0; i < count; i += size) {
      const bool pair = kind_ == DocumentKind::kText && i + 1 < count &&
                        (lead_(bytes[i]) || (bytes[i] == kCr && bytes[i + 1] == kLf));
      size = pair ? 2 : 1;
    }
    lastChar_ = static_cast<std::int32_t>(length_ - size);
  } else {
    lastChar_ += static_cast<std::int32_t>(count);
  }
  for (TextChangeObserver* o : observers_) o->AfterInsert(*this, q, count);
  return room;
}

Capacity TextStore::Insert(TextOffset p, std::string_view bytes) {
  if (bytes.size() >= kMaxTextSize) return Capacity::kOverLimit;
  return Insert(p, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                static_cast<std::uint32_t>(bytes.size()));
}

void TextStore::Delete(TextOffset p, std::uint32_t count) {
  if (p >= length_ || count == 0) return;
  const std::uint32_t g = std::min(count, length_ - p);
  for (TextChangeObserver* o : observers_) o->BeforeDelete(*this, p, g);
  const bool toEnd = p + g == length_;
  std::int32_t newLast = kNoLastChar;
  if (toEnd) {
    // Nothing moves; the character before p becomes the last one.
    if (p > 0) newLast = static_cast<std::int32_t>(CharStartBefore(p));
  } else {
    buffer_.CloseGap(p, p + g, length_ - g - p);
  }
  length_ -= g;
  if (length_ == 0) {
    lastChar_ = kNoLastChar;
  } else if (toEnd) {
    lastChar_ = newLast;
  } else {
    lastChar_ -= static_cast<std::int32_t>(g);
  }
}

LoadResult TextStore::Load(const std::uint8_t* bytes, std::size_t n, DocumentKind kind) {
  LoadResult result;
  Clear();
  SetKind(kind);
  if (n > kMaxLoadSize) {
    n = kMaxLoadSize;
    result.truncated = true;
  }
  const auto size = static_cast<std::uint32_t>(n);
  result.capacity = EnsureTextCapacity(size);
  if (result.capacity == Capacity::kOutOfMemory || result.capacity == Capacity::kOverLimit) {
    return result;
  }
  buffer_.BeginDirectAccess(0);
  std::uint8_t* out = buffer_.PointerAt(0);
  std::uint32_t stored = 0;
  if (kind == DocumentKind::kBinary) {
    if (size > 0) std::memcpy(out, bytes, size);
    stored = size;
    lastChar_ = static_cast<std::int32_t>(size) - 1;
    result.hint = kHintBinaryLoaded;
  } else {
    std::uint32_t lastSize = 0;
    std::uint32_t i = 0;
    while (i < size) {
      std::uint8_t c = bytes[i];
      if (c == 0) c = ' ';
      if (lead_(c) || c == kCr) {
        if (i + 1 >= size) break;  // a trailing lead byte or CR is dropped
        const std::uint8_t c2 = bytes[i + 1];
        if (lead_(c) && c2 == kCr && i + 2 < size && bytes[i + 2] == kLf) {
          // A stray lead byte never takes the CR of a line end with it: it
          // becomes a space and the line end stays whole.
          out[stored++] = ' ';
          lastSize = 1;
          ++i;
          continue;
        }
        if (lead_(c) || c2 == kLf) {
          out[stored++] = c;
          out[stored++] = c2 == kCr ? ' ' : c2;
          lastSize = 2;
          i += 2;
        } else {
          ++i;  // a lone CR is removed
        }
        continue;
      }
      out[stored++] = c;
      lastSize = 1;
      ++i;
    }
    lastChar_ = stored == 0 ? kNoLastChar : static_cast<std::int32_t>(stored - lastSize);
    result.hint = stored == 0 ? kHintNone : kHintTextLoaded;
  }
  length_ = stored;
  buffer_.EndDirectAccess(0);
  return result;
}

LoadResult TextStore::Load(std::string_view bytes, DocumentKind kind) {
  return Load(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), kind);
}

std::string TextStore::Text() const {
  std::string text(length_, '\0');
  if (length_ > 0) CopyOut(0, length_, reinterpret_cast<std::uint8_t*>(text.data()));
  return text;
}

std::uint32_t TextStore::SetLead(LeadByteTest lead) {
  const bool switchedOn = lead.enabled() && !lead_.enabled();
  lead_ = lead;
  if (!switchedOn || kind_ == DocumentKind::kBinary) return 0;
  std::uint32_t replaced = 0;
  TextOffset i = 0;
  while (i < length_) {
    const std::uint8_t c = buffer_.ByteAt(i);
    if (i + 1 >= length_) break;
    if (lead_(c)) {
      if (buffer_.ByteAt(i + 1) == kCr && i + 2 < length_ && buffer_.ByteAt(i + 2) == kLf) {
        buffer_.SetByte(i, ' ');
        ++replaced;
        ++i;  // the CR LF is the next character
        continue;
      }
      i += 2;
    } else {
      i += CharSizeAt(i, length_);
    }
  }
  // The last character may now be a pair where it was a single byte.
  if (length_ > 0) lastChar_ = static_cast<std::int32_t>(CharStartBefore(length_));
  return replaced;
}

// ---- Display-line tables ----

Capacity TextStore::EnsureLineCapacity(std::uint32_t lines) {
  const std::uint64_t n = lines;
  if (n + 2 < lineCapacity_) {
    if (n < kMaxDisplayLines) return Capacity::kFits;
    if (n > kMaxDisplayLines) return Capacity::kOverLimit;
  } else if (n > kMaxDisplayLines) {
    return Capacity::kOverLimit;
  }
  const std::uint64_t newCapacity = kLineTableGrowth * ((n + 2) / kLineTableGrowth + 1);
  const std::uint64_t startsBytes = newCapacity * sizeof(TextOffset);
  if (startsBytes > ceiling_) return Capacity::kOutOfMemory;
  void* starts = std::realloc(lineStarts_, static_cast<std::size_t>(startsBytes));
  if (starts == nullptr) return Capacity::kOutOfMemory;
  lineStarts_ = static_cast<TextOffset*>(starts);
  // A larger offset table with the old capacity is still consistent.
  if (newCapacity > ceiling_) return Capacity::kOutOfMemory;
  void* flags = std::realloc(lineFlags_, static_cast<std::size_t>(newCapacity));
  if (flags == nullptr) return Capacity::kOutOfMemory;
  lineFlags_ = static_cast<std::uint8_t*>(flags);
  if (newCapacity > lineCapacity_) {
    const std::size_t added = static_cast<std::size_t>(newCapacity - lineCapacity_);
    std::memset(lineStarts_ + lineCapacity_, 0, added * sizeof(TextOffset));
    std::memset(lineFlags_ + lineCapacity_, 0, added);
  }
  lineCapacity_ = static_cast<std::uint32_t>(newCapacity);
  return Capacity::kGrown;
}

bool TextStore::SetLineCount(std::uint32_t n) {
  if (n > lineCapacity_) return false;
  lineCount_ = n;
  return true;
}

bool TextStore::SetLine(std::uint32_t i, TextOffset start, std::uint8_t flag) {
  if (i >= lineCapacity_) return false;
  lineStarts_[i] = start;
  lineFlags_[i] = (start >= 2 && flag != 0) ? 1 : 0;
  return true;
}

std::uint32_t TextStore::LogicalLineOf(std::uint32_t displayLine) const {
  if (displayLine == 0) return 0;
  const std::uint32_t i = std::min(displayLine, lineCount_);
  std::uint32_t sum = 0;
  if (i == lineCount_) {
    for (std::uint32_t k = 0; k < i; ++k) sum += lineFlags_[k];
    return sum + 1;
  }
  for (std::uint32_t k = 0; k <= i; ++k) sum += lineFlags_[k];
  return sum;
}

// ---- Document state ----

void TextStore::SetKind(DocumentKind kind) {
  kind_ = kind;
  if (kind_ == DocumentKind::kBinary) layout_.lineWidth = kBinaryLineWidth;
}

bool TextStore::EditAllowed(bool viewMode) const {
  return viewMode ? overwritePermit_ : !writeProtect_;
}

bool TextStore::ReplaceLayout(const DocLayoutSettings& settings) {
  const bool blockChanged = settings.block != layout_.block;
  layout_ = settings;
  if (kind_ == DocumentKind::kBinary) layout_.lineWidth = kBinaryLineWidth;
  return blockChanged;
}

bool ReportCapacityFailure(Host& host, Capacity code, bool lineTables) {
  if (code == Capacity::kOutOfMemory) {
    host.ShowMessage(kMsgOutOfMemory);
    return true;
  }
  if (code == Capacity::kOverLimit) {
    host.ShowMessage(lineTables ? kMsgTooManyLines : kMsgTooManyChars);
    return true;
  }
  return false;
}

}  // namespace quelt
