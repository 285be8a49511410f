#pragma once
// A COM object for the automation tests: its type information comes from CreateDispTypeInfo,
// and Invoke records each call and answers by DISPID.

#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

namespace mochi::testing_support {

// The members of the recording object's type.
inline constexpr DISPID kVisible = 23;     // property get and put
inline constexpr DISPID kDocuments = 6;    // property get: a second recording object
inline constexpr DISPID kAdd = 11;         // method (text)
inline constexpr DISPID kMoveRight = 501;  // method (I4 by ref x3): sets the first to 1
inline constexpr DISPID kOpenProperty = 30;
inline constexpr DISPID kOpenMethod = 31;  // a method and a property both named "Open"
inline constexpr DISPID kFails = 99;       // raises an exception with a description

struct RecordedCall {
  DISPID member = 0;
  WORD flags = 0;
  std::vector<VARTYPE> types;       // as passed, in COM's reverse order
  std::vector<std::wstring> texts;  // the BSTR arguments, in COM's order
  std::vector<LONG> numbers;        // the I4 and I4-by-ref arguments, in COM's order
  std::vector<DISPID> named;
};

class RecordingDispatch final : public IDispatch {
 public:
  RecordingDispatch();
  ~RecordingDispatch();
  RecordingDispatch(const RecordingDispatch&) = delete;
  RecordingDispatch& operator=(const RecordingDispatch&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++count_; }
  ULONG STDMETHODCALLTYPE Release() override { return --count_; }  // the test owns the object
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override;

  ULONG references() const { return count_; }
  const std::vector<RecordedCall>& calls() const { return calls_; }
  RecordingDispatch& child() { return *child_; }
  bool visible() const { return visible_; }

 private:
  ULONG count_ = 1;
  ITypeInfo* type_ = nullptr;
  std::unique_ptr<RecordingDispatch> child_;  // made on first use
  bool visible_ = false;
  std::vector<RecordedCall> calls_;
};

}  // namespace mochi::testing_support
