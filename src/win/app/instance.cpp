#include "app/instance.h"

#include <ddeml.h>

#include "app/command_line.h"
#include "framework/win_text.h"

namespace quelt::win {
namespace {

HDDEDATA CALLBACK DdeCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// A client-only DDEML instance, uninitialised when it goes.
class DdeClient {
 public:
  DdeClient() {
    if (DdeInitializeW(&id_, &DdeCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) id_ = 0;
  }
  ~DdeClient() {
    if (id_) DdeUninitialize(id_);
  }
  DWORD Id() const { return id_; }

 private:
  DWORD id_ = 0;
};

class DdeString {
 public:
  DdeString(DWORD instance, const std::wstring& text)
      : instance_(instance), hsz_(DdeCreateStringHandleW(instance, text.c_str(), CP_WINUNICODE)) {}
  ~DdeString() {
    if (hsz_) DdeFreeStringHandle(instance_, hsz_);
  }
  HSZ Get() const { return hsz_; }

 private:
  DWORD instance_;
  HSZ hsz_;
};

}  // namespace

std::wstring InstanceMutex::NameFor(const std::wstring& exeBaseName) { return exeBaseName + L"11"; }

bool InstanceMutex::OtherInstanceRunning(const std::wstring& name) {
  KernelHandle h(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, name.c_str()));
  return static_cast<bool>(h);
}

bool InstanceMutex::Acquire(const std::wstring& name) {
  if (handle_) return true;
  handle_.Reset(CreateMutexW(nullptr, FALSE, name.c_str()));
  return static_cast<bool>(handle_);
}

bool HandOverFiles(const std::wstring& serviceName, const std::vector<std::string>& sjisPaths) {
  DdeClient client;
  if (!client.Id()) return false;
  DdeString service(client.Id(), serviceName);
  DdeString topic(client.Id(), L"System");
  HCONV conv = DdeConnect(client.Id(), service.Get(), topic.Get(), nullptr);
  if (!conv) return false;
  bool ok = true;
  for (const std::string& path : sjisPaths) {
    // The command travels as UTF-16 text, so a Japanese path survives on a
    // system whose ANSI code page is not 932.
    const std::wstring command = SjisToWide(BuildDdeOpenCommand(path));
    DWORD result = 0;
    HDDEDATA r = DdeClientTransaction(
        reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(command.c_str())),
        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)), conv, nullptr, CF_UNICODETEXT,
        XTYP_EXECUTE, kDdeTimeoutMs, &result);
    if (!r) ok = false;
  }
  DdeDisconnect(conv);
  return ok;
}

}  // namespace quelt::win
