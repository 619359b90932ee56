// Opening the URL or e-mail address a double click found: the browser the
// shell associates with HTML files, started by the shell or sent the URL
// over DDE, and the mail program run as a program execution.
#pragma once

#include <string>

namespace quelt {
struct AppSettings;
}

namespace quelt::win {

class ToolService;

void OpenUrl(const std::string& url, const AppSettings& settings, const std::string& exeFolder);
void StartMailer(const std::string& address, const AppSettings& settings, const std::string& exeFolder,
                 ToolService& tools);

}  // namespace quelt::win
