#pragma once
// The registry as an in-memory map of text values, filled by its owner. Key and value names
// compare without regard to ASCII case, as in the Windows registry.

#include <map>
#include <string>

#include "platform/registry.h"

namespace mochi::platform {

class HostRegistry final : public Registry {
 public:
  void SetLocalMachineText(std::string_view key, std::string_view name, std::string_view value);
  std::string ReadLocalMachineText(std::string_view key, std::string_view name) override;

 private:
  std::map<std::string, std::string> values_;  // by lower-cased "key\name"
};

}  // namespace mochi::platform
