#pragma once
// A toolkit without a screen: it holds the radio buttons' states and the status bars' texts
// that its owner sets, and answers for them.

#include <map>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace mochi::platform {

class HeadlessToolkit final : public Toolkit {
 public:
  void SetRadioSelected(std::string_view name, bool selected);
  bool IsRadioSelected(std::string_view name) override;

  // A status bar with `parts` parts, all empty.
  void AddStatusBar(std::string_view name, int parts);
  void SetStatusPartText(std::string_view name, int part, std::string_view text) override;
  // The part's text; empty for an unknown bar or part.
  std::string StatusPartText(std::string_view name, int part) const;

 private:
  std::map<std::string, bool, std::less<>> radios_;
  std::map<std::string, std::vector<std::string>, std::less<>> statusBars_;
};

}  // namespace mochi::platform
