#pragma once
// The built-in Word stand-in: an in-process implementation of the part of Word's object model
// the program uses (Application.Visible, .Documents, .Selection; Documents.Add, .Count, .Parent;
// Selection.TypeText, .MoveRight, .MoveDown), behind the automation interface and with Word's
// own DISPIDs. It opens only the carried worksheet template and models the document made from it
// (sim_document.h). It records every call, can be told to fail chosen calls, and lets its
// owner look at each application and document it made.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/files.h"
#include "platform/text.h"
#include "word/automation.h"
#include "wordsim/call_trace.h"
#include "wordsim/sim_document.h"

namespace mochi::wordsim {

// One Word application made by Create.
struct SimApplication {
  bool visible = false;
  // The documents it made, oldest first; the last is the active one.
  std::vector<SimDocument> documents;
  // References to its objects that clients still hold.
  int liveObjects = 0;
};

struct Session;

class WordSim final : public word::ObjectFactory {
 public:
  // The file system and codec must outlive every object the stand-in hands out. Documents.Add
  // accepts a file only when it holds exactly templateBytes.
  WordSim(platform::FileSystem& files, platform::TextCodec& codec,
          std::span<const char> templateBytes);
  ~WordSim() override;
  WordSim(const WordSim&) = delete;
  WordSim& operator=(const WordSim&) = delete;

  // "Word.Application" (any case) makes a new application; any other ProgID fails.
  word::CreateResult Create(std::u16string_view progId) override;

  // The applications made so far, oldest first.
  std::size_t ApplicationCount() const;
  const SimApplication& Application(std::size_t index) const;
  // The index of the application an object belongs to; nullopt for objects of other makers.
  std::optional<std::size_t> ApplicationOf(const word::Object* object) const;

  // Every call so far, in order.
  const std::vector<Call>& Trace() const;
  // A call for which the rule answers true returns an error and has no effect.
  void SetFailureRule(std::function<bool(const Call&)> rule);
  // Told of each call as it is made (after the failure rule decided).
  void SetCallObserver(std::function<void(const Call&)> observer);

 private:
  std::shared_ptr<Session> session_;
};

// Failure rules.
std::function<bool(const Call&)> FailFromCall(std::size_t index);
std::function<bool(const Call&)> FailMember(std::string object, std::string member);

}  // namespace mochi::wordsim
