// endless_output.exe HEARTBEAT: writes a first line to its standard output,
// then a numbered line every 100 ms for ever, and each number to the file
// HEARTBEAT; the user-tool tests stop it from the editor and see that the
// numbers stop.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  auto write = [out](const std::string& s) {
    DWORD done = 0;
    WriteFile(out, s.data(), static_cast<DWORD>(s.size()), &done, nullptr);
  };
  write("first line\r\n");
  for (unsigned n = 1;; ++n) {
    write("tick " + std::to_string(n) + "\r\n");
    HANDLE beat = CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (beat != INVALID_HANDLE_VALUE) {
      const std::string text = std::to_string(n);
      DWORD done = 0;
      WriteFile(beat, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
      CloseHandle(beat);
    }
    Sleep(100);
  }
}
