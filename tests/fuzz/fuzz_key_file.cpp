// Key-definition files: any bytes are parsed in either layout. A table that
// is accepted must be one the key table can hold and must write back to a
// file that reads as the same table. The first run also parses every
// truncation of the largest file.
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "keys/key_file.h"

namespace quelt {
namespace {

void CheckSound(const std::vector<KeyBinding>& table) {
  FUZZ_CHECK(table.size() <= kMaxKeyBindings);
  for (const KeyBinding& b : table) {
    FUZZ_CHECK(b.kind == BindingKind::kMenuCommand || b.kind == BindingKind::kOperation ||
               b.kind == BindingKind::kExtendedCommand);
    FUZZ_CHECK(b.modifiers <= kModCtrlShift);
    FUZZ_CHECK(b.operation.size() <= kMaxOperationNameLength);
    FUZZ_CHECK(b.operation.find('\0') == std::string::npos);
    if (b.kind != BindingKind::kOperation) FUZZ_CHECK(b.operation.empty());
  }
}

void Check(std::string_view bytes) {
  std::vector<KeyBinding> table;
  if (!ParseKeyFile(bytes, table)) {
    FUZZ_CHECK(table.empty());
    return;
  }
  CheckSound(table);
  const std::string again = BuildKeyFile(table);
  FUZZ_CHECK(again.size() == kKeyFileHeaderSize + kKeyFileBindingSize * table.size());
  std::vector<KeyBinding> back;
  FUZZ_CHECK(ParseKeyFile(again, back));
  FUZZ_CHECK(back == table);
}

// Every piece of the largest file shorter than the whole is refused.
void CheckTruncations() {
  std::vector<KeyBinding> table;
  for (std::size_t i = 0; i < kMaxKeyBindings; ++i)
    table.push_back({static_cast<std::uint32_t>('A' + i % 26), BindingKind::kOperation,
                     static_cast<std::uint16_t>(i % 4), 0, std::string(kMaxOperationNameLength, 'm')});
  const std::string file = BuildKeyFile(table);
  Check(file);
  for (std::size_t n = 0; n < file.size(); ++n) {
    std::vector<KeyBinding> out;
    FUZZ_CHECK(!ParseKeyFile(std::string_view(file).substr(0, n), out));
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool truncationsChecked = (quelt::CheckTruncations(), true);
  (void)truncationsChecked;
  quelt::Check(quelt::fuzz::AsText(data, size));
  return 0;
}
