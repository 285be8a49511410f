#pragma once
// Message boxes without a screen: each one is handed to a function given by the owner (which
// prints it, say) and counts as dismissed at once.

#include <functional>
#include <string_view>

#include "platform/dialogs.h"

namespace mochi::platform {

class HostDialogs final : public Dialogs {
 public:
  using Shown = std::function<void(std::string_view text, std::string_view title)>;
  explicit HostDialogs(Shown shown) : shown_(std::move(shown)) {}
  void ShowMessage(std::string_view text, std::string_view title, MessageBoxStyle style) override;

 private:
  Shown shown_;
};

}  // namespace mochi::platform
