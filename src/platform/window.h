#pragma once
// The main window as data, and what the toolkit does with it: build the window and its controls
// from a description, deliver the window's events, run the event loop. Texts are GBK.

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/toolkit.h"

namespace mochi::platform {

enum class ControlKind {
  PictureBox,  // shows the window's banner picture, stretched to its size
  GroupBox,    // a caption and a frame; the radio buttons inside it form one exclusive group
  RadioButton,
  Button,          // flat push button with its own caption font and a tooltip
  StatusBar,       // fixed-width parts
  HyperlinkLabel,  // opens `target` in the default browser when clicked
  TextField,       // single-line
  Timer,           // no appearance; `interval` milliseconds
  ListTable,       // holds one word list; placed out of sight
  Component,       // no appearance and no window (the Word components)
};

struct FontDescription {
  std::string_view face;  // empty: the system's default font
  int pixelHeight = 0;
  bool bold = false;
};

struct StatusPart {
  int width = 0;
  std::string_view text;
};

struct ControlDescription {
  std::string_view name;
  ControlKind kind;
  std::string_view parent = {};  // empty: the window itself
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string_view text = {};  // caption, or the label's shown text
  bool selected = false;       // radio buttons
  std::string_view tooltip = {};
  std::string_view target = {};  // hyperlink labels
  FontDescription font = {};
  std::span<const StatusPart> parts = {};  // status bars
  int interval = 0;                        // timers
};

struct WindowDescription {
  std::string_view caption;
  int width = 0;  // frame and title bar included
  int height = 0;
  std::span<const ControlDescription> controls;  // parents stand before their children
  std::span<const unsigned char> picture;        // the JPEG shown by picture boxes
};

// The four events of the main window; each runs to its end before the next is delivered.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // The window and all its controls exist; no other event has been delivered yet.
  virtual void OnCreated() = 0;
  // The window is about to go, its controls still there.
  virtual void OnWillBeDestroyed() = 0;
  virtual void OnTimer(std::string_view timer) = 0;
  virtual void OnClicked(std::string_view button) = 0;
};

class WindowHost : public Toolkit {
 public:
  // Creates the window and its controls, starts the timers and delivers the created event.
  // False when the window could not be made; then no event has been delivered.
  virtual bool Load(const WindowDescription& window, WindowEvents& events) = 0;
  // Whether the main window still exists.
  virtual bool HasWindow() = 0;
  // Dispatches events until the main window has been destroyed.
  virtual void RunEventLoop() = 0;
};

}  // namespace mochi::platform
