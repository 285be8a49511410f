#include "platform/win32/win32_automation.h"

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_com.h"

namespace mochi::platform {
namespace {

using word::DispId;
using word::Error;
using word::InvokeKind;
using word::InvokeResult;
using word::Ref;
using word::Value;

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::u16string_view text)
      : text_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                static_cast<UINT>(text.size()))) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(text_); }
  BSTR* out() { return &text_; }
  BSTR get() const { return text_; }

 private:
  BSTR text_ = nullptr;
};

std::u16string TextOf(BSTR text) {
  if (text == nullptr) return std::u16string();
  return std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

Error ErrorOf(HRESULT code, std::u16string description = {}) {
  return Error{static_cast<std::int32_t>(code), std::move(description)};
}

// Takes the error out of an EXCEPINFO and frees its strings.
Error TakeException(EXCEPINFO& exception) {
  if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
  const HRESULT code = exception.scode != 0
                           ? exception.scode
                           : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, exception.wCode);
  Error error = ErrorOf(code, TextOf(exception.bstrDescription));
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  exception = EXCEPINFO{};
  return error;
}

class ComObject;

// The argument VARIANTs of one call, in COM's reverse order, with the storage they point to.
class Arguments {
 public:
  // Fills from the natural-order arguments; false when one cannot be passed.
  bool Fill(std::span<Value> arguments);
  // Copies integers passed by reference back to their owners.
  void CopyBack();
  ~Arguments() {
    for (VARIANT& v : variants_) {
      if (!(V_VT(&v) & VT_BYREF)) VariantClear(&v);
    }
  }
  VARIANT* data() { return variants_.data(); }
  UINT count() const { return static_cast<UINT>(variants_.size()); }

 private:
  std::vector<VARIANT> variants_;
  std::vector<LONG> byRefStorage_;
  std::vector<std::int32_t*> byRefTargets_;
};

class ComObject final : public word::Object {
 public:
  // Takes over the caller's reference to dispatch.
  explicit ComObject(IDispatch* dispatch) : dispatch_(dispatch) {}

  void AddRef() override { ++count_; }
  void Release() override {
    if (--count_ == 0) std::unique_ptr<ComObject> last(this);
  }
  InvokeResult Invoke(DispId member, InvokeKind kind, std::span<Value> arguments) override;
  std::optional<DispId> FindMember(std::u16string_view name) override;
  IDispatch* dispatch() const { return dispatch_; }

  ~ComObject() { dispatch_->Release(); }

 private:
  IDispatch* dispatch_;
  unsigned long count_ = 1;
};

bool Arguments::Fill(std::span<Value> arguments) {
  variants_.resize(arguments.size());
  byRefStorage_.reserve(arguments.size());
  for (VARIANT& v : variants_) VariantInit(&v);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    VARIANT& v = variants_[arguments.size() - 1 - i];
    const Value& argument = arguments[i];
    if (std::holds_alternative<std::monostate>(argument)) {
      // An omitted optional parameter.
      V_VT(&v) = VT_ERROR;
      V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
    } else if (const auto* number = std::get_if<std::int32_t>(&argument)) {
      V_VT(&v) = VT_I4;
      V_I4(&v) = *number;
    } else if (const auto* byRef = std::get_if<word::IntByRef>(&argument)) {
      if (byRef->target == nullptr) return false;
      byRefStorage_.push_back(*byRef->target);
      byRefTargets_.push_back(byRef->target);
      V_VT(&v) = VT_I4 | VT_BYREF;
      V_I4REF(&v) = &byRefStorage_.back();
    } else if (const auto* flag = std::get_if<bool>(&argument)) {
      V_VT(&v) = VT_BOOL;
      V_BOOL(&v) = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* text = std::get_if<std::u16string>(&argument)) {
      V_VT(&v) = VT_BSTR;
      V_BSTR(&v) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text->data()),
                                     static_cast<UINT>(text->size()));
    } else if (const auto* object = std::get_if<Ref>(&argument)) {
      // Only objects of this layer are COM objects; an empty Ref passes as a null object.
      auto* com = dynamic_cast<ComObject*>(object->get());
      if (*object && com == nullptr) return false;
      V_VT(&v) = VT_DISPATCH;
      V_DISPATCH(&v) = com != nullptr ? com->dispatch() : nullptr;
      if (V_DISPATCH(&v) != nullptr) V_DISPATCH(&v)->AddRef();
    }
  }
  return true;
}

void Arguments::CopyBack() {
  for (std::size_t i = 0; i < byRefTargets_.size(); ++i) {
    *byRefTargets_[i] = static_cast<std::int32_t>(byRefStorage_[i]);
  }
}

// Takes the result out of a VARIANT, clearing it.
Value TakeResult(VARIANT& result) {
  Value value;
  switch (V_VT(&result)) {
    case VT_BOOL:
      value = V_BOOL(&result) != VARIANT_FALSE;
      break;
    case VT_BSTR:
      value = TextOf(V_BSTR(&result));
      break;
    case VT_DISPATCH:
      value = WrapDispatch(V_DISPATCH(&result));
      break;
    case VT_UNKNOWN: {
      ComPtr<IDispatch> dispatch;
      if (V_UNKNOWN(&result) != nullptr &&
          SUCCEEDED(V_UNKNOWN(&result)->QueryInterface(IID_IDispatch,
                                                       reinterpret_cast<void**>(dispatch.out())))) {
        value = WrapDispatch(dispatch.get());
      }
      break;
    }
    case VT_EMPTY:
    case VT_NULL:
      break;
    default: {
      VARIANT number;
      VariantInit(&number);
      if (SUCCEEDED(VariantChangeType(&number, &result, 0, VT_I4))) {
        value = static_cast<std::int32_t>(V_I4(&number));
      }
      VariantClear(&number);
    }
  }
  VariantClear(&result);
  return value;
}

InvokeResult ComObject::Invoke(DispId member, InvokeKind kind, std::span<Value> arguments) {
  Arguments variants;
  if (!variants.Fill(arguments)) return InvokeResult{ErrorOf(E_INVALIDARG), {}};
  DISPPARAMS parameters{variants.data(), nullptr, variants.count(), 0};
  DISPID putName = DISPID_PROPERTYPUT;
  WORD flags = DISPATCH_METHOD;
  if (kind == InvokeKind::PropertyGet) flags = DISPATCH_PROPERTYGET;
  if (kind == InvokeKind::PropertyPut) {
    flags = DISPATCH_PROPERTYPUT;
    parameters.rgdispidNamedArgs = &putName;
    parameters.cNamedArgs = 1;
  }
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO exception{};
  UINT badArgument = 0;
  const HRESULT status = dispatch_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags,
                                           &parameters, &result, &exception, &badArgument);
  variants.CopyBack();
  if (status == DISP_E_EXCEPTION) {
    VariantClear(&result);
    return InvokeResult{TakeException(exception), {}};
  }
  if (FAILED(status)) {
    VariantClear(&result);
    return InvokeResult{ErrorOf(status), {}};
  }
  return InvokeResult{std::nullopt, TakeResult(result)};
}

// The type whose functions are the object's members: a coclass leads to its default interface.
bool MemberType(IDispatch* dispatch, ComPtr<ITypeInfo>& type) {
  UINT count = 0;
  if (FAILED(dispatch->GetTypeInfoCount(&count)) || count == 0) return false;
  if (FAILED(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, type.out())) || !type) return false;
  TYPEATTR* attributes = nullptr;
  if (FAILED(type->GetTypeAttr(&attributes))) return false;
  const bool coclass = attributes->typekind == TKIND_COCLASS;
  type->ReleaseTypeAttr(attributes);
  if (!coclass) return true;
  HREFTYPE reference = 0;
  ComPtr<ITypeInfo> implemented;
  if (FAILED(type->GetRefTypeOfImplType(0, &reference)) ||
      FAILED(type->GetRefTypeInfo(reference, implemented.out()))) {
    return false;
  }
  std::swap(*type.out(), *implemented.out());
  return true;
}

// Enumerating the functions works where ITypeInfo::GetIDsOfNames across apartments does not.
std::optional<DispId> ComObject::FindMember(std::u16string_view name) {
  ComPtr<ITypeInfo> type;
  if (!MemberType(dispatch_, type)) return std::nullopt;
  TYPEATTR* attributes = nullptr;
  if (FAILED(type->GetTypeAttr(&attributes))) return std::nullopt;
  const WORD functions = attributes->cFuncs;
  type->ReleaseTypeAttr(attributes);

  const std::wstring wanted(name.begin(), name.end());
  std::optional<DispId> property;
  for (WORD i = 0; i < functions; ++i) {
    FUNCDESC* function = nullptr;
    if (FAILED(type->GetFuncDesc(i, &function))) continue;
    const MEMBERID id = function->memid;
    const bool method = function->invkind == INVOKE_FUNC;
    type->ReleaseFuncDesc(function);
    if (!method && property) continue;
    Bstr memberName;
    if (FAILED(type->GetDocumentation(id, memberName.out(), nullptr, nullptr, nullptr))) continue;
    if (memberName.get() == nullptr ||
        CompareStringOrdinal(memberName.get(), -1, wanted.c_str(), -1, TRUE) != CSTR_EQUAL) {
      continue;
    }
    if (method) return id;
    property = id;
  }
  return property;
}

}  // namespace

Ref WrapDispatch(IDispatch* dispatch) {
  if (dispatch == nullptr) return Ref();
  dispatch->AddRef();
  return Ref::Adopt(std::make_unique<ComObject>(dispatch).release());
}

word::CreateResult Win32ObjectFactory::Create(std::u16string_view progId) {
  const std::wstring id(progId.begin(), progId.end());
  CLSID classId{};
  HRESULT status = CLSIDFromProgID(id.c_str(), &classId);
  if (FAILED(status)) return word::CreateResult{Ref(), ErrorOf(status)};
  ComPtr<IDispatch> dispatch;
  status = CoCreateInstance(classId, nullptr, CLSCTX_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(dispatch.out()));
  if (FAILED(status)) return word::CreateResult{Ref(), ErrorOf(status)};
  return word::CreateResult{WrapDispatch(dispatch.get()), std::nullopt};
}

}  // namespace mochi::platform
