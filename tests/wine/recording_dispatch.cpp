#include "recording_dispatch.h"

#include <oleauto.h>

#include <memory>

namespace mochi::testing_support {
namespace {

PARAMDATA kTextParameter[] = {{const_cast<OLECHAR*>(L"Template"), VT_BSTR}};
PARAMDATA kMoveParameters[] = {{const_cast<OLECHAR*>(L"Unit"), VT_I4 | VT_BYREF},
                               {const_cast<OLECHAR*>(L"Count"), VT_I4 | VT_BYREF},
                               {const_cast<OLECHAR*>(L"Extend"), VT_I4 | VT_BYREF}};
PARAMDATA kBoolParameter[] = {{const_cast<OLECHAR*>(L"Value"), VT_BOOL}};

// The property "Open" stands before the method of the same name, so a lookup that stopped at
// the first match would find the property.
METHODDATA kMembers[] = {
    {const_cast<OLECHAR*>(L"Visible"), nullptr, kVisible, 7, CC_STDCALL, 0, DISPATCH_PROPERTYGET,
     VT_BOOL},
    {const_cast<OLECHAR*>(L"Visible"), kBoolParameter, kVisible, 8, CC_STDCALL, 1,
     DISPATCH_PROPERTYPUT, VT_EMPTY},
    {const_cast<OLECHAR*>(L"Documents"), nullptr, kDocuments, 9, CC_STDCALL, 0,
     DISPATCH_PROPERTYGET, VT_DISPATCH},
    {const_cast<OLECHAR*>(L"Open"), nullptr, kOpenProperty, 10, CC_STDCALL, 0, DISPATCH_PROPERTYGET,
     VT_I4},
    {const_cast<OLECHAR*>(L"Add"), kTextParameter, kAdd, 11, CC_STDCALL, 1, DISPATCH_METHOD,
     VT_DISPATCH},
    {const_cast<OLECHAR*>(L"MoveRight"), kMoveParameters, kMoveRight, 12, CC_STDCALL, 3,
     DISPATCH_METHOD, VT_I4},
    {const_cast<OLECHAR*>(L"open"), nullptr, kOpenMethod, 13, CC_STDCALL, 0, DISPATCH_METHOD,
     VT_EMPTY},
};
INTERFACEDATA kInterface = {kMembers, sizeof(kMembers) / sizeof(kMembers[0])};

}  // namespace

RecordingDispatch::RecordingDispatch() {
  CreateDispTypeInfo(&kInterface, LOCALE_SYSTEM_DEFAULT, &type_);
}

RecordingDispatch::~RecordingDispatch() {
  if (type_ != nullptr) type_->Release();
}

HRESULT RecordingDispatch::QueryInterface(REFIID riid, void** object) {
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT RecordingDispatch::GetTypeInfoCount(UINT* count) {
  *count = type_ != nullptr ? 1 : 0;
  return S_OK;
}

HRESULT RecordingDispatch::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (index != 0 || type_ == nullptr) return DISP_E_BADINDEX;
  type_->AddRef();
  *info = type_;
  return S_OK;
}

HRESULT RecordingDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;  // like a cross-apartment lookup under Wine: callers must not rely on it
}

HRESULT RecordingDispatch::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                  VARIANT* result, EXCEPINFO* exception, UINT*) {
  RecordedCall call{member, flags, {}, {}, {}, {}};
  for (UINT i = 0; i < parameters->cArgs; ++i) {
    VARIANT& argument = parameters->rgvarg[i];
    call.types.push_back(V_VT(&argument));
    if (V_VT(&argument) == VT_BSTR) call.texts.emplace_back(V_BSTR(&argument));
    if (V_VT(&argument) == VT_I4) call.numbers.push_back(V_I4(&argument));
    if (V_VT(&argument) == (VT_I4 | VT_BYREF)) call.numbers.push_back(*V_I4REF(&argument));
    if (V_VT(&argument) == VT_BOOL && member == kVisible) {
      visible_ = V_BOOL(&argument) != VARIANT_FALSE;
    }
  }
  for (UINT i = 0; i < parameters->cNamedArgs; ++i) {
    call.named.push_back(parameters->rgdispidNamedArgs[i]);
  }
  calls_.push_back(call);

  if (result != nullptr) VariantInit(result);
  switch (member) {
    case kVisible:
      if ((flags & DISPATCH_PROPERTYGET) && result != nullptr) {
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = visible_ ? VARIANT_TRUE : VARIANT_FALSE;
      }
      return S_OK;
    case kDocuments:
      if (!child_) child_ = std::make_unique<RecordingDispatch>();
      child_->AddRef();
      V_VT(result) = VT_DISPATCH;
      V_DISPATCH(result) = child_.get();
      return S_OK;
    case kMoveRight:
      // Word moves by reference arguments too: the count comes back changed.
      if (parameters->cArgs == 3 && V_VT(&parameters->rgvarg[1]) == (VT_I4 | VT_BYREF)) {
        *V_I4REF(&parameters->rgvarg[1]) = 5;
      }
      V_VT(result) = VT_I4;
      V_I4(result) = 1;
      return S_OK;
    case kAdd:
    case kOpenMethod:
    case kOpenProperty:
      return S_OK;
    case kFails:
      exception->scode = E_FAIL;
      exception->bstrSource = SysAllocString(L"Recording");
      exception->bstrDescription = SysAllocString(L"The command failed.");
      return DISP_E_EXCEPTION;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace mochi::testing_support
