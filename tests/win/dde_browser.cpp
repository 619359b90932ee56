// dde_browser.exe OUT: a stand-in browser for the URL tests. It serves the
// DDE service "NETSCAPE", topic "WWW_OpenURL", writes the item of the first
// request it gets to OUT (as received) and ends; after 60 s without one it
// ends anyway.
#include <windows.h>
#include <ddeml.h>

#include <string>

namespace {

DWORD g_instance = 0;
HSZ g_service = nullptr, g_topic = nullptr;
std::wstring g_out;

void Write(const std::string& text) {
  HANDLE f = CreateFileW(g_out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(f);
}

HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  switch (type) {
    case XTYP_CONNECT:
      return reinterpret_cast<HDDEDATA>(DdeCmpStringHandles(topic, g_topic) == 0 ? TRUE : FALSE);
    case XTYP_REQUEST: {
      char text[1024] = "";
      DdeQueryStringA(g_instance, item, text, sizeof text, CP_WINANSI);
      Write(text);
      PostQuitMessage(0);
      static const char answer[] = "1";
      return DdeCreateDataHandle(g_instance, reinterpret_cast<LPBYTE>(const_cast<char*>(answer)), sizeof answer, 0,
                                 item, CF_TEXT, 0);
    }
    default:
      return nullptr;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  g_out = argv[1];
  if (DdeInitializeA(&g_instance, &Callback, APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                     0) != DMLERR_NO_ERROR) {
    return 1;
  }
  g_service = DdeCreateStringHandleA(g_instance, "NETSCAPE", CP_WINANSI);
  g_topic = DdeCreateStringHandleA(g_instance, "WWW_OpenURL", CP_WINANSI);
  DdeNameService(g_instance, g_service, nullptr, DNS_REGISTER);
  SetTimer(nullptr, 0, 60000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) break;
    DispatchMessageW(&msg);
  }
  DdeNameService(g_instance, g_service, nullptr, DNS_UNREGISTER);
  DdeUninitialize(g_instance);
  return 0;
}
