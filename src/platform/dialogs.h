#pragma once
// Message boxes without an owner window.

#include <string_view>

namespace mochi::platform {

enum class MessageIcon { None, Error };

struct MessageBoxStyle {
  MessageIcon icon = MessageIcon::None;
  bool taskModal = false;  // otherwise application-modal
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a message box with an OK button and waits until it is dismissed. Texts are GBK.
  virtual void ShowMessage(std::string_view text, std::string_view title,
                           MessageBoxStyle style) = 0;
};

}  // namespace mochi::platform
