#include "tools/tool_process.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/win_text.h"
#include "tools/tool_output.h"

namespace quelt::win {
namespace {

// How long a wait for output lasts before the messages are looked at again.
constexpr DWORD kPumpIntervalMs = 50;

int ShowCommand(ToolShow show) {
  switch (show) {
    case ToolShow::kHidden: return SW_HIDE;
    case ToolShow::kMinimised: return SW_SHOWMINNOACTIVE;
    case ToolShow::kNormal: break;
  }
  return SW_SHOWNORMAL;
}

// Handles the messages waiting; false when the program is ending.
bool PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

// Hands over what the pipe holds now, without waiting; false when the
// pipe has ended or the sink refused.
bool TakeAvailable(HANDLE read, ToolOutputPieces& pieces, std::vector<char>& buffer, const ToolOutputSink& sink,
                   bool& refused) {
  for (;;) {
    DWORD available = 0;
    if (!PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr)) return false;  // the child's end closed
    if (available == 0) return true;
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(available, pieces.NextReadSize()));
    if (!ReadFile(read, buffer.data(), want, &got, nullptr) || got == 0) return false;
    const std::string piece = pieces.Take(std::string_view(buffer.data(), got));
    if (!piece.empty() && !sink(piece)) {
      refused = true;
      return false;
    }
  }
}

// Reads the pipe until its end, a broken pipe, the sink's refusal, a stop
// or the program's end. On a stop the program (and what it started) is
// ended; the output read so far stays.
void ReadOutput(HANDLE read, HANDLE process, HANDLE job, const ToolOutputSink& sink, const ToolKeepGoing& keepGoing) {
  ToolOutputPieces pieces;
  std::vector<char> buffer(kToolOutputPiece);
  bool exited = false;
  bool refused = false;
  for (;;) {
    if (!TakeAvailable(read, pieces, buffer, sink, refused)) break;
    // The process ended and its output is all read: a grandchild that keeps
    // the pipe open does not hold the editor.
    if (exited) break;
    const DWORD wait = MsgWaitForMultipleObjects(1, &process, FALSE, kPumpIntervalMs, QS_ALLINPUT);
    if (wait == WAIT_OBJECT_0) exited = true;
    if (!(keepGoing ? keepGoing() : PumpMessages())) {
      if (!exited) {
        if (!job || !TerminateJobObject(job, 1)) TerminateProcess(process, 1);
        WaitForSingleObject(process, 2000);
      }
      // What the program wrote before it ended is still taken.
      TakeAvailable(read, pieces, buffer, sink, refused);
      break;
    }
  }
  if (refused) return;
  const std::string rest = pieces.Finish();
  if (!rest.empty()) sink(rest);
}

}  // namespace

bool RunToolProcess(const ToolLaunch& launch, const ToolOutputOpen& open, const ToolKeepGoing& keepGoing) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  KernelHandle readEnd, writeEnd, errorEnd;
  if (launch.capture) {
    HANDLE r = nullptr, w = nullptr;
    if (!CreatePipe(&r, &w, &inherit, 0)) return false;
    HANDLE self = GetCurrentProcess();
    HANDLE readCopy = nullptr, errorCopy = nullptr;
    // The editor's read end is not inherited; standard error is a second
    // inherited handle on the write end.
    const bool ok = DuplicateHandle(self, r, self, &readCopy, 0, FALSE, DUPLICATE_SAME_ACCESS) &&
                    DuplicateHandle(self, w, self, &errorCopy, 0, TRUE, DUPLICATE_SAME_ACCESS);
    CloseHandle(r);
    readEnd.Reset(readCopy);
    writeEnd.Reset(w);
    errorEnd.Reset(errorCopy);
    if (!ok) return false;
  }
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(ShowCommand(launch.show));
  if (launch.capture) {
    // The child's standard handles go in its start-up information; the
    // editor's own stay as they are.
    si.dwFlags |= STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = writeEnd.Get();
    si.hStdError = errorEnd.Get();
  }
  std::wstring commandLine = SjisToWide(launch.commandLine);
  const std::wstring folder = SjisToWide(launch.startFolder);
  PROCESS_INFORMATION pi{};
  // A captured program starts suspended and is put in a job first, so that
  // a stop ends what it started too (a command interpreter's child, say).
  const BOOL started =
      CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, launch.capture ? TRUE : FALSE,
                     NORMAL_PRIORITY_CLASS | (launch.capture ? CREATE_NO_WINDOW | CREATE_SUSPENDED : 0), nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &si, &pi);
  if (!started) return false;
  KernelHandle process(pi.hProcess);
  KernelHandle thread(pi.hThread);
  if (!launch.capture) return true;
  KernelHandle job(CreateJobObjectW(nullptr, nullptr));
  if (job.Get() && !AssignProcessToJobObject(job.Get(), process.Get())) job.Reset();
  ResumeThread(thread.Get());
  thread.Reset();
  // Only the child holds the write ends now, so its end is the pipe's end.
  writeEnd.Reset();
  errorEnd.Reset();
  if (const ToolOutputSink sink = open ? open() : ToolOutputSink())
    ReadOutput(readEnd.Get(), process.Get(), job.Get(), sink, keepGoing);
  return true;
}

}  // namespace quelt::win
