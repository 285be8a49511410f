#pragma once
// Conversion between GBK (Windows code page 936) and UTF-16, with the mapping of code page 936:
// 0x80 is U+20AC, A1AA is U+2014, A1A4 is U+00B7.

#include <optional>
#include <string>
#include <string_view>

namespace mochi::platform {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  // nullopt when the bytes are not valid GBK.
  virtual std::optional<std::u16string> GbkToUtf16(std::string_view gbk) = 0;
  // nullopt when a character has no GBK form.
  virtual std::optional<std::string> Utf16ToGbk(std::u16string_view utf16) = 0;
};

}  // namespace mochi::platform
