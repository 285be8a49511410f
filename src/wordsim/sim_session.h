#pragma once
// What all objects of one stand-in share: its platform services, the template's bytes, the call
// record and the applications made. Objects hold it by shared_ptr, so it outlives the WordSim
// while a client still holds an object.

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "platform/files.h"
#include "platform/text.h"
#include "wordsim/call_trace.h"
#include "wordsim/wordsim.h"

namespace mochi::wordsim {

struct Session {
  Session(platform::FileSystem& files, platform::TextCodec& codec,
          std::span<const char> templateBytes)
      : files(files), codec(codec), templateBytes(templateBytes) {}

  platform::FileSystem& files;
  platform::TextCodec& codec;
  std::span<const char> templateBytes;
  std::vector<Call> trace;
  std::function<bool(const Call&)> failureRule;
  std::function<void(const Call&)> observer;
  std::vector<std::shared_ptr<SimApplication>> applications;

  // Numbers and records the call; true when the failure rule fails it.
  bool Record(Call call) {
    call.index = trace.size();
    call.failed = failureRule && failureRule(call);
    trace.push_back(call);
    if (observer) observer(trace.back());
    return call.failed;
  }
};

}  // namespace mochi::wordsim
