// The search file lists file, the recorded data of a search over files and
// the mask text all come from outside. Lists that load must write back to
// bytes that load the same; a record that decodes must encode to itself;
// masks split from any text keep within their limits.
#include <string>

#include "base/memory_file_system.h"
#include "fuzz_check.h"
#include "global_search/global_search.h"
#include "global_search/global_search_record.h"
#include "global_search/mask_text.h"
#include "global_search/search_file_lists.h"

namespace quelt {
namespace {

class NullSink : public GlobalSearchSink {
 public:
  void OnResult(std::string_view line) override { FUZZ_CHECK(line.size() >= 2 && line.substr(line.size() - 2) == "\r\n"); }
  bool KeepGoing(std::string_view, std::uint32_t) override { return ++calls < 64; }
  int calls = 0;
};

void CheckLists(std::string_view data) {
  const auto lists = DecodeSearchFileLists(data);
  if (!lists) return;
  const auto bytes = EncodeSearchFileLists(*lists);
  FUZZ_CHECK(bytes.has_value());
  const auto again = DecodeSearchFileLists(*bytes);
  FUZZ_CHECK(again && *again == *lists);
}

void CheckRecord(std::string_view data) {
  const auto request = DecodeGlobalSearchRecord(data);
  if (!request) return;
  FUZZ_CHECK(EncodeGlobalSearchRecord(*request) == data);
}

void CheckMasks(std::string_view data) {
  const auto masks = SplitMasks(data);
  FUZZ_CHECK(masks.size() <= kMaxMasks);
  for (const std::string& m : masks) FUZZ_CHECK(!m.empty());
  const auto joined = JoinMaskText(data, "C:\\folder");
  if (joined) FUZZ_CHECK(joined->size() <= kMaxMaskText);
  for (const std::string& m : masks) MatchesWildcard(m, std::string(data.substr(0, 16)));
}

// The bytes as a file searched for a short text taken from their start.
void CheckSearch(std::string_view data) {
  if (data.size() < 3) return;
  MemoryFileSystem fs;
  fs.WriteFile("C:\\f.txt", std::string(data.substr(2)));
  GlobalSearchRequest r;
  r.text.assign(data.substr(2, 1 + (static_cast<unsigned char>(data[0]) % 3)));
  r.maskText = "C:\\*.txt";
  r.subfolders = false;
  const unsigned flags = static_cast<unsigned char>(data[1]);
  r.regex = flags & 1;
  r.distinguishWidth = !(flags & 2);
  r.multiText = flags & 4;
  r.nonText = flags & 8;
  r.escapes = flags & 16;
  r.codeDecision = (flags >> 5) & 3;
  NullSink sink;
  const GlobalSearchOutcome o = RunGlobalSearch(fs, r, {}, sink);
  FUZZ_CHECK(o.files <= 1);
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = quelt::fuzz::AsText(data, size);
  quelt::CheckLists(text);
  quelt::CheckRecord(text);
  quelt::CheckMasks(text);
  quelt::CheckSearch(text);
  return 0;
}
