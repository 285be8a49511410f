// End to end: the real mochi.exe under wine64 and Xvfb, driven from outside, with the test Word
// registered as "Word.Application" and a stub explorer.exe beside the program.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "mochi_driver.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window.h"

namespace mochi::driver {
namespace {

using platform::ControlKind;
using platform::WideFromGbk;

// The command line carries an argument that the program must ignore.
const wchar_t kCommandLine[] = L"mochi.exe /an-argument-to-ignore";

// One document as the test Word reports it.
struct ReportedDocument {
  std::map<int, std::string> paragraphs;
  std::vector<std::vector<std::string>> rows;  // 13 rows of 12 boxes
};

std::vector<ReportedDocument> ParseReport(const std::string& report) {
  std::vector<ReportedDocument> documents;
  std::istringstream lines(report);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("application ", 0) == 0) documents.emplace_back();
    if (documents.empty()) continue;
    if (line.rfind("paragraph ", 0) == 0) {
      const std::size_t colon = line.find(": ");
      documents.back().paragraphs[std::stoi(line.substr(10, colon - 10))] = line.substr(colon + 2);
    } else if (line.rfind("row ", 0) == 0) {
      std::vector<std::string> boxes;
      std::size_t at = line.find('|') + 1;
      for (std::size_t bar; (bar = line.find('|', at)) != std::string::npos; at = bar + 1) {
        boxes.push_back(line.substr(at, bar - at));
      }
      documents.back().rows.push_back(boxes);
    }
  }
  return documents;
}

// The date part of the parent-signature line for today, UTF-8.
std::string TodaySignature() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return "家长签字：" + std::string(34, ' ') + std::to_string(now.wYear) + "年" +
         std::to_string(now.wMonth) + "月" + std::to_string(now.wDay) + "日";
}

class MochiEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeScratchFolder(L"mochi-e2e");
    ASSERT_TRUE(CopyInto(WindowsPath(MOCHI_EXE), folder_, L"mochi.exe"));
    // Found before the system's explorer.exe: the program's own folder is searched first.
    ASSERT_TRUE(CopyInto(WindowsPath(STUB_EXPLORER), folder_, L"explorer.exe"));
    report_ = FolderOf(WindowsPath(TEST_WORD_DLL)) + L"test-word-report.txt";
    DeleteFileW(report_.c_str());
    RegisterTestWord(ServerKind::InProcess, WindowsPath(TEST_WORD_DLL));
    SetWordPath(true);
  }

  std::optional<std::string> ExplorerCalls() {
    return ReadWholeFile(folder_ + L"explorer-calls.txt");
  }

  HWND Control(RunningProgram& program, std::string_view name) {
    const auto controls = app::MainWindowControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].name != name) continue;
      HWND parent =
          controls[i].parent.empty() ? program.window() : Control(program, controls[i].parent);
      return GetDlgItem(parent, platform::kFirstControlId + static_cast<int>(i));
    }
    return nullptr;
  }

  void Click(RunningProgram& program, std::string_view name) {
    program.Send(Control(program, name), BM_CLICK, 0, 0);
  }

  void Close(RunningProgram& program) {
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10000), std::optional<DWORD>(0));
  }

  std::wstring folder_;
  std::wstring report_;
};

const wchar_t* ClassOfKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::PictureBox:
      return L"Static";
    case ControlKind::GroupBox:
    case ControlKind::RadioButton:
    case ControlKind::Button:
      return L"Button";
    case ControlKind::StatusBar:
      return L"msctls_statusbar32";
    case ControlKind::HyperlinkLabel:
      return L"SysLink";
    case ControlKind::TextField:
      return L"Edit";
    case ControlKind::ListTable:
      return L"SysListView32";
    case ControlKind::Timer:
    case ControlKind::Component:
      return nullptr;
  }
  return nullptr;
}

TEST_F(MochiEndToEndTest, TheWindowShowsEveryControlOfTheTable) {
  RunningProgram program(folder_ + L"mochi.exe", kCommandLine, platform::kMainWindowClass);
  ASSERT_NE(program.window(), nullptr);

  EXPECT_EQ(TextOf(program.window()), WideFromGbk(app::MainWindowDescription({}).caption));
  RECT frame{};
  GetWindowRect(program.window(), &frame);
  EXPECT_EQ(frame.right - frame.left, 394);
  EXPECT_EQ(frame.bottom - frame.top, 543);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 394) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 543) / 2);
  const LONG style = GetWindowLongW(program.window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  const auto controls = app::MainWindowControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& control = controls[i];
    SCOPED_TRACE(std::to_string(i));
    HWND handle = Control(program, control.name);
    const wchar_t* expectedClass = ClassOfKind(control.kind);
    if (expectedClass == nullptr) {
      EXPECT_EQ(handle, nullptr);
      continue;
    }
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(_wcsicmp(ClassOf(handle).c_str(), expectedClass), 0) << ClassOf(handle);
    const RECT place = PlaceInParent(handle);
    EXPECT_EQ(place.left, control.left);
    EXPECT_EQ(place.top, control.top);
    EXPECT_EQ(place.right, control.width);
    EXPECT_EQ(place.bottom, control.height);
    EXPECT_TRUE(IsWindowVisible(handle) || control.kind == ControlKind::TextField ||
                control.kind == ControlKind::ListTable);
    if (control.kind == ControlKind::HyperlinkLabel) {
      EXPECT_NE(TextOf(handle).find(WideFromGbk(control.text)), std::wstring::npos);
    } else if (control.kind != ControlKind::StatusBar) {
      EXPECT_EQ(TextOf(handle), WideFromGbk(control.text));
    }
    if (control.kind == ControlKind::RadioButton) {
      EXPECT_EQ(program.Send(handle, BM_GETCHECK, 0, 0),
                control.selected ? BST_CHECKED : BST_UNCHECKED);
    }
    if (control.kind == ControlKind::StatusBar) {
      EXPECT_EQ(program.StatusEdges(handle), (std::vector<int>{161, 226}));
      const auto texts = program.StatusTexts(handle);
      ASSERT_EQ(texts.size(), 2u);
      EXPECT_EQ(texts[1], WideFromGbk(control.parts[1].text));
    }
  }

  // The clock ticks within about a second of the loop's start.
  HWND bar = Control(program, app::names::kStatusBar);
  std::wstring clock;
  for (int i = 0; i < 40 && clock.empty(); ++i, Sleep(100)) clock = program.StatusTexts(bar)[0];
  EXPECT_NE(clock.find(L"\x5E74"), std::wstring::npos) << "年 in the clock";

  // White between the picture and the group boxes; then the screenshot for the record.
  POINT gap{5, 337};
  ClientToScreen(program.window(), &gap);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, gap.x, gap.y), RGB(255, 255, 255));
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(SaveScreenshot(program.window(), WindowsPath(SCREENSHOT)));

  Close(program);
  EXPECT_FALSE(ExplorerCalls().has_value()) << "no browser without a generation";
}

TEST_F(MochiEndToEndTest, EachKindAndEndingReachesTheTestWordAndTheMakersPageOpensOnce) {
  RunningProgram program(folder_ + L"mochi.exe", kCommandLine, platform::kMainWindowClass);
  ASSERT_NE(program.window(), nullptr);
  Click(program, app::names::kGenerateButton);  // the start-up choices
  Click(program, app::names::kWordsRadio);
  Click(program, app::names::kGenerateButton);
  Click(program, app::names::kIdiomsRadio);
  Click(program, app::names::kSignatureRadio);
  EXPECT_EQ(program.Send(Control(program, app::names::kWordsRadio), BM_GETCHECK, 0, 0),
            BST_UNCHECKED);
  EXPECT_EQ(program.Send(Control(program, app::names::kMottoRadio), BM_GETCHECK, 0, 0),
            BST_UNCHECKED);
  Click(program, app::names::kGenerateButton);

  const auto report = ReadWholeFile(report_);
  ASSERT_TRUE(report.has_value());
  const std::vector<ReportedDocument> documents = ParseReport(*report);
  ASSERT_EQ(documents.size(), 3u) << *report;
  struct Expected {
    std::string title;
    std::size_t entryBoxes;
    bool signature;
  };
  const Expected expected[] = {{"小学生学写汉字练习", 1, false},
                               {"小学生学写词组练习", 2, false},
                               {"小学生学写成语练习", 4, true}};
  for (std::size_t d = 0; d < 3; ++d) {
    SCOPED_TRACE(expected[d].title);
    const ReportedDocument& sheet = documents[d];
    EXPECT_EQ(sheet.paragraphs.at(1), expected[d].title);
    ASSERT_EQ(sheet.rows.size(), 13u);
    for (const auto& row : sheet.rows) {
      ASSERT_EQ(row.size(), 12u);
      EXPECT_FALSE(row[0].empty());  // the lists were loaded and typed
      for (std::size_t column = expected[d].entryBoxes; column < 12; ++column) {
        EXPECT_TRUE(row[column].empty());
      }
    }
    ASSERT_TRUE(sheet.paragraphs.contains(40));
    EXPECT_EQ(sheet.paragraphs.at(40).rfind("家长签字：", 0) == 0, expected[d].signature);
    if (expected[d].signature) {
      EXPECT_EQ(sheet.paragraphs.at(40), TodaySignature());
    }
  }

  Close(program);
  EXPECT_EQ(ExplorerCalls(), "explorer.exe " + std::string(app::MakerPage()) + "\n");
}

TEST_F(MochiEndToEndTest, WithoutWordsPathTheRunIsRefusedAndNoBrowserOpens) {
  SetWordPath(false);
  RunningProgram program(folder_ + L"mochi.exe", kCommandLine, platform::kMainWindowClass);
  ASSERT_NE(program.window(), nullptr);
  PostMessageW(Control(program, app::names::kGenerateButton), BM_CLICK, 0, 0);
  HWND box = program.WaitForWindow(L"#32770", 10000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(box), L"\x65E0\x6CD5\x6253\x5F00\x8868\x683C\xFF1A");  // 无法打开表格：
  const auto texts = StaticTexts(box);
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      L"\x7535 \x8111 \x6CA1 \x6709 \x5B89 \x88C5 WORD \x8F6F \x4EF6."),
            texts.end());  // 电 脑 没 有 安 装 WORD 软 件.
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  Close(program);
  EXPECT_FALSE(ReadWholeFile(report_).has_value()) << "no Word was made";
  EXPECT_FALSE(ExplorerCalls().has_value());
}

TEST_F(MochiEndToEndTest, WhenTheSystemFolderCannotBeWrittenTheFilesGoToTheTemporaryFolder) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring movedList = std::wstring(temp) + L"zi1.txt";
  const std::wstring movedTemplate = std::wstring(temp) + L"dox.doc";
  DeleteFileW(movedList.c_str());
  DeleteFileW(movedTemplate.c_str());
  // Held without sharing, the files cannot be written, as in a protected system folder.
  HANDLE lockedList =
      CreateFileW(L"c:\\windows\\zi1.txt", GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  HANDLE lockedTemplate =
      CreateFileW(L"c:\\windows\\dox.doc", GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  ASSERT_NE(lockedList, INVALID_HANDLE_VALUE);
  ASSERT_NE(lockedTemplate, INVALID_HANDLE_VALUE);
  {
    RunningProgram program(folder_ + L"mochi.exe", kCommandLine, platform::kMainWindowClass);
    ASSERT_NE(program.window(), nullptr);
    Click(program, app::names::kGenerateButton);
    Close(program);
  }
  CloseHandle(lockedList);
  CloseHandle(lockedTemplate);

  const auto documents = ParseReport(ReadWholeFile(report_).value_or(""));
  ASSERT_EQ(documents.size(), 1u);
  ASSERT_EQ(documents[0].rows.size(), 13u);
  for (const auto& row : documents[0].rows) EXPECT_FALSE(row[0].empty());
  EXPECT_EQ(ReadWholeFile(movedList).value_or("").size(), 10148u);
  EXPECT_TRUE(ReadWholeFile(movedTemplate).has_value());
}

TEST_F(MochiEndToEndTest, WordAsALocalServerMakesTheWorksheetToo) {
  const std::wstring server = WindowsPath(TEST_WORD_EXE);
  RegisterTestWord(ServerKind::LocalServer, server);
  ASSERT_TRUE(ReadyLocalServer(WindowsPath(ACTIVATE_WORD)));
  DeleteFileW(report_.c_str());
  {
    RunningProgram program(folder_ + L"mochi.exe", kCommandLine, platform::kMainWindowClass);
    ASSERT_NE(program.window(), nullptr);
    Click(program, app::names::kGenerateButton);
    Close(program);
  }
  RegisterTestWord(ServerKind::InProcess, WindowsPath(TEST_WORD_DLL));
  std::optional<std::string> report;
  for (int i = 0; i < 100 && !report; ++i, Sleep(100)) report = ReadWholeFile(report_);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->rfind("server ", 0), 0u);
  EXPECT_NE(report->find("test_word_server.exe\n"), std::string::npos) << "out of process";
  const auto documents = ParseReport(*report);
  ASSERT_EQ(documents.size(), 1u);
  EXPECT_EQ(documents[0].paragraphs.at(1), "小学生学写汉字练习");
  ASSERT_EQ(documents[0].rows.size(), 13u);
  for (const auto& row : documents[0].rows) EXPECT_FALSE(row[0].empty());
  EXPECT_EQ(ExplorerCalls(), "explorer.exe " + std::string(app::MakerPage()) + "\n");
}

TEST_F(MochiEndToEndTest, TheFatalErrorStopShowsItsMessageAndEndsWithStatusMinusOne) {
  RunningProgram probe(WindowsPath(FATAL_STOP_PROBE), L"fatal_stop_probe.exe", L"#32770");
  ASSERT_NE(probe.window(), nullptr);
  EXPECT_EQ(TextOf(probe.window()), L"\x9519\x8BEF");  // 错误
  const auto texts = StaticTexts(probe.window());
  // 运行时出错! CR LF CR LF 错误信息：载入启动窗口失败 CR LF
  const std::wstring expected =
      L"\x8FD0\x884C\x65F6\x51FA\x9519!\r\n\r\n\x9519\x8BEF\x4FE1\x606F\xFF1A"
      L"\x8F7D\x5165\x542F\x52A8\x7A97\x53E3\x5931\x8D25\r\n";
  EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end());
  PostMessageW(probe.window(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(probe.WaitForExit(10000), std::optional<DWORD>(0xFFFFFFFFu));
}

}  // namespace
}  // namespace mochi::driver
