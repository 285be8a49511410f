#pragma once
// Builds binary structures: little-endian integers, UTF-16LE text and raw bytes appended to a
// byte string.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mochi::docfile {

class ByteWriter {
 public:
  void U8(std::uint32_t value) { bytes_.push_back(static_cast<char>(value & 0xFF)); }
  void U16(std::uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  void Utf16(std::u16string_view text) {
    for (char16_t c : text) U16(c);
  }
  void Bytes(std::string_view bytes) { bytes_.append(bytes); }
  void Zeros(std::size_t count) { bytes_.append(count, '\0'); }
  // Zero-fills up to the given size; does nothing when already there.
  void PadTo(std::size_t size) {
    if (bytes_.size() < size) Zeros(size - bytes_.size());
  }
  // Overwrites four bytes already written.
  void U32At(std::size_t position, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_[position + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }

  std::size_t size() const { return bytes_.size(); }
  const std::string& bytes() const { return bytes_; }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace mochi::docfile
