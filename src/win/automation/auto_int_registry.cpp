#include "automation/auto_int_registry.h"

#include <windows.h>
#include <objbase.h>

#include "automation/auto_int_guids.h"

namespace quelt::win {
namespace {

// The standard marshaller for dispatch interfaces (PSDispatch).
constexpr wchar_t kDispatchProxyStub[] = L"{00020420-0000-0000-C000-000000000046}";

class RegKey {
 public:
  RegKey() = default;
  ~RegKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  bool Create(HKEY parent, const std::wstring& subKey) {
    return RegCreateKeyExW(parent, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_WRITE, nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }
  bool Open(HKEY parent, const wchar_t* subKey, REGSAM access) {
    return RegOpenKeyExW(parent, subKey, 0, access, &key_) == ERROR_SUCCESS;
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::wstring GuidString(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

// Sets the default value of root\subKey, creating the key.
bool SetDefault(HKEY root, const std::wstring& subKey, const std::wstring& value) {
  RegKey key;
  if (!key.Create(root, subKey)) return false;
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        bytes) == ERROR_SUCCESS;
}

std::wstring ClassKey() { return L"CLSID\\" + GuidString(kClsidAutoInt); }
std::wstring InterfaceKey() { return L"Interface\\" + GuidString(kDiidAutoInt); }

bool WriteClasses(HKEY classes, const std::wstring& exePath) {
  const std::wstring classKey = ClassKey();
  const std::wstring interfaceKey = InterfaceKey();
  return SetDefault(classes, kAutoIntProgId, kAutoIntDescription) &&
         SetDefault(classes, std::wstring(kAutoIntProgId) + L"\\CLSID", GuidString(kClsidAutoInt)) &&
         SetDefault(classes, classKey, kAutoIntDescription) &&
         SetDefault(classes, classKey + L"\\LocalServer32", L"\"" + exePath + L"\"") &&
         SetDefault(classes, classKey + L"\\ProgID", kAutoIntProgId) &&
         SetDefault(classes, interfaceKey, kAutoIntInterfaceName) &&
         SetDefault(classes, interfaceKey + L"\\ProxyStubClsid32", kDispatchProxyStub) &&
         SetDefault(classes, interfaceKey + L"\\ProxyStubClsid", kDispatchProxyStub);
}

bool DeleteTree(HKEY classes, const std::wstring& subKey) {
  const LSTATUS status = RegDeleteTreeW(classes, subKey.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool EraseClasses(HKEY classes) {
  bool ok = DeleteTree(classes, kAutoIntProgId);
  ok = DeleteTree(classes, ClassKey()) && ok;
  ok = DeleteTree(classes, InterfaceKey()) && ok;
  return ok;
}

}  // namespace

bool RegisterAutomationServer(const std::wstring& exePath) {
  if (exePath.empty() || exePath.find(L'"') != std::wstring::npos) return false;
  bool registered = false;
  {
    RegKey userClasses;
    if (userClasses.Create(HKEY_CURRENT_USER, L"Software\\Classes")) {
      registered = WriteClasses(userClasses.Get(), exePath);
    }
  }
  // Machine-wide where allowed; without rights this fails quietly and the
  // per-user registration serves.
  WriteClasses(HKEY_CLASSES_ROOT, exePath);
  return registered;
}

bool UnregisterAutomationServer() {
  bool ok = true;
  RegKey userClasses;
  if (userClasses.Open(HKEY_CURRENT_USER, L"Software\\Classes", KEY_ALL_ACCESS)) {
    ok = EraseClasses(userClasses.Get());
  }
  // What is left in HKEY_CLASSES_ROOT then is the machine-wide copy.
  return EraseClasses(HKEY_CLASSES_ROOT) && ok;
}

}  // namespace quelt::win
