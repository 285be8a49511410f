#include "platform/host/host_text.h"

#include <iconv.h>

#include <cstring>

namespace mochi::platform {
namespace {

// Converts `in` whole from one encoding to another; nullopt if any byte cannot be converted.
std::optional<std::string> Convert(const char* to, const char* from, const char* data,
                                   std::size_t size) {
  iconv_t cd = ::iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(size * 2 + 8, '\0');
  char* in = const_cast<char*>(data);
  std::size_t inLeft = size;
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t result = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  ::iconv_close(cd);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::optional<std::u16string> HostTextCodec::GbkToUtf16(std::string_view gbk) {
  auto bytes = Convert("UTF-16LE", "CP936", gbk.data(), gbk.size());
  if (!bytes) return std::nullopt;
  std::u16string text(bytes->size() / 2, u'\0');
  std::memcpy(text.data(), bytes->data(), text.size() * 2);
  return text;
}

std::optional<std::string> HostTextCodec::Utf16ToGbk(std::u16string_view utf16) {
  return Convert("CP936", "UTF-16LE", reinterpret_cast<const char*>(utf16.data()),
                 utf16.size() * 2);
}

}  // namespace mochi::platform
