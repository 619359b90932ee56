// What opening a URL or writing to an e-mail address sends where: the
// browser's route (the shell, or a DDE request to a browser that offers
// "WWW_OpenURL"), the request's item text, and the mail program's
// arguments.
#pragma once

#include <string>
#include <string_view>

namespace quelt {

enum class BrowserRoute { kNone, kShell, kDde };

// The DDE conversation a browser named like "NetscapeDotExe" is sent the
// URL over.
constexpr const char* kBrowserDdeService = "NETSCAPE";
constexpr const char* kBrowserDdeTopic = "WWW_OpenURL";
constexpr unsigned kBrowserDdeTimeoutMs = 15000;

// browserPath: the program the shell associates with HTML files, empty when
// it gave none. With "PassSpecialProcess" or a browser whose file name is
// not ddeBrowserName (letters of either case) the shell starts it.
BrowserRoute ChooseBrowserRoute(std::string_view browserPath, std::string_view ddeBrowserName, bool passSpecial);

// The request's item: the URL and ",,0xFFFFFFFF,0x3".
std::string BrowserDdeItem(std::string_view url);

// "mailto:" and the address, opened as a URL when no mail program is set.
std::string MailtoUrl(std::string_view address);
// The mail program's arguments: the first "$t" of the template or, when it
// has none, the first "$T" replaced by the address; otherwise the template.
std::string MailerArguments(std::string_view argumentTemplate, std::string_view address);

}  // namespace quelt
