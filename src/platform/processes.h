#pragma once
// Starting another program.

#include <string_view>

namespace mochi::platform {

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts a process from a whole command line (GBK), the program found by the system's search;
  // waits at most waitReadyMilliseconds for it to become ready for input, never for its end.
  // Whether the start succeeded is not reported.
  virtual void StartCommandLine(std::string_view commandLine, unsigned waitReadyMilliseconds) = 0;
};

}  // namespace mochi::platform
