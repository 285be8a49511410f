#include "platform/host/host_clock.h"

#include <time.h>

namespace mochi::platform {

LocalDateTime HostClock::Now() {
  const time_t now = ::time(nullptr);
  struct tm local {};
  ::localtime_r(&now, &local);
  return LocalDateTime{.year = local.tm_year + 1900,
                       .month = local.tm_mon + 1,
                       .day = local.tm_mday,
                       .hour = local.tm_hour,
                       .minute = local.tm_min,
                       .second = local.tm_sec};
}

std::uint32_t HostClock::UptimeMilliseconds() {
  struct timespec since {};
  ::clock_gettime(CLOCK_MONOTONIC, &since);
  const auto milliseconds = static_cast<std::uint64_t>(since.tv_sec) * 1000u +
                            static_cast<std::uint64_t>(since.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(milliseconds);  // wraps like the 32-bit tick count
}

}  // namespace mochi::platform
