#include "platform/win32/win32_registry.h"

#include <optional>
#include <string>

#include "platform/win32/win32_text.h"

namespace mochi::platform {
namespace {

class Key {
 public:
  Key() = default;
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The value as UTF-16 when it exists in that view as REG_SZ or REG_EXPAND_SZ (expanded).
std::optional<std::wstring> ReadText(const std::wstring& keyPath, const std::wstring& name,
                                     REGSAM view) {
  Key key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ | view, key.out()) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(text.data()), &got) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The stored value need not end with a NUL, or may end with several.
  text.resize(got / sizeof(wchar_t));
  text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
  if (type == REG_SZ) return text;

  const DWORD length = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (length == 0) return std::wstring();
  std::wstring expanded(length, L'\0');
  ExpandEnvironmentStringsW(text.c_str(), expanded.data(), length);
  expanded.resize(length - 1);
  return expanded;
}

}  // namespace

std::string Win32Registry::ReadLocalMachineText(std::string_view key, std::string_view name) {
  const std::wstring keyPath = WideFromGbk(key);
  const std::wstring valueName = WideFromGbk(name);
  std::optional<std::wstring> text = ReadText(keyPath, valueName, ownView_);
  if (!text) text = ReadText(keyPath, valueName, KEY_WOW64_64KEY);
  return text ? GbkFromWide(*text) : std::string();
}

}  // namespace mochi::platform
