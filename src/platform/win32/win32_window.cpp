#include "platform/win32/win32_window.h"

#include <commctrl.h>
#include <objbase.h>
#include <olectl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "platform/win32/win32_com.h"
#include "platform/win32/win32_text.h"

namespace mochi::platform {
namespace {

// Deletes a GDI object when it goes.
class GdiObject {
 public:
  GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(nullptr); }
  void Reset(HGDIOBJ object) {
    if (object_ != nullptr) DeleteObject(object_);
    object_ = object;
  }
  HGDIOBJ get() const { return object_; }

 private:
  HGDIOBJ object_ = nullptr;
};

struct Control {
  const ControlDescription* description = nullptr;
  HWND handle = nullptr;  // none for timers and components
  UINT_PTR timer = 0;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The JPEG decoded by OLE and stretched, without keeping its proportions, to width × height.
HBITMAP StretchedPicture(std::span<const unsigned char> jpeg, int width, int height) {
  if (jpeg.empty()) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, jpeg.size());
  if (memory == nullptr) return nullptr;
  std::copy(jpeg.begin(), jpeg.end(), static_cast<unsigned char*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.out()))) {
    GlobalFree(memory);
    return nullptr;
  }
  ComPtr<IPicture> picture;
  if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(jpeg.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.out())))) {
    return nullptr;
  }
  OLE_XSIZE_HIMETRIC pictureWidth = 0;
  OLE_YSIZE_HIMETRIC pictureHeight = 0;
  picture->get_Width(&pictureWidth);
  picture->get_Height(&pictureHeight);
  HDC screen = GetDC(nullptr);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(target, bitmap);
  // HIMETRIC runs upwards: render from the bottom edge with a negative height.
  picture->Render(target, 0, 0, width, height, 0, pictureHeight, pictureWidth, -pictureHeight,
                  nullptr);
  SelectObject(target, old);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

// Group boxes paint their inside and answer their radio buttons' colour requests white, like
// the window.
LRESULT CALLBACK WhiteChildren(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  if (message == WM_ERASEBKGND) {
    RECT area;
    GetClientRect(window, &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area,
             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return 1;
  }
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

struct Win32WindowHost::State {
  HWND window = nullptr;
  WindowEvents* events = nullptr;
  std::vector<Control> controls;
  std::span<const unsigned char> pictureBytes;
  GdiObject picture;
  std::vector<std::unique_ptr<GdiObject>> fonts;

  const Control* Find(std::string_view name, ControlKind kind) const {
    for (const Control& control : controls) {
      if (control.description->name == name && control.description->kind == kind) {
        return &control;
      }
    }
    return nullptr;
  }

  HWND ParentOf(const ControlDescription& description) const {
    if (description.parent.empty()) return window;
    for (const Control& control : controls) {
      if (control.description->name == description.parent && control.handle != nullptr) {
        return control.handle;
      }
    }
    return window;
  }

  void CreateControl(const ControlDescription& description, int index);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

void Win32WindowHost::State::CreateControl(const ControlDescription& description, int index) {
  Control control{&description, nullptr, 0};
  const HWND parent = ParentOf(description);
  const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index));
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring text = WideFromGbk(description.text);
  auto make = [&](const wchar_t* className, DWORD style, const std::wstring& caption) {
    return CreateWindowExW(0, className, caption.c_str(), WS_CHILD | WS_VISIBLE | style,
                           description.left, description.top, description.width, description.height,
                           parent, id, instance, nullptr);
  };
  switch (description.kind) {
    case ControlKind::PictureBox:
      control.handle = make(WC_STATICW, SS_BITMAP, L"");
      picture.Reset(StretchedPicture(pictureBytes, description.width, description.height));
      SendMessageW(control.handle, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(picture.get()));
      break;
    case ControlKind::GroupBox:
      control.handle = make(WC_BUTTONW, BS_GROUPBOX, text);
      SetWindowSubclass(control.handle, WhiteChildren, 0, 0);
      break;
    case ControlKind::RadioButton: {
      // The first radio button of a group box starts the group of mutually exclusive buttons.
      bool first = true;
      for (const Control& other : controls) {
        if (other.description->kind == ControlKind::RadioButton &&
            other.description->parent == description.parent) {
          first = false;
        }
      }
      control.handle =
          make(WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP | (first ? WS_GROUP : 0), text);
      SendMessageW(control.handle, BM_SETCHECK, description.selected ? BST_CHECKED : BST_UNCHECKED,
                   0);
      break;
    }
    case ControlKind::Button: {
      control.handle = make(WC_BUTTONW, BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP, text);
      if (!description.font.face.empty()) {
        auto font = std::make_unique<GdiObject>();
        font->Reset(CreateFontW(
            -description.font.pixelHeight, 0, 0, 0, description.font.bold ? FW_BOLD : FW_NORMAL,
            FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
            DEFAULT_QUALITY, DEFAULT_PITCH, WideFromGbk(description.font.face).c_str()));
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font->get()), FALSE);
        fonts.push_back(std::move(font));
      }
      // No focus rectangle on the button.
      SendMessageW(control.handle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
      if (!description.tooltip.empty()) {
        HWND tip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
        std::wstring tipText = WideFromGbk(description.tooltip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(control.handle);
        tool.lpszText = tipText.data();
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 300);
      }
      break;
    }
    case ControlKind::StatusBar: {
      control.handle = make(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE, L"");
      std::vector<int> edges;
      int right = 0;
      for (const StatusPart& part : description.parts) edges.push_back(right += part.width);
      SendMessageW(control.handle, SB_SETPARTS, edges.size(),
                   reinterpret_cast<LPARAM>(edges.data()));
      for (std::size_t i = 0; i < description.parts.size(); ++i) {
        SendMessageW(control.handle, SB_SETTEXTW, i,
                     reinterpret_cast<LPARAM>(WideFromGbk(description.parts[i].text).c_str()));
      }
      break;
    }
    case ControlKind::HyperlinkLabel:
      control.handle = make(
          WC_LINK, 0, L"<a href=\"" + WideFromGbk(description.target) + L"\">" + text + L"</a>");
      break;
    case ControlKind::TextField:
      control.handle = make(WC_EDITW, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, text);
      break;
    case ControlKind::ListTable:
      control.handle = make(WC_LISTVIEWW, LVS_REPORT, L"");
      break;
    case ControlKind::Timer:
      control.timer = kFirstControlId + index;
      SetTimer(window, control.timer, static_cast<UINT>(description.interval), nullptr);
      break;
    case ControlKind::Component:
      break;
  }
  // Controls without a font of their own take the system's default one.
  if (control.handle != nullptr && description.font.face.empty()) {
    SendMessageW(control.handle, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  controls.push_back(control);
}

LRESULT Win32WindowHost::State::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_TIMER:
      for (const Control& control : controls) {
        if (control.timer == wParam) events->OnTimer(control.description->name);
      }
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        for (const Control& control : controls) {
          if (control.handle == reinterpret_cast<HWND>(lParam) &&
              control.description->kind == ControlKind::Button) {
            events->OnClicked(control.description->name);
          }
        }
      }
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == NM_CLICK || header->code == NM_RETURN) {
        const auto* link = reinterpret_cast<const NMLINK*>(lParam);
        ShellExecuteW(nullptr, L"open", link->item.szUrl, nullptr, nullptr, SW_SHOWNORMAL);
      }
      return 0;
    }
    case WM_DESTROY:
      events->OnWillBeDestroyed();
      for (const Control& control : controls) {
        if (control.timer != 0) KillTimer(window, control.timer);
      }
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window = nullptr;
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32WindowHost::State::Procedure(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* state =
        static_cast<State*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    state->window = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (state == nullptr || state->events == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return state->Handle(message, wParam, lParam);
}

Win32WindowHost::Win32WindowHost() : state_(std::make_unique<State>()) {}

Win32WindowHost::~Win32WindowHost() {
  if (state_->window != nullptr) DestroyWindow(state_->window);
}

HWND Win32WindowHost::window() const { return state_->window; }

bool Win32WindowHost::Load(const WindowDescription& description, WindowEvents& events) {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                    ICC_TAB_CLASSES | ICC_LINK_CLASS |
                                                    ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = State::Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kWindowIconId));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kWindowIconId),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kMainWindowClass;
  RegisterClassExW(&windowClass);

  // Centred on the whole primary screen, not its work area.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - description.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - description.height) / 2;
  state_->pictureBytes = description.picture;
  HWND window = CreateWindowExW(0, kMainWindowClass, WideFromGbk(description.caption).c_str(),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left,
                                top, description.width, description.height, nullptr, nullptr,
                                instance, state_.get());
  if (window == nullptr) return false;
  for (std::size_t i = 0; i < description.controls.size(); ++i) {
    state_->CreateControl(description.controls[i], static_cast<int>(i));
  }
  state_->events = &events;
  events.OnCreated();
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  return true;
}

bool Win32WindowHost::HasWindow() { return state_->window != nullptr && IsWindow(state_->window); }

void Win32WindowHost::RunEventLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (state_->window != nullptr && IsDialogMessageW(state_->window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool Win32WindowHost::IsRadioSelected(std::string_view name) {
  const Control* radio = state_->Find(name, ControlKind::RadioButton);
  return radio != nullptr && radio->handle != nullptr &&
         SendMessageW(radio->handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32WindowHost::SetStatusPartText(std::string_view name, int part, std::string_view text) {
  const Control* bar = state_->Find(name, ControlKind::StatusBar);
  if (bar == nullptr || bar->handle == nullptr || part < 0 ||
      part >= static_cast<int>(bar->description->parts.size())) {
    return;
  }
  SendMessageW(bar->handle, SB_SETTEXTW, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(WideFromGbk(text).c_str()));
}

}  // namespace mochi::platform
