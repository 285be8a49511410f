#include "platform/win32/win32_files.h"

#include <windows.h>

#include "platform/win32/win32_text.h"

namespace mochi::platform {
namespace {

// Closes its handle when it goes.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (valid()) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

 private:
  HANDLE handle_;
};

class Win32OpenFile final : public OpenFile {
 public:
  explicit Win32OpenFile(HANDLE handle) : handle_(handle) {}

  std::uint64_t Size() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_.get(), &size)) return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::size_t ReadAt(std::uint64_t position, std::span<char> out) override {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(out.size() > 0x40000000u ? 0x40000000u : out.size());
    if (!ReadFile(handle_.get(), out.data(), want, &got, &at)) return 0;
    return got;
  }

 private:
  Handle handle_;
};

}  // namespace

bool Win32FileSystem::WriteWholeFile(std::string_view path, std::span<const char> bytes) {
  Handle file(CreateFileW(WideFromGbk(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const std::size_t chunk = bytes.size() - written;
    const DWORD want = static_cast<DWORD>(chunk > 0x40000000u ? 0x40000000u : chunk);
    DWORD done = 0;
    if (!WriteFile(file.get(), bytes.data() + written, want, &done, nullptr) || done == 0) {
      return false;
    }
    written += done;
  }
  return true;
}

std::unique_ptr<OpenFile> Win32FileSystem::OpenExisting(std::string_view path) {
  HANDLE handle = CreateFileW(WideFromGbk(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenFile>(handle);
}

}  // namespace mochi::platform
