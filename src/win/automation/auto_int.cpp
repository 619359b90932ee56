#include "automation/auto_int.h"

#include <new>
#include <string>

#include "automation/auto_int_guids.h"
#include "automation/auto_int_methods.h"

namespace quelt::win {
namespace {

// Automation text is UTF-16; the editor works in Shift-JIS whatever the
// system code page is, so the conversion names code page 932 itself.
constexpr UINT kShiftJisCodePage = 932;

std::string ToShiftJis(BSTR text) {
  const int length = static_cast<int>(SysStringLen(text));  // embedded zeros count
  if (length == 0) return {};
  const int size = WideCharToMultiByte(kShiftJisCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(kShiftJisCodePage, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&value_); }
  ~ScopedVariant() { VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  VARIANT* Get() { return &value_; }

 private:
  VARIANT value_;
};

// Converts one argument as the client passed it (any type VariantChangeType
// can coerce, by value or by reference) to the kind the method takes.
HRESULT ConvertArg(const VARIANT& passed, AutoArgKind kind, AutoArg& arg) {
  const VARIANT* source = &passed;
  // Script engines pass variables as references to variants; follow them.
  for (int depth = 0; source->vt == (VT_BYREF | VT_VARIANT); ++depth) {
    if (source->pvarVal == nullptr || depth > 8) return DISP_E_TYPEMISMATCH;
    source = source->pvarVal;
  }
  if (source->vt == VT_ERROR && source->scode == DISP_E_PARAMNOTFOUND) return DISP_E_PARAMNOTOPTIONAL;

  const VARTYPE wanted = kind == AutoArgKind::kLong ? VT_I4 : kind == AutoArgKind::kBool ? VT_BOOL : VT_BSTR;
  ScopedVariant converted;
  HRESULT hr = VariantChangeType(converted.Get(), const_cast<VARIANT*>(source), 0, wanted);
  if (FAILED(hr)) return hr == DISP_E_OVERFLOW || hr == E_OUTOFMEMORY ? hr : DISP_E_TYPEMISMATCH;

  switch (kind) {
    case AutoArgKind::kLong:
      arg.number = converted.Get()->lVal;
      break;
    case AutoArgKind::kBool:
      arg.flag = converted.Get()->boolVal != VARIANT_FALSE;
      break;
    case AutoArgKind::kString:
      arg.text = ToShiftJis(converted.Get()->bstrVal);
      break;
  }
  return S_OK;
}

}  // namespace

HRESULT CAutoInt::Create(std::shared_ptr<AutomationTargetSlot> slot, REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  CAutoInt* created = new (std::nothrow) CAutoInt(std::move(slot));
  if (created == nullptr) return E_OUTOFMEMORY;
  const HRESULT hr = created->QueryInterface(riid, object);
  created->Release();  // the object now lives by the reference QueryInterface gave out
  return hr;
}

CAutoInt::CAutoInt(std::shared_ptr<AutomationTargetSlot> slot) : slot_(std::move(slot)) {}

HRESULT CAutoInt::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kDiidAutoInt)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG CAutoInt::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }

ULONG CAutoInt::Release() {
  const LONG count = InterlockedDecrement(&refCount_);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

HRESULT CAutoInt::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;  // no type library: clients bind late, by name
  return S_OK;
}

HRESULT CAutoInt::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT CAutoInt::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT nameCount, LCID, DISPID* dispIds) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (nameCount == 0) return S_OK;
  if (names == nullptr || dispIds == nullptr) return E_POINTER;
  const long found = FindAutoDispId(names[0]);
  dispIds[0] = found != 0 ? found : DISPID_UNKNOWN;
  // The methods have no named arguments, so any argument name is unknown.
  for (UINT i = 1; i < nameCount; ++i) dispIds[i] = DISPID_UNKNOWN;
  return found != 0 && nameCount == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT CAutoInt::Invoke(DISPID dispId, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO*, UINT* argError) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  const AutoMethod* method = FindAutoMethod(dispId);
  if (method == nullptr) return DISP_E_MEMBERNOTFOUND;

  // Scripts read a method without arguments like a property, so a get is
  // as good as a call there; the object has nothing to put.
  const bool called = (flags & DISPATCH_METHOD) != 0 ||
                      ((flags & DISPATCH_PROPERTYGET) != 0 && method->argCount == 0);
  if (!called || (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
    return DISP_E_MEMBERNOTFOUND;
  }

  const UINT argCount = params != nullptr ? params->cArgs : 0;
  if (params != nullptr && params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  if (argCount != static_cast<UINT>(method->argCount)) return DISP_E_BADPARAMCOUNT;
  if (argCount != 0 && params->rgvarg == nullptr) return E_INVALIDARG;

  AutomationTarget* target = slot_ ? slot_->target : nullptr;
  if (target == nullptr) return CO_E_SERVER_STOPPING;

  try {
    AutoArg args[kAutoMaxArgs];
    for (UINT i = 0; i < argCount; ++i) {
      const UINT position = argCount - 1 - i;  // arguments arrive last first
      const HRESULT hr = ConvertArg(params->rgvarg[position], method->argKinds[i], args[i]);
      if (FAILED(hr)) {
        if (argError != nullptr) *argError = position;
        return hr;
      }
    }
    const long value = method->call(*target, args);
    if (result != nullptr) {
      VariantInit(result);
      if (method->result == AutoResultKind::kLong) {
        result->vt = VT_I4;
        result->lVal = value;
      } else if (method->result == AutoResultKind::kBool) {
        result->vt = VT_BOOL;
        result->boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
      }
    }
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    // Nothing may unwind into the caller's COM machinery.
    return E_UNEXPECTED;
  }
}

}  // namespace quelt::win
