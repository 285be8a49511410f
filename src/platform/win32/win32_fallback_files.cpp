#include "platform/win32/win32_fallback_files.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "platform/win32/win32_text.h"

namespace mochi::platform {
namespace {

constexpr std::string_view kSystemFolder = "c:\\windows\\";

// The file name when the path names a file directly in the system folder, else empty.
std::string_view SystemFolderFileName(std::string_view path) {
  if (path.size() <= kSystemFolder.size()) return {};
  const bool inFolder =
      std::equal(kSystemFolder.begin(), kSystemFolder.end(), path.begin(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  const std::string_view name = path.substr(kSystemFolder.size());
  if (!inFolder || name.find('\\') != std::string_view::npos) return {};
  return name;
}

std::string TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return std::string();
  return GbkFromWide(std::wstring_view(folder, length));
}

}  // namespace

Win32FallbackFileSystem::Win32FallbackFileSystem(std::string fallbackFolder)
    : fallbackFolder_(fallbackFolder.empty() ? TemporaryFolder() : std::move(fallbackFolder)) {}

bool Win32FallbackFileSystem::WriteWholeFile(std::string_view path, std::span<const char> bytes) {
  if (files_.WriteWholeFile(path, bytes)) {
    if (auto moved = movedFiles_.find(path); moved != movedFiles_.end()) movedFiles_.erase(moved);
    return true;
  }
  const std::string_view name = SystemFolderFileName(path);
  if (name.empty() || fallbackFolder_.empty()) return false;
  std::string fallback = fallbackFolder_ + std::string(name);
  if (!files_.WriteWholeFile(fallback, bytes)) return false;
  movedFiles_.insert_or_assign(std::string(path), std::move(fallback));
  return true;
}

std::unique_ptr<OpenFile> Win32FallbackFileSystem::OpenExisting(std::string_view path) {
  return files_.OpenExisting(PathInUse(path));
}

std::string Win32FallbackFileSystem::PathInUse(std::string_view path) {
  const auto moved = movedFiles_.find(path);
  return moved != movedFiles_.end() ? moved->second : std::string(path);
}

}  // namespace mochi::platform
