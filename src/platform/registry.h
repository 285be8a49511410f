#pragma once
// Read-only access to text values under HKEY_LOCAL_MACHINE.

#include <string>
#include <string_view>

namespace mochi::platform {

class Registry {
 public:
  virtual ~Registry() = default;
  // The value `name` of the key `key` (both GBK) under HKEY_LOCAL_MACHINE, opened for reading.
  // A REG_SZ value comes back unchanged, a REG_EXPAND_SZ value with its environment variables
  // expanded; a missing key, a missing value or a value of another type gives the empty text.
  virtual std::string ReadLocalMachineText(std::string_view key, std::string_view name) = 0;
};

}  // namespace mochi::platform
