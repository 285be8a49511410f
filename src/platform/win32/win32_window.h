#pragma once
// The window toolkit on Win32 and the common controls: the main window and its controls are
// made from a WindowDescription. Each control gets the id 1000 + its index in the description,
// so that other programs (the end-to-end tests) can find it with GetDlgItem on its parent.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/window.h"

namespace mochi::platform {

inline constexpr int kFirstControlId = 1000;
inline constexpr wchar_t kMainWindowClass[] = L"MochiMainWindow";
inline constexpr int kWindowIconId = 1;  // the icon resource of the program

class Win32WindowHost final : public WindowHost {
 public:
  Win32WindowHost();
  ~Win32WindowHost() override;
  Win32WindowHost(const Win32WindowHost&) = delete;
  Win32WindowHost& operator=(const Win32WindowHost&) = delete;

  bool Load(const WindowDescription& window, WindowEvents& events) override;
  bool HasWindow() override;
  void RunEventLoop() override;
  bool IsRadioSelected(std::string_view name) override;
  void SetStatusPartText(std::string_view name, int part, std::string_view text) override;

  HWND window() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace mochi::platform
