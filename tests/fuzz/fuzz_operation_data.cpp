// The data of played-back records: an operation file can hold any bytes as
// the data of a record, and each command decodes its own. The first byte
// picks the decoder; whatever decodes must encode to data that decodes to
// the same values again.
#include <string>

#include "app/common_settings_record.h"
#include "cabinet/cabinet_pages.h"
#include "find/find_record.h"
#include "fuzz_check.h"
#include "text/open_record.h"

namespace quelt {
namespace {

template <class T, class Decode, class Encode>
void CheckOptional(std::string_view data, Decode decode, Encode encode) {
  const std::optional<T> value = decode(data);
  if (!value) return;
  const std::optional<T> again = decode(encode(*value));
  FUZZ_CHECK(again && *again == *value);
}

void CheckCommonSettings(std::string_view data) {
  static const AppSettings base = DefaultSettings(DeriveAppPaths("C:\\Quelt\\QUELT.EXE"));
  const auto choice = DecodeCommonSettingsRecord(data, base);
  if (!choice) return;
  const std::string encoded = EncodeCommonSettingsRecord(*choice);
  const auto again = DecodeCommonSettingsRecord(encoded, base);
  FUZZ_CHECK(again && EncodeCommonSettingsRecord(*again) == encoded);
  AppSettings s = base;
  if (!ApplyCommonSettingsChoice(*choice, s)) {
    // A refused page changes nothing: every page shows what it showed.
    CommonSettingsChoice before = CommonSettingsChoice::FromSettings(base);
    CommonSettingsChoice after = CommonSettingsChoice::FromSettings(s);
    before.editOpened = before.displayOpened = before.foldersOpened = before.scrollOpened = before.rulerOpened = true;
    after.editOpened = after.displayOpened = after.foldersOpened = after.scrollOpened = after.rulerOpened = true;
    FUZZ_CHECK(EncodeCommonSettingsRecord(before) == EncodeCommonSettingsRecord(after));
  }
}

void CheckFormat(std::string_view data) {
  FormatPageValues values;
  if (!DecodeFormatRecord(data, values)) return;
  FUZZ_CHECK(FormatPageValid(values));
  FormatPageValues again;
  FUZZ_CHECK(DecodeFormatRecord(EncodeFormatRecord(values), again) && again == values);
}

void CheckFont(std::string_view data) {
  FontRecord font;
  if (!DecodeFontRecord(data, font)) return;
  FontRecord again;
  FUZZ_CHECK(DecodeFontRecord(EncodeFontRecord(font), again) && again == font);
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  if (size == 0) return 0;
  const std::string_view record = fuzz::AsText(data + 1, size - 1);
  switch (data[0] % 7) {
    case 0:
      CheckOptional<OpenDialogChoice>(record, DecodeOpenDialogChoice, EncodeOpenDialogChoice);
      break;
    case 1:
      CheckOptional<SaveAsRecord>(record, DecodeSaveAsRecord, EncodeSaveAsRecord);
      break;
    case 2:
      CheckOptional<FindRequest>(record, DecodeFindRecord, EncodeFindRecord);
      break;
    case 3:
      CheckOptional<std::string>(record, DecodeFindBoxText, EncodeFindBoxText);
      break;
    case 4:
      CheckFormat(record);
      break;
    case 5:
      CheckFont(record);
      break;
    default:
      CheckCommonSettings(record);
      break;
  }
  return 0;
}
