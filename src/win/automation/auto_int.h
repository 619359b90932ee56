// CAutoInt: the automation object other programs drive the editor with.
// It implements IDispatch by hand over the method table and keeps no editor
// state: every call converts its arguments and goes to the AutomationTarget.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "automation/automation_target.h"

namespace quelt::win {

// Shared by the server and every object it made. The server clears the
// target when it stops, so an object a client still holds turns inert
// instead of calling into an editor that has gone.
struct AutomationTargetSlot {
  AutomationTarget* target = nullptr;
};

class CAutoInt final : public IDispatch {
 public:
  // Makes a new object and asks it for riid; the object lives as long as
  // the reference handed out through object.
  static HRESULT Create(std::shared_ptr<AutomationTargetSlot> slot, REFIID riid, void** object);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT nameCount, LCID lcid,
                                          DISPID* dispIds) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispId, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argError) override;

 private:
  explicit CAutoInt(std::shared_ptr<AutomationTargetSlot> slot);
  ~CAutoInt() = default;

  LONG refCount_ = 1;
  std::shared_ptr<AutomationTargetSlot> slot_;
};

}  // namespace quelt::win
