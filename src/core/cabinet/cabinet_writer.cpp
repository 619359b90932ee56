#include "base/path.h"
#include "cabinet/cabinet_bytes.h"
#include "cabinet/cabinet_file.h"

namespace quelt {
namespace {

using cabinet_bytes::Writer;

bool HasZero(std::string_view text) { return text.find('\0') != std::string_view::npos; }

// The keywords that can be written: at most 200, each 1-30 bytes.
std::vector<std::string_view> WritableKeywords(const CabinetSettings& s) {
  std::vector<std::string_view> out;
  for (const std::string& k : s.keywords) {
    if (out.size() == std::size_t(kMaxKeywords)) break;
    if (IsValidKeyword(k)) out.push_back(k);
  }
  return out;
}

void WriteBlockAndKeywords(Writer& w, const CabinetSettings& s, bool withKeywords) {
  const std::vector<std::string_view> keywords =
      withKeywords ? WritableKeywords(s) : std::vector<std::string_view>{};
  FormatBlock block = s.block;
  block[kWordKeywordCount] = std::uint32_t(keywords.size());
  for (std::uint32_t v : block) w.U32(v);
  w.U32(std::uint32_t(keywords.size()));
  for (std::string_view k : keywords) w.Text(k);
}

void WriteFilters(Writer& w, const CabinetSettings& s) {
  for (const FilterList& list : s.filters) {
    std::vector<const FilterPair*> pairs;
    for (const FilterPair& p : list) {
      if (pairs.size() == std::size_t(kMaxFilterPairs)) break;
      if (IsValidFilterTitle(p.title) && IsValidFilterPattern(p.pattern)) pairs.push_back(&p);
    }
    w.U32(std::uint32_t(pairs.size()));
    for (const FilterPair* p : pairs) {
      w.Text(p->title);
      w.Text(p->pattern);
    }
  }
}

// Everything from the format block to the end.
std::string SettingsPart(const CabinetSettings& s) {
  std::string out;
  Writer w(out);
  WriteBlockAndKeywords(w, s, true);
  w.U32(s.kinsoku);
  WriteFilters(w, s);
  w.U32(s.keywordWholeWord);
  w.U32(s.keywordCaseSensitive);
  w.U32(s.cursorLineColour);
  w.U32(s.htmlTagColour);
  std::vector<std::string_view> files;
  for (const std::string& f : s.files) {
    if (files.size() == std::size_t(kMaxCabinetFiles)) break;
    if (!f.empty() && !HasZero(f) && SjisCharCount(f) <= std::size_t(kMaxCabinetPathChars)) {
      files.push_back(f);
    }
  }
  w.U32(std::uint32_t(files.size()));
  for (std::string_view f : files) w.Text(f);
  w.U32(s.urlColour);
  return out;
}

std::string Entry(const CabinetDocument& d) {
  std::string out;
  Writer w(out);
  w.Text(d.path);
  const WindowPlacementRecord& p = d.placement;
  for (std::uint32_t v : {p.length, p.flags, p.showCmd}) w.U32(v);
  for (std::int32_t v : {p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom}) {
    w.U32(std::uint32_t(v));
  }
  w.U32(d.active ? 1 : 0);
  w.U32((d.writeProtected ? 1u : 0u) | std::uint32_t(d.openKind) << 8 | std::uint32_t(d.htmlFlag) << 16);
  w.U32(d.position1);
  w.U32(d.position2);
  w.U32(d.position3);
  return out;
}

}  // namespace

bool WriteCabinetBytes(const CabinetSettings& settings, const std::vector<CabinetDocument>& documents,
                       std::string& out) {
  const std::string tail = SettingsPart(settings);
  if (8 + tail.size() >= kCabinetBufferSize) return false;
  // Entries are kept while the file still fits the reader's buffer.
  std::string entries;
  std::uint32_t count = 0;
  for (const CabinetDocument& d : documents) {
    if (count == std::uint32_t(kMaxCabinetDocuments)) break;
    if (d.path.empty() || HasZero(d.path)) continue;
    const std::string entry = Entry(d);
    if (8 + entries.size() + entry.size() + tail.size() >= kCabinetBufferSize) break;
    entries += entry;
    ++count;
  }
  std::string file;
  Writer w(file);
  w.U32(count | kCabinetVersion << 24);
  w.U32(std::uint32_t(8 + entries.size()));
  file += entries;
  file += tail;
  out = std::move(file);
  return true;
}

std::string WriteNewCabinetBytes(const CabinetSettings& settings) {
  std::string out;
  Writer w(out);
  w.U32(kCabinetVersion << 24);
  w.U32(8);
  WriteBlockAndKeywords(w, settings, false);
  w.U32(settings.kinsoku);
  WriteFilters(w, settings);
  return out;
}

std::string DefaultCabinetPath(std::string_view exePath) {
  return JoinPath(FolderOf(exePath), kDefaultCabinetName);
}

std::string StartupCabinetPath(std::string_view cabinetName, bool initialCabinet,
                               std::string_view exePath) {
  if (cabinetName.empty() || initialCabinet) return DefaultCabinetPath(exePath);
  return std::string(cabinetName);
}

}  // namespace quelt
