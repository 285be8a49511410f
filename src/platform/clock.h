#pragma once
// The system clock: local date and time to the second, and the uptime.

#include <cstdint>

namespace mochi::platform {

struct LocalDateTime {
  int year = 0;
  int month = 0;   // 1 to 12
  int day = 0;     // 1 to 31
  int hour = 0;    // 0 to 23
  int minute = 0;  // 0 to 59
  int second = 0;  // 0 to 59
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
  // Milliseconds since the system started, as a 32-bit number that wraps after about 49.7 days.
  virtual std::uint32_t UptimeMilliseconds() = 0;
};

}  // namespace mochi::platform
