#pragma once
// The main window as a table: its frame and every control with its name, kind, parent,
// position, size, text and initial state. The toolkit builds the window from it, and tests
// read it to check what the toolkit built.

#include <span>
#include <string_view>

#include "platform/window.h"

namespace mochi::app {

// Control names (GBK) that the event handlers use.
namespace names {
extern const std::string_view kCharactersRadio;  // 单选框1
extern const std::string_view kWordsRadio;       // 单选框2
extern const std::string_view kIdiomsRadio;      // 单选框3
extern const std::string_view kMottoRadio;       // 单选框8
extern const std::string_view kSignatureRadio;   // 单选框9
extern const std::string_view kGenerateButton;   // 超级按钮1
extern const std::string_view kStatusBar;        // 状态条1
extern const std::string_view kClockTimer;       // 时钟1
}  // namespace names

// The address of the maker's web page: the hyperlink label's target and the exit action's.
std::string_view MakerPage();

// The window and its controls, parents before their children. `picture` is the banner JPEG.
platform::WindowDescription MainWindowDescription(std::span<const unsigned char> picture);

std::span<const platform::ControlDescription> MainWindowControls();

}  // namespace mochi::app
