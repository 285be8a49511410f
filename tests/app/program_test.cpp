// The program's life against the built-in Word stand-in and a scripted window: start-up loads
// the lists, the handlers are wired, the exit action and the clean-up come in their order.

#include "app/program.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/fatal_error.h"
#include "native_platform.h"
#include "word/worksheet_template.h"
#include "wordsim/wordsim.h"

namespace mochi::app {
namespace {

// The window as a script: Load builds the radio groups and status bars from the description
// and delivers the created event; the event loop plays the script's steps, then the window
// goes.
class ScriptedWindow final : public platform::WindowHost {
 public:
  using Step = std::function<void(ScriptedWindow&)>;

  bool failLoad = false;
  std::vector<Step> script;
  int createdEvents = 0;

  bool Load(const platform::WindowDescription& window, platform::WindowEvents& events) override {
    if (failLoad) return false;
    events_ = &events;
    for (const auto& control : window.controls) {
      if (control.kind == platform::ControlKind::RadioButton) {
        radios_[std::string(control.name)] = {std::string(control.parent), control.selected};
      }
      if (control.kind == platform::ControlKind::StatusBar) {
        auto& parts = statusBars_[std::string(control.name)];
        for (const auto& part : control.parts) parts.emplace_back(part.text);
      }
    }
    exists_ = true;
    ++createdEvents;
    events.OnCreated();
    return true;
  }
  bool HasWindow() override { return exists_; }
  void RunEventLoop() override {
    for (const Step& step : script) step(*this);
    events_->OnWillBeDestroyed();
    exists_ = false;
  }
  bool IsRadioSelected(std::string_view name) override {
    const auto radio = radios_.find(std::string(name));
    return radio != radios_.end() && radio->second.selected;
  }
  void SetStatusPartText(std::string_view name, int part, std::string_view text) override {
    auto& parts = statusBars_[std::string(name)];
    if (part >= 0 && part < static_cast<int>(parts.size())) parts[part] = std::string(text);
  }

  // What a user does: choose a radio button (its group's others clear), click, and the timer.
  void Select(std::string_view name) {
    const std::string group = radios_.at(std::string(name)).group;
    for (auto& [other, radio] : radios_) {
      if (radio.group == group) radio.selected = other == name;
    }
  }
  void Click(std::string_view button) { events_->OnClicked(button); }
  void Tick(std::string_view timer) { events_->OnTimer(timer); }
  std::string StatusText(int part) { return statusBars_[std::string(names::kStatusBar)][part]; }

 private:
  struct Radio {
    std::string group;
    bool selected = false;
  };
  platform::WindowEvents* events_ = nullptr;
  bool exists_ = false;
  std::map<std::string, Radio> radios_;
  std::map<std::string, std::vector<std::string>> statusBars_;
};

class FixedClock final : public platform::Clock {
 public:
  platform::LocalDateTime Now() override { return {2013, 3, 12, 8, 5, 0}; }
  std::uint32_t UptimeMilliseconds() override { return 424242; }
};

class MapRegistry final : public platform::Registry {
 public:
  std::map<std::pair<std::string, std::string>, std::string> values;
  std::string ReadLocalMachineText(std::string_view key, std::string_view name) override {
    const auto found = values.find({std::string(key), std::string(name)});
    return found != values.end() ? found->second : std::string();
  }
};

struct Message {
  std::string text;
  std::string title;
  platform::MessageBoxStyle style;
};

class RecordingDialogs final : public platform::Dialogs {
 public:
  std::vector<Message> shown;
  void ShowMessage(std::string_view text, std::string_view title,
                   platform::MessageBoxStyle style) override {
    shown.push_back({std::string(text), std::string(title), style});
  }
};

class RecordingProcesses final : public platform::Processes {
 public:
  std::vector<std::string> started;
  std::function<void()> onStart = [] {};
  void StartCommandLine(std::string_view commandLine, unsigned waitReadyMilliseconds) override {
    EXPECT_EQ(waitReadyMilliseconds, 1000u);
    started.emplace_back(commandLine);
    onStart();
  }
};

// 小学生学写汉字练习, 小学生学写成语练习, and 家长签字：
const std::u16string kCharactersTitle = u"\u5C0F\u5B66\u751F\u5B66\u5199\u6C49\u5B57\u7EC3\u4E60";
const std::u16string kIdiomsTitle = u"\u5C0F\u5B66\u751F\u5B66\u5199\u6210\u8BED\u7EC3\u4E60";
const std::u16string kSignature = u"\u5BB6\u957F\u7B7E\u5B57\uFF1A";

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    registry_
        .values[{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe", "Path"}] =
        "C:\\Program Files\\Microsoft Office\\Office12\\";
  }

  int Run() {
    ProgramServices services{.files = files_.files(),
                             .registry = registry_,
                             .clock = clock_,
                             .dialogs = dialogs_,
                             .processes = processes_,
                             .codec = *codec_,
                             .automation = word_,
                             .window = window_,
                             .templateBytes = templateBytes_,
                             .picture = {}};
    return RunProgram(services, [this](int status) { endStatus_ = status; });
  }

  const word::DocumentText& OnlyDocument() {
    EXPECT_EQ(word_.ApplicationCount(), 1u);
    EXPECT_EQ(word_.Application(0).documents.size(), 1u);
    return word_.Application(0).documents.back().Text();
  }

  testing::NativeFiles files_;
  std::unique_ptr<platform::TextCodec> codec_ = testing::MakeNativeTextCodec();
  std::span<const char> templateBytes_ = word::WorksheetTemplate();
  wordsim::WordSim word_{files_.files(), *codec_, templateBytes_};
  MapRegistry registry_;
  FixedClock clock_;
  RecordingDialogs dialogs_;
  RecordingProcesses processes_;
  ScriptedWindow window_;
  std::optional<int> endStatus_;
};

TEST_F(ProgramTest, AtStartTheButtonMakesACharactersSheetEndingWithAMotto) {
  window_.script = {[](ScriptedWindow& w) { w.Click(names::kGenerateButton); }};
  EXPECT_EQ(Run(), 0);
  const word::DocumentText& sheet = OnlyDocument();
  EXPECT_EQ(sheet.paragraphs[0], kCharactersTitle);
  for (int row = 0; row < 13; ++row) {
    EXPECT_EQ(sheet.boxes[row * 12][0].size(), 1u) << "row " << row + 1;  // lists were loaded
    EXPECT_TRUE(sheet.boxes[row * 12 + 1][0].empty()) << "row " << row + 1;
  }
  const std::u16string& closing = sheet.paragraphs[39];
  EXPECT_FALSE(closing.empty());
  EXPECT_NE(closing.substr(0, kSignature.size()), kSignature);
  EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(ProgramTest, TheRadioButtonsChooseKindAndEnding) {
  window_.script = {[](ScriptedWindow& w) {
    w.Select(names::kIdiomsRadio);
    w.Select(names::kSignatureRadio);
    EXPECT_FALSE(w.IsRadioSelected(names::kCharactersRadio));
    EXPECT_FALSE(w.IsRadioSelected(names::kMottoRadio));
    w.Click(names::kGenerateButton);
  }};
  Run();
  const word::DocumentText& sheet = OnlyDocument();
  EXPECT_EQ(sheet.paragraphs[0], kIdiomsTitle);
  EXPECT_EQ(sheet.paragraphs[39],
            kSignature + std::u16string(34, u' ') + u"2013\u5E743\u670812\u65E5");
}

TEST_F(ProgramTest, TheClockShowsTheDateTimeTextFromTheFirstTick) {
  window_.script = {[](ScriptedWindow& w) {
    EXPECT_EQ(w.StatusText(0), "");
    EXPECT_EQ(w.StatusText(1), " \xD5\xE4\xCF\xA7\xCD\xAF\xC4\xEA ");
    w.Tick("another timer");
    EXPECT_EQ(w.StatusText(0), "");
    w.Tick(names::kClockTimer);
    EXPECT_EQ(w.StatusText(0),
              "2013\xC4\xEA"
              "3\xD4\xC2"
              "12\xC8\xD5"
              "8\xCA\xB1"
              "5\xB7\xD6");
    EXPECT_EQ(w.StatusText(1), " \xD5\xE4\xCF\xA7\xCD\xAF\xC4\xEA ");
  }};
  Run();
  EXPECT_EQ(word_.ApplicationCount(), 0u);
}

TEST_F(ProgramTest, TheMakersPageOpensAtCloseOnlyAfterAGenerationGotPastTheWordCheck) {
  struct Case {
    const char* what;
    bool wordInstalled;
    int clicks;
    std::size_t starts;
    std::size_t messages;
  };
  const Case cases[] = {
      {"no click", true, 0, 0, 0},
      {"refused without Word", false, 1, 0, 1},
      {"two runs", true, 2, 1, 0},
  };
  for (const Case& c : cases) {
    RecordingProcesses processes;
    RecordingDialogs dialogs;
    ScriptedWindow window;
    MapRegistry registry;
    if (c.wordInstalled) registry.values = registry_.values;
    for (int i = 0; i < c.clicks; ++i) {
      window.script.push_back([](ScriptedWindow& w) { w.Click(names::kGenerateButton); });
    }
    wordsim::WordSim word(files_.files(), *codec_, templateBytes_);
    ProgramServices services{.files = files_.files(),
                             .registry = registry,
                             .clock = clock_,
                             .dialogs = dialogs,
                             .processes = processes,
                             .codec = *codec_,
                             .automation = word,
                             .window = window,
                             .templateBytes = templateBytes_,
                             .picture = {}};
    EXPECT_EQ(RunProgram(services, [](int) { FAIL() << "no fatal stop expected"; }), 0);
    ASSERT_EQ(processes.started.size(), c.starts) << c.what;
    if (c.starts > 0) {
      EXPECT_EQ(processes.started[0], "explorer.exe " + std::string(MakerPage()));
    }
    EXPECT_EQ(dialogs.shown.size(), c.messages) << c.what;
    EXPECT_EQ(word.ApplicationCount(), static_cast<std::size_t>(c.wordInstalled ? c.clicks : 0))
        << c.what;
  }
}

TEST_F(ProgramTest, TheExitActionRunsBeforeTheCleanUpAndEveryReferenceIsReleasedAtTheEnd) {
  window_.script = {[](ScriptedWindow& w) { w.Click(names::kGenerateButton); }};
  int referencesAtExitAction = -1;
  processes_.onStart = [&] { referencesAtExitAction = word_.Application(0).liveObjects; };
  EXPECT_EQ(Run(), 0);
  // The application (held by the window's Word component) and Documents (documentsObject).
  EXPECT_EQ(referencesAtExitAction, 2);
  EXPECT_EQ(word_.Application(0).liveObjects, 0);
  EXPECT_EQ(word_.Application(0).documents.size(), 1u);  // Word was not asked to close it
}

TEST_F(ProgramTest, AWindowThatCannotBeLoadedEndsInTheFatalErrorStop) {
  window_.failLoad = true;
  Run();
  EXPECT_EQ(endStatus_, -1);
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].text, FatalErrorText(std::nullopt, kWindowLoadFailed));
  EXPECT_EQ(dialogs_.shown[0].text,
            "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"
            "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"
            "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC\r\n");
  EXPECT_EQ(dialogs_.shown[0].title, "\xB4\xED\xCE\xF3");  // 错误
  EXPECT_EQ(dialogs_.shown[0].style.icon, platform::MessageIcon::Error);
  EXPECT_EQ(window_.createdEvents, 0);
}

}  // namespace
}  // namespace mochi::app
