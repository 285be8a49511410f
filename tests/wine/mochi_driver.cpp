#include "mochi_driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace mochi::driver {
namespace {

constexpr wchar_t kClassesKey[] = L"Software\\Classes";
constexpr wchar_t kWordPathKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe";
constexpr wchar_t kClassId[] = L"{2df4ca32-83c2-4b63-8852-6734e163b4d0}";

void SetText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

struct Search {
  DWORD process;
  const wchar_t* windowClass;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || !IsWindowVisible(window)) return TRUE;
  if (search->windowClass != nullptr && ClassOf(window) != search->windowClass) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM parameter) {
  if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0) {
    reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(TextOf(child));
  }
  return TRUE;
}

// Memory in another process for the answers of messages that take a pointer.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, std::size_t size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)),
        size_(size) {}
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  std::vector<char> Read() const {
    std::vector<char> bytes(size_);
    SIZE_T got = 0;
    ReadProcessMemory(process_, address_, bytes.data(), size_, &got);
    bytes.resize(got);
    return bytes;
  }

 private:
  HANDLE process_;
  void* address_;
  std::size_t size_;
};

}  // namespace

std::wstring WindowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

bool CopyInto(const std::wstring& file, const std::wstring& folder, const wchar_t* name) {
  const std::wstring target =
      folder + (name != nullptr ? name : file.substr(file.find_last_of(L'\\') + 1));
  return CopyFileW(file.c_str(), target.c_str(), FALSE) != 0;
}

std::wstring MakeScratchFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + name + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW((folder + entry.cFileName).c_str());
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  return folder;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return std::nullopt;
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void RegisterTestWord(ServerKind kind, const std::wstring& server) {
  const std::wstring classes = kClassesKey;
  const std::wstring classKey = classes + L"\\CLSID\\" + kClassId;
  SetText(classes + L"\\Word.Application\\CLSID", nullptr, kClassId);
  // One form at a time: CLSCTX_SERVER would take the in-process server first.
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (classKey + L"\\InprocServer32").c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (classKey + L"\\LocalServer32").c_str());
  if (kind == ServerKind::InProcess) {
    SetText(classKey + L"\\InprocServer32", nullptr, server);
    SetText(classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  } else {
    SetText(classKey + L"\\LocalServer32", nullptr, server);
  }
}

namespace {

// Runs the program to its end within the time; false when it failed or had to be stopped.
bool RunsToSuccess(const std::wstring& exe, DWORD timeoutMilliseconds) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  DWORD status = 1;
  if (WaitForSingleObject(process.hProcess, timeoutMilliseconds) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &status);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status == 0;
}

// Stops every process of that program name.
void StopProcesses(const wchar_t* exeName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, exeName) != 0) continue;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
  CloseHandle(snapshot);
}

}  // namespace

bool ReadyLocalServer(const std::wstring& activator) {
  bool ready = false;
  for (int attempt = 0; attempt < 4 && !ready; ++attempt) ready = RunsToSuccess(activator, 15000);
  // The servers of these activations must not serve the program's run: a stalled one would
  // stall it again, and each writes its own report.
  Sleep(500);
  StopProcesses(L"test_word_server.exe");
  return ready;
}

void SetWordPath(bool present) {
  if (present) {
    SetText(kWordPathKey, L"Path", L"C:\\Program Files\\Microsoft Office\\Office12\\");
  } else {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kWordPathKey, 0, KEY_WRITE, &handle) == ERROR_SUCCESS) {
      RegDeleteValueW(handle, L"Path");
      RegCloseKey(handle);
    }
  }
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

RECT PlaceInParent(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&box), 2);
  return RECT{box.left, box.top, box.right - box.left, box.bottom - box.top};
}

RunningProgram::RunningProgram(const std::wstring& exe, const std::wstring& commandLine,
                               const wchar_t* windowClass) {
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  const std::wstring folder = FolderOf(exe);
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process_)) {
    return;
  }
  WaitForInputIdle(process_.hProcess, 10000);
  window_ = WaitForWindow(windowClass, 10000);
}

RunningProgram::~RunningProgram() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND RunningProgram::WaitForWindow(const wchar_t* windowClass, DWORD timeoutMilliseconds) {
  for (DWORD waited = 0; waited <= timeoutMilliseconds; waited += 50) {
    Search search{process_.dwProcessId, windowClass, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(50);
  }
  return nullptr;
}

LRESULT RunningProgram::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 60000, &answer);
  return static_cast<LRESULT>(answer);
}

std::vector<std::wstring> RunningProgram::StatusTexts(HWND bar) {
  std::vector<std::wstring> texts;
  const int parts = static_cast<int>(Send(bar, SB_GETPARTS, 0, 0));
  for (int part = 0; part < parts; ++part) {
    RemoteBuffer buffer(process_.hProcess, 512 * sizeof(wchar_t));
    Send(bar, SB_GETTEXTW, part, buffer.address());
    const std::vector<char> bytes = buffer.Read();
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    texts.push_back(text.substr(0, text.find(L'\0')));
  }
  return texts;
}

std::vector<int> RunningProgram::StatusEdges(HWND bar) {
  RemoteBuffer buffer(process_.hProcess, 16 * sizeof(int));
  const int parts = static_cast<int>(Send(bar, SB_GETPARTS, 16, buffer.address()));
  const std::vector<char> bytes = buffer.Read();
  const auto* edges = reinterpret_cast<const int*>(bytes.data());
  return std::vector<int>(edges, edges + parts);
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeoutMilliseconds) {
  if (WaitForSingleObject(process_.hProcess, timeoutMilliseconds) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD status = 0;
  GetExitCodeProcess(process_.hProcess, &status);
  return status;
}

std::vector<std::wstring> StaticTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
  RECT box{};
  GetWindowRect(window, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
  const DWORD imageBytes = rowBytes * height;
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  file.bfSize = file.bfOffBits + imageBytes;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
  out.write(static_cast<const char*>(pixels), imageBytes);
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return static_cast<bool>(out);
}

}  // namespace mochi::driver
