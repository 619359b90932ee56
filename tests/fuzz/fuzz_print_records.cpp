// The data of the played-back print and page-layout records: an operation
// file can hold any bytes there. The first byte picks the decoder; whatever
// decodes must stay within the record's limits and encode to data that
// decodes to the same values again.
#include <string>

#include "fuzz_check.h"
#include "print/page_layout.h"
#include "print/print_page.h"

namespace quelt {
namespace {

void CheckRequest(std::string_view data) {
  PrintRequest request;
  if (!DecodePrintRequest(data, request)) return;
  FUZZ_CHECK(request.scope != PrintScope::kPages || (request.fromPage >= 1 && request.fromPage <= request.toPage));
  const auto [first, last] = PagesToPrint(request, 5);
  FUZZ_CHECK(first >= 1 && last <= 5);
  PrintRequest again;
  FUZZ_CHECK(DecodePrintRequest(EncodePrintRequest(request), again) && again == request);
}

void CheckPageLayout(std::string_view data) {
  PageLayout layout;
  if (!DecodePageLayout(data, layout)) return;
  FUZZ_CHECK(layout.header.text.size() <= kMaxHeaderFooterText && layout.footer.text.size() <= kMaxHeaderFooterText);
  FUZZ_CHECK(layout.header.position >= kAlignLeft && layout.header.position <= kAlignRight);
  FUZZ_CHECK(layout.footer.position >= kAlignLeft && layout.footer.position <= kAlignRight);
  std::string bytes;
  EncodePageLayout(layout, bytes);
  FUZZ_CHECK(bytes.size() == kPageLayoutBytes);
  PageLayout again;
  FUZZ_CHECK(DecodePageLayout(bytes, again) && again == layout);
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view rest = quelt::fuzz::AsText(data + 1, size - 1);
  if (data[0] & 1) {
    quelt::CheckPageLayout(rest);
  } else {
    quelt::CheckRequest(rest);
  }
  return 0;
}
