#include "global_search/file_blocks.h"

#include <algorithm>

#include "base/sjis.h"

namespace quelt {

std::uint32_t BlockCut(const std::string& block, std::uint32_t from) {
  const std::size_t crlf = block.rfind("\r\n");
  if (crlf != std::string::npos && crlf + 1 >= from) return static_cast<std::uint32_t>(crlf + 2);
  // No line end: keep whole characters only. A byte outside the lead range
  // always ends a character, so the parity of the run of lead-range bytes
  // at the end tells whether the last byte begins one.
  const auto* b = reinterpret_cast<const std::uint8_t*>(block.data());
  std::size_t cut = block.size();
  std::size_t p = cut;
  while (p > 0 && IsSjisLeadByte(b[p - 1])) --p;
  if (((cut - p) & 1) == 1) --cut;
  if (cut > 0 && b[cut - 1] == kCr) --cut;
  return static_cast<std::uint32_t>(cut > 0 ? cut : block.size());
}

namespace {

// Files up to this size are read in one go and their blocks taken from
// memory: one read per file instead of one per block.
constexpr std::uint64_t kReadWholeBytes = kMaxConvertBytes;
// A large file is converted in raw pieces of this size.
constexpr std::uint64_t kRawPieceBytes = 65536;

}  // namespace

bool FileBlocks::Open(FileSystem& fs, const std::string& path, int codeDecision, bool crlfEqualSjis,
                      const CipherConfig* cipher, const std::function<bool()>* askPassword) {
  fs_ = &fs;
  path_ = path;
  converted_ = false;
  text_.clear();
  inMemory_ = false;
  next_ = 0;
  atEnd_ = false;
  converter_.reset();
  stream_.clear();
  streamBase_ = 0;
  rawNext_ = 0;
  rawRest_.clear();
  rawDone_ = false;
  if (cipher && InCipherFolder(*cipher, path)) {
    FileInfo info;
    std::string raw, plain;
    if (fs.GetInfo(path, info) && info.size <= kMaxCipherFileBytes && fs.ReadFile(path, raw, kMaxCipherFileBytes) &&
        Decipher(cipher->key, raw, plain) && (!askPassword || !*askPassword || (*askPassword)())) {
      text_ = std::move(plain);
      converted_ = true;
      inMemory_ = true;
      return true;
    }
  }
  // text_ holds the whole file when it fits (checked by reading one byte
  // more); otherwise blocks are read from the file.
  FileInfo info;
  if (fs.GetInfo(path, info) && info.size > kReadWholeBytes) {
    if (!fs.ReadRange(path, 0, 0, text_)) return false;
  } else {
    if (!fs.ReadRange(path, 0, kReadWholeBytes + 1, text_)) return false;
    inMemory_ = text_.size() <= kReadWholeBytes;
  }
  if (!inMemory_) text_.clear();
  if (codeDecision == 1 || codeDecision < 0 || codeDecision > static_cast<int>(kLastCharCode)) return true;
  std::string sample;
  if (inMemory_) {
    sample.assign(text_, 0, std::min<std::size_t>(text_.size(), kDetectSampleBytes));
  } else if (!fs.ReadRange(path, 0, kDetectSampleBytes, sample)) {
    return false;
  }
  const Detection d = DetectForced(reinterpret_cast<const std::uint8_t*>(sample.data()), sample.size(),
                                   static_cast<CharCodeId>(codeDecision), crlfEqualSjis);
  const CharCodeId code = d.code;
  if (code == CharCodeId::kShiftJis && d.selector == kSelectorCrLf) return true;
  if (!inMemory_) {
    converter_.emplace(code, d.selector);  // converted as it is read
    converted_ = true;
    return true;
  }
  ConvertResult r = ToInternal(reinterpret_cast<const std::uint8_t*>(text_.data()), text_.size(), code, d.selector);
  if (r.status == ConvertStatus::kOk) {
    text_ = std::move(r.bytes);
    converted_ = true;
  }
  return true;
}

// Converts raw pieces until the converted bytes reach upTo or the file ends.
bool FileBlocks::FillStream(std::uint64_t upTo) {
  std::string raw;
  while (streamBase_ + stream_.size() < upTo && !rawDone_) {
    raw.clear();
    if (!fs_->ReadRange(path_, rawNext_, kRawPieceBytes, raw)) return false;
    rawNext_ += raw.size();
    rawDone_ = raw.size() < kRawPieceBytes;
    rawRest_ += raw;
    const std::size_t used = converter_->Convert(reinterpret_cast<const std::uint8_t*>(rawRest_.data()),
                                                 rawRest_.size(), rawDone_, stream_);
    rawRest_.erase(0, used);
  }
  return true;
}

bool FileBlocks::ReadAt(std::uint64_t offset, std::uint64_t n, std::string& out) {
  if (converter_) {
    // Offsets only grow: what lies before offset is no longer needed.
    if (offset > streamBase_) {
      const std::uint64_t drop = std::min<std::uint64_t>(offset - streamBase_, stream_.size());
      stream_.erase(0, static_cast<std::size_t>(drop));
      streamBase_ += drop;
    }
    if (!FillStream(offset + n)) return false;
    if (offset < streamBase_ + stream_.size()) {
      const auto at = static_cast<std::size_t>(offset - streamBase_);
      out.append(stream_, at, static_cast<std::size_t>(std::min<std::uint64_t>(n, stream_.size() - at)));
    }
    return true;
  }
  if (!inMemory_) {
    if (out.empty()) return fs_->ReadRange(path_, offset, n, out);
    std::string part;
    if (!fs_->ReadRange(path_, offset, n, part)) return false;
    out += part;
    return true;
  }
  if (offset < text_.size()) {
    out.append(text_, static_cast<std::size_t>(offset),
               static_cast<std::size_t>(std::min<std::uint64_t>(n, text_.size() - offset)));
  }
  return true;
}

bool FileBlocks::Next(std::string& block, std::uint32_t keep) {
  if (atEnd_ || fs_ == nullptr) return false;
  keep = std::min<std::uint32_t>(keep, static_cast<std::uint32_t>(block.size()));
  block.erase(0, block.size() - keep);
  const std::uint32_t want = std::max(kSearchBlockBytes, keep);
  if (!ReadAt(next_, want, block) || block.size() == keep) {
    atEnd_ = true;
    return false;
  }
  if (block.size() - keep < want) {
    atEnd_ = true;  // a shorter block is the last one
    next_ += block.size() - keep;
    return true;
  }
  const std::uint32_t cut = std::max(BlockCut(block, keep), keep + 1);
  next_ += cut - keep;
  block.resize(cut);
  return true;
}

bool FileBlocks::Whole(std::string& out, std::uint64_t maxBytes) {
  if (converter_) return false;  // too large to hold converted
  if (inMemory_ && (converted_ || text_.size() <= maxBytes)) {
    out = text_;
    return true;
  }
  FileInfo info;
  if (fs_ == nullptr || !fs_->GetInfo(path_, info) || info.size > maxBytes) return false;
  return fs_->ReadFile(path_, out, maxBytes);
}

}  // namespace quelt
