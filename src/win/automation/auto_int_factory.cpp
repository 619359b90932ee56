#include "automation/auto_int_factory.h"

#include <new>

#include "automation/auto_int_guids.h"

namespace quelt::win {
namespace {

LONG lockCount = 0;

}  // namespace

HRESULT CAutoIntFactory::Create(std::shared_ptr<AutomationTargetSlot> slot, IClassFactory** factory) {
  if (factory == nullptr) return E_POINTER;
  *factory = new (std::nothrow) CAutoIntFactory(std::move(slot));
  return *factory != nullptr ? S_OK : E_OUTOFMEMORY;
}

CAutoIntFactory::CAutoIntFactory(std::shared_ptr<AutomationTargetSlot> slot) : slot_(std::move(slot)) {}

HRESULT CAutoIntFactory::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG CAutoIntFactory::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }

ULONG CAutoIntFactory::Release() {
  const LONG count = InterlockedDecrement(&refCount_);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

HRESULT CAutoIntFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  return CAutoInt::Create(slot_, riid, object);
}

HRESULT CAutoIntFactory::LockServer(BOOL lock) {
  if (lock) {
    InterlockedIncrement(&lockCount);
  } else if (InterlockedDecrement(&lockCount) < 0) {
    InterlockedIncrement(&lockCount);  // an unbalanced unlock changes nothing
  }
  return S_OK;
}

LONG CAutoIntFactory::LockCount() { return lockCount; }

HRESULT AutomationServer::Start(AutomationTarget* target) {
  if (target == nullptr) return E_INVALIDARG;
  Stop();
  auto slot = std::make_shared<AutomationTargetSlot>();
  slot->target = target;
  IClassFactory* factory = nullptr;
  HRESULT hr = CAutoIntFactory::Create(slot, &factory);
  if (FAILED(hr)) return hr;
  DWORD cookie = 0;
  hr = CoRegisterClassObject(kClsidAutoInt, factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie);
  factory->Release();  // COM keeps its own reference while registered
  if (FAILED(hr)) {
    slot->target = nullptr;
    return hr;
  }
  slot_ = std::move(slot);
  cookie_ = cookie;
  return S_OK;
}

void AutomationServer::Stop() {
  if (cookie_ != 0) {
    CoRevokeClassObject(cookie_);
    cookie_ = 0;
  }
  if (slot_) {
    slot_->target = nullptr;
    slot_.reset();
  }
}

}  // namespace quelt::win
