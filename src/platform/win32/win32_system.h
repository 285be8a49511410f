#pragma once
// The clock, message boxes and process start of Win32.

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/processes.h"

namespace mochi::platform {

class Win32Clock final : public Clock {
 public:
  LocalDateTime Now() override;
  std::uint32_t UptimeMilliseconds() override;
};

class Win32Dialogs final : public Dialogs {
 public:
  void ShowMessage(std::string_view text, std::string_view title, MessageBoxStyle style) override;
};

class Win32Processes final : public Processes {
 public:
  void StartCommandLine(std::string_view commandLine, unsigned waitReadyMilliseconds) override;
};

}  // namespace mochi::platform
