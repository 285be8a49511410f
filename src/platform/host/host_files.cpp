#include "platform/host/host_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <utility>

namespace mochi::platform {
namespace {

constexpr std::string_view kWindowsFolder = "c:\\windows\\";

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

// Closes its descriptor when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

class HostOpenFile final : public OpenFile {
 public:
  explicit HostOpenFile(int fd) : fd_(fd) {}

  std::uint64_t Size() override {
    struct stat status {};
    if (::fstat(fd_.get(), &status) != 0) return 0;
    return static_cast<std::uint64_t>(status.st_size);
  }

  std::size_t ReadAt(std::uint64_t position, std::span<char> out) override {
    const ssize_t got = ::pread(fd_.get(), out.data(), out.size(), static_cast<off_t>(position));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }

 private:
  Descriptor fd_;
};

}  // namespace

HostFileSystem::HostFileSystem(std::filesystem::path windowsFolder)
    : windowsFolder_(std::move(windowsFolder)) {}

std::filesystem::path HostFileSystem::HostPath(std::string_view path) const {
  if (StartsWithIgnoringCase(path, kWindowsFolder)) {
    return windowsFolder_ / std::string(path.substr(kWindowsFolder.size()));
  }
  return std::filesystem::path(std::string(path));
}

bool HostFileSystem::WriteWholeFile(std::string_view path, std::span<const char> bytes) {
  // Not O_TRUNC: the file may only be emptied once the exclusive lock is ours.
  Descriptor fd(::open(HostPath(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
  if (fd.get() < 0) return false;
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return false;
  if (::ftruncate(fd.get(), 0) != 0) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

std::unique_ptr<OpenFile> HostFileSystem::OpenExisting(std::string_view path) {
  const int fd = ::open(HostPath(path).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return nullptr;
  auto file = std::make_unique<HostOpenFile>(fd);
  if (::flock(fd, LOCK_SH | LOCK_NB) != 0) return nullptr;
  return file;
}

}  // namespace mochi::platform
