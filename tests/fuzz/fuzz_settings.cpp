// The settings file: any bytes are parsed as an INI file and the settings
// record is loaded from it (in either interface language). The record is
// saved into the same file, the text written out, parsed and loaded again:
// the two records must be equal. The text model itself must serialise to a
// fixed point, and saving an unchanged record must change no line.
#include <string>
#include <vector>

#include "app/app_paths.h"
#include "app/ini_file.h"
#include "app/settings.h"
#include "base/memory_file_system.h"
#include "base/messages.h"
#include "fuzz_check.h"
#include "settings_compare.h"

namespace quelt {
namespace {

bool AllCarried(const std::vector<std::string>& values) {
  for (const std::string& v : values) {
    if (!fuzz::ProfileCarries(v)) return false;
  }
  return true;
}

void CheckSettings(std::string_view bytes, bool english) {
  SetEnglishInterface(english);
  const AppPaths paths = DeriveAppPaths("C:\\Quelt\\quelt.exe");
  MemoryFileSystem fs;

  IniFile ini(bytes);
  const std::string parsed = ini.Serialize();
  FUZZ_CHECK(IniFile(parsed).Serialize() == parsed);

  AppSettings first;
  LoadSettings(ini, paths, fs, first);
  const std::vector<std::string> recent = ReadRecentFiles(ini, first.recentFileListCount);
  FUZZ_CHECK(recent.size() <= std::size_t(first.recentFileListCount));
  SaveSettings(first, ini);
  WriteRecentFiles(ini, recent, first.recentFileListCount);
  const std::string written = ini.Serialize();

  IniFile reread(written);
  FUZZ_CHECK(reread.Serialize() == written);
  AppSettings second;
  LoadSettings(reread, paths, fs, second);
  bool lossy = false;
  const char* diff = fuzz::FirstDifference(first, second, lossy);
  if (diff) std::fprintf(stderr, "settings field differs after a save: %s\n", diff);
  FUZZ_CHECK(diff == nullptr);
  if (AllCarried(recent)) FUZZ_CHECK(ReadRecentFiles(reread, second.recentFileListCount) == recent);

  if (!lossy && AllCarried(recent)) {
    SaveSettings(second, reread);
    WriteRecentFiles(reread, recent, second.recentFileListCount);
    FUZZ_CHECK(reread.Serialize() == written);
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = quelt::fuzz::AsText(data, size);
  // A load and two saves cost tens of milliseconds under the sanitizers, so
  // each input runs in one interface language, chosen by its last byte.
  quelt::CheckSettings(bytes, size > 0 && (data[size - 1] & 1) != 0);
  quelt::SetEnglishInterface(false);
  return 0;
}
