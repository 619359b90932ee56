#include "tools/url_launcher.h"

#include <windows.h>
#include <ddeml.h>
#include <shellapi.h>

#include "app/settings.h"
#include "base/path.h"
#include "framework/win_text.h"
#include "tools/tool_service.h"
#include "tools/url_launch.h"

namespace quelt::win {
namespace {

// The program the shell opens HTML files with: asked for an empty file made
// beside the executable for the question; empty when there is none.
std::string AssociatedBrowser(const std::string& exeFolder) {
  const std::wstring probe = SjisToWide(JoinPath(exeFolder, "wtemp$$m.html"));
  HANDLE f = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  CloseHandle(f);
  wchar_t program[MAX_PATH] = L"";
  const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(probe.c_str(), nullptr, program));
  DeleteFileW(probe.c_str());
  return result > 32 ? WideToSjis(program) : std::string();
}

void ShellOpen(const std::string& browser, const std::string& url) {
  ShellExecuteW(nullptr, L"open", SjisToWide(browser).c_str(), SjisToWide(url).c_str(), nullptr, SW_SHOWNORMAL);
}

HDDEDATA CALLBACK DdeClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// The URL as a request to the browser's "WWW_OpenURL" topic; false when no
// conversation could be had.
bool SendUrlOverDde(const std::string& url) {
  DWORD instance = 0;
  if (DdeInitializeA(&instance, &DdeClientCallback, APPCLASS_STANDARD | APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
    return false;
  }
  HSZ service = DdeCreateStringHandleA(instance, kBrowserDdeService, CP_WINANSI);
  HSZ topic = DdeCreateStringHandleA(instance, kBrowserDdeTopic, CP_WINANSI);
  HCONV conv = DdeConnect(instance, service, topic, nullptr);
  bool ok = conv != nullptr;
  if (conv) {
    const std::string item = BrowserDdeItem(url);
    HSZ itemHandle = DdeCreateStringHandleA(instance, item.c_str(), CP_WINANSI);
    if (HDDEDATA data = DdeClientTransaction(nullptr, 0, conv, itemHandle, CF_TEXT, XTYP_REQUEST,
                                             kBrowserDdeTimeoutMs, nullptr)) {
      DdeFreeDataHandle(data);
    }
    DdeFreeStringHandle(instance, itemHandle);
    DdeDisconnect(conv);
  }
  DdeFreeStringHandle(instance, service);
  DdeFreeStringHandle(instance, topic);
  DdeUninitialize(instance);
  return ok;
}

}  // namespace

void OpenUrl(const std::string& url, const AppSettings& settings, const std::string& exeFolder) {
  const std::string browser = AssociatedBrowser(exeFolder);
  switch (ChooseBrowserRoute(browser, settings.netscapeDotExe, settings.passSpecialProcess != 0)) {
    case BrowserRoute::kNone:
      return;
    case BrowserRoute::kShell:
      ShellOpen(browser, url);
      return;
    case BrowserRoute::kDde:
      if (!SendUrlOverDde(url)) ShellOpen(browser, url);
      return;
  }
}

void StartMailer(const std::string& address, const AppSettings& settings, const std::string& exeFolder,
                 ToolService& tools) {
  if (settings.mailerPath.empty()) {
    OpenUrl(MailtoUrl(address), settings, exeFolder);
    return;
  }
  ProgramRun run;
  run.command = settings.mailerPath;
  run.parameters = MailerArguments(settings.mailerArgument, address);
  tools.RunProgram(run);
}

}  // namespace quelt::win
