#include "platform/win32/win32_text.h"

#include <windows.h>

namespace mochi::platform {
namespace {

constexpr UINT kCodePage936 = 936;

}  // namespace

std::optional<std::u16string> Win32TextCodec::GbkToUtf16(std::string_view gbk) {
  if (gbk.empty()) return std::u16string();
  const int size = static_cast<int>(gbk.size());
  const int length =
      MultiByteToWideChar(kCodePage936, MB_ERR_INVALID_CHARS, gbk.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(kCodePage936, MB_ERR_INVALID_CHARS, gbk.data(), size,
                      reinterpret_cast<wchar_t*>(text.data()), length);
  return text;
}

std::optional<std::string> Win32TextCodec::Utf16ToGbk(std::u16string_view utf16) {
  if (utf16.empty()) return std::string();
  const auto* wide = reinterpret_cast<const wchar_t*>(utf16.data());
  const int size = static_cast<int>(utf16.size());
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(kCodePage936, 0, wide, size, nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return std::nullopt;
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage936, 0, wide, size, text.data(), length, nullptr, nullptr);
  return text;
}

std::wstring WideFromGbk(std::string_view gbk) {
  if (gbk.empty()) return std::wstring();
  const int size = static_cast<int>(gbk.size());
  const int length = MultiByteToWideChar(kCodePage936, 0, gbk.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(kCodePage936, 0, gbk.data(), size, text.data(), length);
  return text;
}

std::string GbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(kCodePage936, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) {
    WideCharToMultiByte(kCodePage936, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  }
  return text;
}

}  // namespace mochi::platform
