// The IUnknown part of a small COM object that implements one interface:
// reference counting and QueryInterface for IUnknown and that interface. The
// object deletes itself when its last reference goes.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace quelt::win {

template <class Interface, const IID& kInterfaceId>
class ComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == kInterfaceId) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG n = --refs_;
    if (n == 0) delete this;
    return n;
  }

 protected:
  virtual ~ComObject() = default;

 private:
  ULONG refs_ = 1;
};

}  // namespace quelt::win
