#pragma once
// HKEY_LOCAL_MACHINE text values through RegQueryValueExW. A value missing from the program's
// own registry view is looked up in the 64-bit view as well: a 32-bit program sees the 32-bit
// view of SOFTWARE, where 64-bit installations do not register themselves.

#include <windows.h>

#include "platform/registry.h"

namespace mochi::platform {

class Win32Registry final : public Registry {
 public:
  // ownView: the view searched first (0 for the program's own); tests pass KEY_WOW64_32KEY to
  // play a 32-bit program.
  explicit Win32Registry(REGSAM ownView = 0) : ownView_(ownView) {}
  std::string ReadLocalMachineText(std::string_view key, std::string_view name) override;

 private:
  REGSAM ownView_;
};

}  // namespace mochi::platform
