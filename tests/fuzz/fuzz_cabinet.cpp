// Cabinet files: any bytes are parsed in both interface languages. A cabinet
// that reads is written back in the current layout and read again; the two
// models must be equal, apart from what the writer is documented to leave
// out (untitled documents, and entries at the end that would not fit the
// reader's buffer).
#include <string>
#include <vector>

#include "cabinet/cabinet_file.h"
#include "fuzz_check.h"

namespace quelt {
namespace {

// What every accepted file must leave in the model, whatever its bytes.
void CheckSound(const CabinetImage& image) {
  const CabinetSettings& s = image.settings;
  FUZZ_CHECK(s.keywords.size() == s.block[kWordKeywordCount]);
  FUZZ_CHECK(s.keywords.size() <= std::size_t(kMaxKeywords));
  for (const std::string& k : s.keywords) FUZZ_CHECK(IsValidKeyword(k));
  for (const FilterList& list : s.filters) {
    FUZZ_CHECK(list.size() <= std::size_t(kMaxFilterPairs));
    for (const FilterPair& p : list) {
      FUZZ_CHECK(IsValidFilterTitle(p.title));
      FUZZ_CHECK(IsValidFilterPattern(p.pattern));
    }
  }
  FUZZ_CHECK(s.files.size() <= std::size_t(kMaxCabinetFiles));
  for (const std::string& f : s.files) {
    FUZZ_CHECK(!f.empty());
    FUZZ_CHECK(SjisCharCount(f) <= std::size_t(kMaxCabinetPathChars));
  }
  FUZZ_CHECK(image.documents.size() <= std::size_t(kMaxCabinetDocuments));
  for (const CabinetDocument& d : image.documents) {
    FUZZ_CHECK(d.openKind == kOpenText || d.openKind == kOpenBinary);
    FUZZ_CHECK(d.path.find('\0') == std::string::npos);
  }
  FUZZ_CHECK(s.block[kWordLineWidth] >= 10 && s.block[kWordLineWidth] <= 250);
  FUZZ_CHECK(s.block[kWordTabWidth] >= 2 && s.block[kWordTabWidth] <= 20);
  FUZZ_CHECK(s.block[kWordLineCounting] <= 1);
  FUZZ_CHECK(s.block[kWordLineSpacing] <= 100 && s.block[kWordCharSpacing] <= 100);
  FUZZ_CHECK(s.block[kWordDocumentType] <= 2);
  FUZZ_CHECK(s.DocumentType() == int(s.block[kWordDocumentType]));
}

void CheckRoundTrip(std::string_view bytes, bool english) {
  CabinetImage first;
  if (!ParseCabinet(bytes, english, first)) return;
  CheckSound(first);

  std::string written;
  if (!WriteCabinetBytes(first.settings, first.documents, written)) {
    // The settings part is written at most eight bytes longer than it was
    // read (a missing file list and URL colour), so only a file at the very
    // end of the size range can fail to fit.
    FUZZ_CHECK(bytes.size() + 8 >= kCabinetBufferSize);
    return;
  }
  FUZZ_CHECK(written.size() < kCabinetBufferSize);

  CabinetImage second;
  FUZZ_CHECK(ParseCabinet(written, english, second));
  FUZZ_CHECK(second.layout == CabinetLayout::kCurrent);
  FUZZ_CHECK(second.settings == first.settings);

  std::vector<CabinetDocument> titled;
  for (const CabinetDocument& d : first.documents) {
    if (!d.path.empty()) titled.push_back(d);
  }
  FUZZ_CHECK(second.documents.size() <= titled.size());
  for (std::size_t i = 0; i < second.documents.size(); ++i) FUZZ_CHECK(second.documents[i] == titled[i]);
  if (second.documents.size() < titled.size()) {
    // An entry is dropped only when it would not fit the buffer.
    const CabinetDocument& next = titled[second.documents.size()];
    FUZZ_CHECK(written.size() + next.path.size() + kCurrentEntryFixedBytes >= kCabinetBufferSize);
  }

  // What the writer wrote it writes again byte for byte.
  std::string again;
  FUZZ_CHECK(WriteCabinetBytes(second.settings, second.documents, again));
  FUZZ_CHECK(again == written);
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = quelt::fuzz::AsText(data, size);
  quelt::CheckRoundTrip(bytes, false);
  quelt::CheckRoundTrip(bytes, true);
  return 0;
}
