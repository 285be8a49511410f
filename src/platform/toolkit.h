#pragma once
// What the event handlers need from the window toolkit: the state of the window's controls,
// which are known by their names ("单选框1", "状态条1"). Names and texts are GBK.

#include <string_view>

namespace mochi::platform {

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  // Whether the radio button of that name reads as selected; false for an unknown name.
  virtual bool IsRadioSelected(std::string_view name) = 0;
  // Sets the text of part `part` of the status bar of that name; a part index outside the
  // bar's parts changes nothing.
  virtual void SetStatusPartText(std::string_view name, int part, std::string_view text) = 0;
};

}  // namespace mochi::platform
