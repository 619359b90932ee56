#include "tools/url_launch.h"

#include "base/path.h"

namespace quelt {

BrowserRoute ChooseBrowserRoute(std::string_view browserPath, std::string_view ddeBrowserName, bool passSpecial) {
  if (browserPath.empty()) return BrowserRoute::kNone;
  if (passSpecial || !EqualsNoCase(FileNameOf(browserPath), ddeBrowserName)) return BrowserRoute::kShell;
  return BrowserRoute::kDde;
}

std::string BrowserDdeItem(std::string_view url) { return std::string(url) + ",,0xFFFFFFFF,0x3"; }

std::string MailtoUrl(std::string_view address) { return "mailto:" + std::string(address); }

std::string MailerArguments(std::string_view argumentTemplate, std::string_view address) {
  std::string out(argumentTemplate);
  std::size_t at = out.find("$t");
  if (at == std::string::npos) at = out.find("$T");
  if (at != std::string::npos) out.replace(at, 2, address);
  return out;
}

}  // namespace quelt
