#include "word_server.h"

#include <oleauto.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_text.h"
#include "test_word_ids.h"
#include "word/automation.h"
#include "word/template_layout.h"
#include "word/word_ids.h"
#include "word/worksheet_template.h"
#include "wordsim/utf8.h"
#include "wordsim/wordsim.h"

namespace mochi::testword {
namespace {

HMODULE serverModule = nullptr;
long liveObjects = 0;

std::wstring ModuleFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(serverModule, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// One per process: the stand-in, its type library and the report.
class Server {
 public:
  Server() : word_(files_, codec_, mochi::word::WorksheetTemplate()) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(serverModule, path, MAX_PATH);
    LoadTypeLibEx(path, REGKIND_NONE, &library_);
  }

  wordsim::WordSim& word() { return word_; }

  // nullptr when the type library did not load.
  ITypeInfo* TypeOf(REFIID type) {
    ITypeInfo* info = nullptr;
    if (library_ != nullptr) library_->GetTypeInfoOfGuid(type, &info);
    return info;
  }

  // Every application and document the stand-in holds, as UTF-8 lines: the typed main-text
  // paragraphs by number, and each grid row as its 12 boxes between bars.
  void WriteReport() {
    std::ofstream report(std::filesystem::path(ModuleFolder() + kReportFileName),
                         std::ios::binary | std::ios::trunc);
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(serverModule, module, MAX_PATH);
    report << "server " << platform::GbkFromWide(module) << "\n";
    report << "applications " << word_.ApplicationCount() << "\n";
    for (std::size_t a = 0; a < word_.ApplicationCount(); ++a) {
      const wordsim::SimApplication& application = word_.Application(a);
      report << "application " << a + 1 << " visible " << application.visible << " documents "
             << application.documents.size() << "\n";
      for (const wordsim::SimDocument& document : application.documents) {
        const word::DocumentText& text = document.Text();
        for (int p = 1; p <= word::layout::kMainParagraphs; ++p) {
          if (text.paragraphs[p - 1].empty()) continue;
          report << "paragraph " << p << ": " << wordsim::Utf8FromUtf16(text.paragraphs[p - 1])
                 << "\n";
        }
        for (int row = 1; row <= word::layout::kRows; ++row) {
          report << "row " << row << ": |";
          for (int column = 1; column <= word::layout::kColumns; ++column) {
            const auto& box = text.boxes[word::layout::BoxNumber(row, column) - 1];
            report << wordsim::Utf8FromUtf16(box[0] + box[1]) << "|";
          }
          report << "\n";
        }
      }
    }
  }

 private:
  platform::Win32FileSystem files_;
  platform::Win32TextCodec codec_;
  wordsim::WordSim word_;
  ITypeLib* library_ = nullptr;  // kept for the life of the process
};

Server& TheServer() {
  static Server server;
  return server;
}

// The interface of the object a member hands out.
const IID& TypeOfResult(DISPID member) {
  switch (member) {
    case word::ids::kApplicationDocuments:
      return kDocumentsType;
    case word::ids::kApplicationSelection:
      return kSelectionType;
    case word::ids::kDocumentsAdd:
      return kDocumentType;
    default:
      return kApplicationType;
  }
}

class SimDispatch final : public IDispatch {
 public:
  SimDispatch(word::Ref object, const IID& type) : object_(std::move(object)), type_(type) {
    ++liveObjects;
  }
  ~SimDispatch() { --liveObjects; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == type_) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++count_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --count_;
    if (left == 0) {
      // A run ends by letting go of its selection; the application goes at the program's end.
      const bool report = type_ == kSelectionType || type_ == kApplicationType;
      std::unique_ptr<SimDispatch> last(this);
      if (report) TheServer().WriteReport();
    }
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (index != 0) return DISP_E_BADINDEX;
    *info = TheServer().TypeOf(type_);
    return *info != nullptr ? S_OK : TYPE_E_ELEMENTNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (count != 1) return DISP_E_UNKNOWNNAME;
    const std::u16string name(reinterpret_cast<const char16_t*>(names[0]));
    const auto member = object_->FindMember(name);
    if (!member) return DISP_E_UNKNOWNNAME;
    ids[0] = *member;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override;

 private:
  word::Ref object_;
  const IID& type_;
  ULONG count_ = 1;
};

HRESULT SimDispatch::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                            VARIANT* result, EXCEPINFO* exception, UINT*) {
  // COM passes the arguments last first; the stand-in takes them first first.
  const UINT count = parameters->cArgs;
  std::vector<word::Value> arguments(count);
  std::vector<std::int32_t> byRef(count);
  std::vector<LONG*> byRefTargets(count, nullptr);
  for (UINT i = 0; i < count; ++i) {
    VARIANT* argument = &parameters->rgvarg[count - 1 - i];
    if (V_VT(argument) == (VT_VARIANT | VT_BYREF)) argument = V_VARIANTREF(argument);
    switch (V_VT(argument)) {
      case VT_BSTR:
        arguments[i] = std::u16string(reinterpret_cast<const char16_t*>(V_BSTR(argument)),
                                      SysStringLen(V_BSTR(argument)));
        break;
      case VT_I4:
        arguments[i] = static_cast<std::int32_t>(V_I4(argument));
        break;
      case VT_I4 | VT_BYREF:
        byRef[i] = *V_I4REF(argument);
        byRefTargets[i] = V_I4REF(argument);
        arguments[i] = word::IntByRef{&byRef[i]};
        break;
      case VT_BOOL:
        arguments[i] = V_BOOL(argument) != VARIANT_FALSE;
        break;
      default:
        break;  // omitted or not modelled
    }
  }
  word::InvokeKind kind = word::InvokeKind::PropertyGet;
  if (flags & DISPATCH_PROPERTYPUT) {
    kind = word::InvokeKind::PropertyPut;
  } else if (flags & DISPATCH_METHOD) {
    kind = word::InvokeKind::Method;
  }
  word::InvokeResult answer = object_->Invoke(member, kind, arguments);
  for (UINT i = 0; i < count; ++i) {
    if (byRefTargets[i] != nullptr) *byRefTargets[i] = byRef[i];
  }
  if (!answer.ok()) {
    if (exception != nullptr) {
      *exception = EXCEPINFO{};
      exception->scode = answer.error->code;
      exception->bstrSource = SysAllocString(L"Test Word");
      exception->bstrDescription =
          SysAllocStringLen(reinterpret_cast<const OLECHAR*>(answer.error->description.data()),
                            static_cast<UINT>(answer.error->description.size()));
    }
    return DISP_E_EXCEPTION;
  }
  if (result == nullptr) return S_OK;
  VariantInit(result);
  if (const auto* number = std::get_if<std::int32_t>(&answer.value)) {
    V_VT(result) = VT_I4;
    V_I4(result) = *number;
  } else if (const auto* flag = std::get_if<bool>(&answer.value)) {
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = *flag ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const auto* text = std::get_if<std::u16string>(&answer.value)) {
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text->data()),
                                       static_cast<UINT>(text->size()));
  } else if (auto* object = std::get_if<word::Ref>(&answer.value); object && *object) {
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) =
        std::make_unique<SimDispatch>(std::move(*object), TypeOfResult(member)).release();
  }
  return S_OK;
}

class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++count_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --count_;
    if (left == 0) std::unique_ptr<ClassFactory> last(this);
    return left;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    word::CreateResult made = TheServer().word().Create(u"Word.Application");
    if (!made.object) return E_FAIL;
    auto* application =
        std::make_unique<SimDispatch>(std::move(made.object), kApplicationType).release();
    const HRESULT status = application->QueryInterface(riid, out);
    application->Release();
    return status;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  ULONG count_ = 1;
};

}  // namespace

void SetServerModule(HMODULE module) { serverModule = module; }

IClassFactory* NewClassFactory() { return std::make_unique<ClassFactory>().release(); }

long LiveObjects() { return liveObjects; }

}  // namespace mochi::testword
