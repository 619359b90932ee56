#include "global_search/file_blocks.h"

#include <algorithm>

#include "base/sjis.h"
#include "text/char_code.h"

namespace quelt {

std::uint32_t BlockCut(const std::string& block) {
  const std::size_t crlf = block.rfind("\r\n");
  if (crlf != std::string::npos) return static_cast<std::uint32_t>(crlf + 2);
  // No line end: keep whole characters only.
  const auto* b = reinterpret_cast<const std::uint8_t*>(block.data());
  std::size_t i = 0;
  while (i < block.size()) {
    if (IsSjisLeadByte(b[i]) && i + 1 == block.size()) break;
    i += SjisCharSize(b, block.size(), i);
  }
  return static_cast<std::uint32_t>(i > 0 ? i : block.size());
}

namespace {

// Files up to this size are read in one go and their blocks taken from
// memory: one read per file instead of one per block.
constexpr std::uint64_t kReadWholeBytes = kMaxConvertBytes;

}  // namespace

bool FileBlocks::Open(FileSystem& fs, const std::string& path, int codeDecision, bool crlfEqualSjis,
                      const CipherConfig* cipher, const std::function<bool()>* askPassword) {
  fs_ = &fs;
  path_ = path;
  converted_ = false;
  text_.clear();
  next_ = 0;
  atEnd_ = false;
  if (cipher && InCipherFolder(*cipher, path)) {
    FileInfo info;
    std::string raw, plain;
    if (fs.GetInfo(path, info) && info.size <= kMaxCipherFileBytes && fs.ReadFile(path, raw, kMaxCipherFileBytes) &&
        Decipher(cipher->key, raw, plain) && (!askPassword || !*askPassword || (*askPassword)())) {
      text_ = std::move(plain);
      converted_ = true;
      return true;
    }
  }
  // text_ holds the whole file when it fits (checked by reading one byte
  // more); otherwise it is left empty and blocks are read from the file.
  FileInfo info;
  bool whole = false;
  if (fs.GetInfo(path, info) && info.size > kReadWholeBytes) {
    if (!fs.ReadRange(path, 0, 0, text_)) return false;
  } else {
    if (!fs.ReadRange(path, 0, kReadWholeBytes + 1, text_)) return false;
    whole = text_.size() <= kReadWholeBytes;
  }
  if (!whole) text_.clear();
  if (codeDecision == 1 || codeDecision < 0 || codeDecision > 3) return true;
  std::string sample;
  if (whole) {
    sample.assign(text_, 0, std::min<std::size_t>(text_.size(), kDetectSampleBytes));
  } else if (!fs.ReadRange(path, 0, kDetectSampleBytes, sample)) {
    return false;
  }
  const Detection d = Detect(reinterpret_cast<const std::uint8_t*>(sample.data()), sample.size(), crlfEqualSjis);
  const CharCodeId code = codeDecision == 2 ? CharCodeId::kJis : codeDecision == 3 ? CharCodeId::kEuc : d.code;
  if (code == CharCodeId::kShiftJis && d.selector == kSelectorCrLf) return true;
  if (!whole || text_.size() > kMaxConvertBytes) return true;  // too large to convert: searched as it is
  ConvertResult r = ToInternal(reinterpret_cast<const std::uint8_t*>(text_.data()), text_.size(), code, d.selector);
  if (r.status == ConvertStatus::kOk) {
    text_ = std::move(r.bytes);
    converted_ = true;
  }
  return true;
}

bool FileBlocks::ReadAt(std::uint64_t offset, std::uint64_t n, std::string& out) {
  // An empty text_ of a file not converted: the file is read.
  if (!converted_ && text_.empty()) return fs_->ReadRange(path_, offset, n, out);
  if (offset >= text_.size()) {
    out.clear();
  } else {
    out.assign(text_, static_cast<std::size_t>(offset),
               static_cast<std::size_t>(std::min<std::uint64_t>(n, text_.size() - offset)));
  }
  return true;
}

bool FileBlocks::Next(std::string& block) {
  if (atEnd_ || fs_ == nullptr) return false;
  if (!ReadAt(next_, kSearchBlockBytes, block) || block.empty()) {
    atEnd_ = true;
    return false;
  }
  if (block.size() < kSearchBlockBytes) {
    atEnd_ = true;  // a shorter block is the last one
    return true;
  }
  const std::uint32_t cut = BlockCut(block);
  block.resize(cut);
  next_ += cut;
  return true;
}

bool FileBlocks::Whole(std::string& out, std::uint64_t maxBytes) {
  if (converted_ || (!text_.empty() && text_.size() <= maxBytes)) {
    out = text_;
    return true;
  }
  FileInfo info;
  if (fs_ == nullptr || !fs_->GetInfo(path_, info) || info.size > maxBytes) return false;
  return fs_->ReadFile(path_, out, maxBytes);
}

}  // namespace quelt
