#pragma once
// GBK through iconv's "CP936", which maps like Windows code page 936.

#include "platform/text.h"

namespace mochi::platform {

class HostTextCodec final : public TextCodec {
 public:
  std::optional<std::u16string> GbkToUtf16(std::string_view gbk) override;
  std::optional<std::string> Utf16ToGbk(std::u16string_view utf16) override;
};

}  // namespace mochi::platform
