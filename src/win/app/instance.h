// One running instance: the named mutex that marks the instance accepting
// open requests, and the DDE client with which a second start hands its files
// over to it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/handles.h"

namespace quelt::win {

// DDE execute requests wait at most this long for the running instance.
constexpr DWORD kDdeTimeoutMs = 15000;

class InstanceMutex {
 public:
  // "<executable base name>11".
  static std::wstring NameFor(const std::wstring& exeBaseName);
  // True when another instance holds the mutex of that name.
  static bool OtherInstanceRunning(const std::wstring& name);
  // Creates (or opens) the mutex so later starts hand their files here.
  bool Acquire(const std::wstring& name);
  bool Held() const { return static_cast<bool>(handle_); }
  void Release() { handle_.Reset(); }

 private:
  KernelHandle handle_;
};

// Sends each path to the running instance as [open("path")] on the DDE
// service named serviceName with the topic "System". False when the DDE
// instance or the conversation could not be made.
bool HandOverFiles(const std::wstring& serviceName, const std::vector<std::string>& sjisPaths);

}  // namespace quelt::win
