#include <gtest/gtest.h>
#include <objbase.h>

#include "platform/win32/win32_automation.h"
#include "recording_dispatch.h"

namespace mochi::platform {
namespace {

using testing_support::RecordingDispatch;
using word::InvokeKind;
using word::Ref;
using word::Value;

class Win32AutomationTest : public testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }
  RecordingDispatch dispatch_;
};

TEST_F(Win32AutomationTest, ArgumentsArePassedInReverseOrderWithByRefIntegersWrittenBack) {
  Ref object = WrapDispatch(&dispatch_);
  std::int32_t unit = 16, count = 1, extend = 0;
  Value arguments[] = {word::IntByRef{&unit}, word::IntByRef{&count}, word::IntByRef{&extend}};
  const word::InvokeResult result =
      object->Invoke(testing_support::kMoveRight, InvokeKind::Method, arguments);

  ASSERT_TRUE(result.ok());
  EXPECT_EQ(std::get<std::int32_t>(result.value), 1);
  ASSERT_EQ(dispatch_.calls().size(), 1u);
  const auto& call = dispatch_.calls()[0];
  EXPECT_EQ(call.flags, DISPATCH_METHOD);
  EXPECT_EQ(call.types,
            (std::vector<VARTYPE>{VT_I4 | VT_BYREF, VT_I4 | VT_BYREF, VT_I4 | VT_BYREF}));
  EXPECT_EQ(call.numbers, (std::vector<LONG>{0, 1, 16}));  // extend, count, unit
  EXPECT_TRUE(call.named.empty());
  EXPECT_EQ(count, 5);  // the callee's change reaches the caller
  EXPECT_EQ(unit, 16);
}

TEST_F(Win32AutomationTest, APropertyPutNamesItsValueAsThePutArgument) {
  Ref object = WrapDispatch(&dispatch_);
  Value value[] = {true};
  ASSERT_TRUE(object->Invoke(testing_support::kVisible, InvokeKind::PropertyPut, value).ok());
  EXPECT_TRUE(dispatch_.visible());
  const auto& put = dispatch_.calls().back();
  EXPECT_EQ(put.flags, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(put.named, (std::vector<DISPID>{DISPID_PROPERTYPUT}));
  EXPECT_EQ(put.types, (std::vector<VARTYPE>{VT_BOOL}));

  const auto got = object->Invoke(testing_support::kVisible, InvokeKind::PropertyGet, {});
  EXPECT_EQ(dispatch_.calls().back().flags, DISPATCH_PROPERTYGET);
  EXPECT_EQ(std::get<bool>(got.value), true);
}

TEST_F(Win32AutomationTest, TextsTravelAsBstrsInTheirOrder) {
  Ref object = WrapDispatch(&dispatch_);
  Value arguments[] = {std::u16string(u"c:\\windows\\dox.doc"), std::int32_t{3}};
  ASSERT_TRUE(object->Invoke(testing_support::kAdd, InvokeKind::Method, arguments).ok());
  const auto& call = dispatch_.calls().back();
  EXPECT_EQ(call.types, (std::vector<VARTYPE>{VT_I4, VT_BSTR}));
  EXPECT_EQ(call.texts, (std::vector<std::wstring>{L"c:\\windows\\dox.doc"}));
  EXPECT_EQ(call.numbers, (std::vector<LONG>{3}));
}

TEST_F(Win32AutomationTest, ReturnedObjectsAndWrappersHoldOneReferenceEach) {
  {
    Ref object = WrapDispatch(&dispatch_);
    EXPECT_EQ(dispatch_.references(), 2u);
    Ref copy = object;
    EXPECT_EQ(dispatch_.references(), 2u);  // the wrapper is shared, not the COM object
    auto documents = object->Invoke(testing_support::kDocuments, InvokeKind::PropertyGet, {});
    ASSERT_TRUE(std::holds_alternative<Ref>(documents.value));
    EXPECT_EQ(dispatch_.child().references(), 2u);
    Value passed[] = {std::get<Ref>(documents.value)};
    object->Invoke(testing_support::kAdd, InvokeKind::Method, passed);
    EXPECT_EQ(dispatch_.calls().back().types, (std::vector<VARTYPE>{VT_DISPATCH}));
    EXPECT_EQ(dispatch_.child().references(), 2u);  // the argument's reference was given back
  }
  EXPECT_EQ(dispatch_.references(), 1u);
  EXPECT_EQ(dispatch_.child().references(), 1u);
}

TEST_F(Win32AutomationTest, ErrorsComeBackAsValues) {
  Ref object = WrapDispatch(&dispatch_);
  const auto raised = object->Invoke(testing_support::kFails, InvokeKind::Method, {});
  ASSERT_FALSE(raised.ok());
  EXPECT_EQ(raised.error->code, static_cast<std::int32_t>(E_FAIL));
  EXPECT_EQ(raised.error->description, u"The command failed.");

  const auto missing = object->Invoke(1234, InvokeKind::Method, {});
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error->code, static_cast<std::int32_t>(DISP_E_MEMBERNOTFOUND));
}

TEST_F(Win32AutomationTest, MembersAreFoundByNameWithoutCaseAndMethodsFirst) {
  Ref object = WrapDispatch(&dispatch_);
  struct Case {
    std::u16string name;
    std::optional<word::DispId> expected;
  };
  const Case cases[] = {
      {u"add", testing_support::kAdd},
      {u"ADD", testing_support::kAdd},
      {u"moveright", testing_support::kMoveRight},
      {u"Visible", testing_support::kVisible},
      {u"OPEN", testing_support::kOpenMethod},
      {u"Ad", std::nullopt},
      {u"Close", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(object->FindMember(c.name), c.expected) << std::string(c.name.begin(), c.name.end());
  }
  EXPECT_EQ(dispatch_.references(), 2u);
}

TEST_F(Win32AutomationTest, AnUnknownProgIdGivesAnErrorAndNoObject) {
  Win32ObjectFactory factory;
  const word::CreateResult made = factory.Create(u"Mochi.NoSuchApplication");
  EXPECT_FALSE(made.object);
  ASSERT_TRUE(made.error.has_value());
  EXPECT_NE(made.error->code, 0);
}

}  // namespace
}  // namespace mochi::platform
