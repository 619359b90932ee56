// Entry point of quelt.exe.
#include <windows.h>

#include "app/quelt_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  SetProcessDPIAware();
  quelt::win::CQueltApp app;
  return app.Run();
}
