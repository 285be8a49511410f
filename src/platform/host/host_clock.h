#pragma once
// The system clock: local time from the C library, the uptime from the monotonic clock.

#include "platform/clock.h"

namespace mochi::platform {

class HostClock final : public Clock {
 public:
  LocalDateTime Now() override;
  std::uint32_t UptimeMilliseconds() override;
};

}  // namespace mochi::platform
