#include "platform/win32/win32_registry.h"

#include <gtest/gtest.h>

#include <string>

namespace mochi::platform {
namespace {

const wchar_t kKey[] = L"SOFTWARE\\MochiRegistryTest";

class Win32RegistryTest : public testing::Test {
 protected:
  void SetUp() override { Remove(); }
  void TearDown() override { Remove(); }

  static void Remove() {
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_64KEY, 0);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY, 0);
  }

  static void Set(const wchar_t* name, DWORD type, const std::wstring& text,
                  REGSAM view = KEY_WOW64_64KEY) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE | view, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
};

TEST_F(Win32RegistryTest, TextValuesComeBackAndOtherTypesAreEmpty) {
  // 办公 in GBK: the value is converted from UTF-16 to the program's code page.
  Set(L"Plain", REG_SZ, L"C:\\Program Files\\Microsoft Office\\\x529E\x516C\\");
  Set(L"Expand", REG_EXPAND_SZ, L"%MOCHI_TEST_ROOT%\\Office");
  const DWORD number = 7;
  HKEY key = nullptr;
  RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_WRITE, &key);
  RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof(number));
  RegCloseKey(key);
  SetEnvironmentVariableW(L"MOCHI_TEST_ROOT", L"D:\\Apps");

  Win32Registry registry;
  EXPECT_EQ(registry.ReadLocalMachineText("SOFTWARE\\MochiRegistryTest", "Plain"),
            "C:\\Program Files\\Microsoft Office\\\xB0\xEC\xB9\xAB\\");
  EXPECT_EQ(registry.ReadLocalMachineText("SOFTWARE\\MochiRegistryTest", "Expand"),
            "D:\\Apps\\Office");
  EXPECT_EQ(registry.ReadLocalMachineText("SOFTWARE\\MochiRegistryTest", "Number"), "");
  EXPECT_EQ(registry.ReadLocalMachineText("SOFTWARE\\MochiRegistryTest", "Missing"), "");
  EXPECT_EQ(registry.ReadLocalMachineText("SOFTWARE\\MochiNoSuchKey", "Plain"), "");
}

TEST_F(Win32RegistryTest, AValueOnlyInThe64BitViewIsFoundFromThe32BitView) {
  Set(L"Path", REG_SZ, L"C:\\Program Files\\Microsoft Office\\root\\Office16\\");
  ASSERT_EQ(
      Win32Registry(KEY_WOW64_32KEY).ReadLocalMachineText("SOFTWARE\\MochiRegistryTest", "Path"),
      "C:\\Program Files\\Microsoft Office\\root\\Office16\\");
}

TEST_F(Win32RegistryTest, TheOwnViewWinsWhenBothHoldTheValue) {
  Set(L"Path", REG_SZ, L"C:\\Office64\\", KEY_WOW64_64KEY);
  Set(L"Path", REG_SZ, L"C:\\Office32\\", KEY_WOW64_32KEY);
  EXPECT_EQ(
      Win32Registry(KEY_WOW64_32KEY).ReadLocalMachineText("SOFTWARE\\MochiRegistryTest", "Path"),
      "C:\\Office32\\");
}

}  // namespace
}  // namespace mochi::platform
