// args_echo.exe OUT [ARGS...]: writes what follows OUT on its command line
// (as typed, in UTF-8) and its current folder, one a line, to the file OUT;
// the user-tool tests run it to see what the editor passed. With the
// environment variable ARGS_ECHO_OUT set, that is the file, and the whole
// command line after the program is written (the shell starts it so).
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

// The command line after its first two arguments (the program and OUT).
std::wstring Rest(const wchar_t* line, std::wstring& out) {
  std::wstring args[2];
  for (int k = 0; k < 2; ++k) {
    while (*line == L' ' || *line == L'\t') ++line;
    bool quoted = false;
    while (*line && (quoted || (*line != L' ' && *line != L'\t'))) {
      if (*line == L'"') {
        quoted = !quoted;
      } else {
        args[k] += *line;
      }
      ++line;
    }
  }
  out = args[1];
  if (*line == L' ' || *line == L'\t') ++line;
  return line;
}

}  // namespace

int wmain() {
  std::wstring out;
  std::wstring rest = Rest(GetCommandLineW(), out);
  wchar_t fixed[MAX_PATH] = L"";
  if (GetEnvironmentVariableW(L"ARGS_ECHO_OUT", fixed, MAX_PATH) > 0) {
    // The program's own name is the only argument skipped.
    const wchar_t* line = GetCommandLineW();
    bool quoted = false;
    while (*line == L' ') ++line;
    while (*line && (quoted || *line != L' ')) {
      if (*line == L'"') quoted = !quoted;
      ++line;
    }
    while (*line == L' ') ++line;
    rest = line;
    out = fixed;
  }
  if (out.empty()) return 2;
  wchar_t folder[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, folder);
  const std::string text = Utf8(rest) + "\n" + Utf8(folder) + "\n";
  HANDLE f = CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(f);
  return 0;
}
