#include "platform/host/host_registry.h"

namespace mochi::platform {

namespace {

std::string LowerCasedPath(std::string_view key, std::string_view name) {
  std::string path = std::string(key) + '\\' + std::string(name);
  for (char& c : path) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return path;
}

}  // namespace

void HostRegistry::SetLocalMachineText(std::string_view key, std::string_view name,
                                       std::string_view value) {
  values_[LowerCasedPath(key, name)] = std::string(value);
}

std::string HostRegistry::ReadLocalMachineText(std::string_view key, std::string_view name) {
  const auto found = values_.find(LowerCasedPath(key, name));
  return found != values_.end() ? found->second : std::string();
}

}  // namespace mochi::platform
