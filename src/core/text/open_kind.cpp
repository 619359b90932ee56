#include "text/open_kind.h"

#include "base/file_system.h"
#include "cabinet/cabinet_signature.h"

namespace quelt {
namespace {

constexpr const char* kKindNames[] = {"自動", "ﾃｷｽﾄ", "ﾊﾞｲﾅﾘ", "HTMLﾌﾟﾚｰﾝ", "HTMLﾋﾞｼﾞｭｱﾙ", "ｷｬﾋﾞﾈｯﾄ"};

// Control bytes that plain text never holds. Tab, line ends, form feed,
// back space and the rest of 0x06-0x0D, and ESC (JIS) are text.
bool IsBinaryByte(std::uint8_t c) {
  return c <= 0x05 || (c >= 0x0E && c <= 0x1A) || (c >= 0x1C && c <= 0x1F);
}

bool StartsWithHtmlTag(const std::uint8_t* head, std::size_t n) {
  static constexpr char kTag[] = "<HTML>";
  if (n <= 6) return false;
  for (std::size_t i = 0; i < 6; ++i) {
    std::uint8_t c = head[i];
    if (c >= 'a' && c <= 'z') c = static_cast<std::uint8_t>(c - 'a' + 'A');
    if (c != static_cast<std::uint8_t>(kTag[i])) return false;
  }
  return true;
}

}  // namespace

const char* OpenKindName(OpenKindId id) {
  const int i = static_cast<int>(id);
  return (i >= 0 && i < 6) ? kKindNames[i] : "";
}

OpenKindId DecideOpenKind(const std::uint8_t* head, std::size_t n) {
  if (head == nullptr || n == 0) return OpenKindId::kText;
  if (n > kKindSampleBytes) n = kKindSampleBytes;
  if (HasCabinetSignature(head, n)) return OpenKindId::kCabinet;
  for (std::size_t i = 0; i < n; ++i) {
    if (IsBinaryByte(head[i])) return OpenKindId::kBinary;
  }
  if (StartsWithHtmlTag(head, n)) return OpenKindId::kHtmlPlain;
  return OpenKindId::kText;
}

OpenKindId DecideOpenKindOfFile(FileSystem& fs, const std::string& path, bool inCipherFolder) {
  if (inCipherFolder) return OpenKindId::kText;
  std::string head;
  if (!fs.ReadFile(path, head, kKindSampleBytes)) return OpenKindId::kText;
  return DecideOpenKind(reinterpret_cast<const std::uint8_t*>(head.data()), head.size());
}

}  // namespace quelt
