#pragma once
// Drives mochi.exe from outside, as a user would: starts it, finds its window and controls,
// reads them (across the process boundary where a control's answer lives in the program's
// memory), clicks, answers message boxes, and closes it. Also sets up the test Word and the
// Word check in the prefix's registry.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace mochi::driver {

// A Windows path for a path of the build machine (Wine's drive Z: is its root).
std::wstring WindowsPath(const std::string& unixPath);
std::wstring FolderOf(const std::wstring& path);
bool CopyInto(const std::wstring& file, const std::wstring& folder, const wchar_t* name = nullptr);
// A fresh, empty folder in the temporary folder.
std::wstring MakeScratchFolder(const wchar_t* name);
// The whole file, or nullopt when it does not exist.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

enum class ServerKind { InProcess, LocalServer };
// Registers the test Word as "Word.Application", in one of its two forms.
void RegisterTestWord(ServerKind kind, const std::wstring& server);
// Readies the out-of-process test Word: Wine's first out-of-process activation in a new prefix
// can stall for good, while the ones after it succeed. Activates it with the helper program,
// giving up on a stalled attempt and trying again, then waits until the server process has
// ended. False when no attempt succeeded.
bool ReadyLocalServer(const std::wstring& activator);
// Sets or removes Word's App Paths value "Path" that the Word check reads.
void SetWordPath(bool present);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
// Left, top, width, height relative to the parent's client area.
RECT PlaceInParent(HWND window);

class RunningProgram {
 public:
  // Starts exe with the command line and waits for its top-level window of windowClass
  // (nullptr: any) to show; window() is null if none came within ten seconds.
  RunningProgram(const std::wstring& exe, const std::wstring& commandLine,
                 const wchar_t* windowClass);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HWND window() const { return window_; }
  // A visible window of that class belonging to the program, waiting up to timeout.
  HWND WaitForWindow(const wchar_t* windowClass, DWORD timeoutMilliseconds);
  // Sends the message and waits for the answer (up to a minute).
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The texts of a status bar's parts and their right edges, read from the program's memory.
  std::vector<std::wstring> StatusTexts(HWND bar);
  std::vector<int> StatusEdges(HWND bar);
  // Waits for the process to end; its exit status, or nullopt if it did not end in time.
  std::optional<DWORD> WaitForExit(DWORD timeoutMilliseconds);

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// The texts of a window's static children (a message box's text).
std::vector<std::wstring> StaticTexts(HWND dialog);
// Saves what the screen shows of the window as a 24-bit BMP.
bool SaveScreenshot(HWND window, const std::wstring& path);

}  // namespace mochi::driver
