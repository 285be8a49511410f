#include "platform/host/host_toolkit.h"

namespace mochi::platform {

void HeadlessToolkit::SetRadioSelected(std::string_view name, bool selected) {
  radios_[std::string(name)] = selected;
}

bool HeadlessToolkit::IsRadioSelected(std::string_view name) {
  const auto found = radios_.find(name);
  return found != radios_.end() && found->second;
}

void HeadlessToolkit::AddStatusBar(std::string_view name, int parts) {
  statusBars_[std::string(name)] = std::vector<std::string>(static_cast<std::size_t>(parts));
}

void HeadlessToolkit::SetStatusPartText(std::string_view name, int part, std::string_view text) {
  const auto found = statusBars_.find(name);
  if (found == statusBars_.end() || part < 0 || part >= static_cast<int>(found->second.size())) {
    return;
  }
  found->second[static_cast<std::size_t>(part)] = std::string(text);
}

std::string HeadlessToolkit::StatusPartText(std::string_view name, int part) const {
  const auto found = statusBars_.find(name);
  if (found == statusBars_.end() || part < 0 || part >= static_cast<int>(found->second.size())) {
    return {};
  }
  return found->second[static_cast<std::size_t>(part)];
}

}  // namespace mochi::platform
