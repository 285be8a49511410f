#pragma once
// GBK through MultiByteToWideChar and WideCharToMultiByte with code page 936.

#include "platform/text.h"

namespace mochi::platform {

class Win32TextCodec final : public TextCodec {
 public:
  std::optional<std::u16string> GbkToUtf16(std::string_view gbk) override;
  std::optional<std::string> Utf16ToGbk(std::u16string_view utf16) override;
};

// The UTF-16 form of a GBK path or text for the wide Win32 calls; invalid bytes become U+FFFD.
std::wstring WideFromGbk(std::string_view gbk);
// The GBK form of a UTF-16 text; characters without one become '?'.
std::string GbkFromWide(std::wstring_view wide);

}  // namespace mochi::platform
