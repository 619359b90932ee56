// The class factory of the automation object and the server that offers it
// to other processes while the editor runs.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <memory>

#include "automation/auto_int.h"
#include "automation/automation_target.h"

namespace quelt::win {

// Every CreateInstance makes a new CAutoInt; all of them drive the one
// editor behind the shared slot.
class CAutoIntFactory final : public IClassFactory {
 public:
  static HRESULT Create(std::shared_ptr<AutomationTargetSlot> slot, IClassFactory** factory);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IClassFactory
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  // Locks clients hold through LockServer. The editor is a user's program
  // and runs until the user closes it, so this is for information only.
  static LONG LockCount();

 private:
  explicit CAutoIntFactory(std::shared_ptr<AutomationTargetSlot> slot);
  ~CAutoIntFactory() = default;

  LONG refCount_ = 1;
  std::shared_ptr<AutomationTargetSlot> slot_;
};

// Offers "QUELT.AUTOINT" to other processes. Start and Stop run on the
// user-interface thread while COM (or OLE) is initialised there as a
// single-threaded apartment (stop before uninitialising it); calls then
// arrive through that thread's message loop.
class AutomationServer {
 public:
  AutomationServer() = default;
  ~AutomationServer() { Stop(); }
  AutomationServer(const AutomationServer&) = delete;
  AutomationServer& operator=(const AutomationServer&) = delete;

  // Registers the class object (one editor serves every client). Starting
  // again replaces the target.
  HRESULT Start(AutomationTarget* target);
  // Revokes the class object; objects clients still hold stop reaching the
  // target and fail their calls from then on.
  void Stop();
  bool IsRunning() const { return cookie_ != 0; }

 private:
  std::shared_ptr<AutomationTargetSlot> slot_;
  DWORD cookie_ = 0;
};

}  // namespace quelt::win
