#include "platform/host/host_dialogs.h"

namespace mochi::platform {

void HostDialogs::ShowMessage(std::string_view text, std::string_view title, MessageBoxStyle) {
  if (shown_) shown_(text, title);
}

}  // namespace mochi::platform
