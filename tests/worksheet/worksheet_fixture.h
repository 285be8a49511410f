#pragma once
// A generation run against the built-in Word stand-in, with in-memory platform services that
// record what they are asked into one shared log, and word-list tables whose every cell says
// where it came from ("c3:42" is row 42 of the third idiom list), so a test can tell exactly
// which row of which list ended up in which box.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "lists/word_lists.h"
#include "native_platform.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/toolkit.h"
#include "word/word_connection.h"
#include "wordsim/wordsim.h"
#include "worksheet/generate_worksheet.h"
#include "worksheet/texts.h"

namespace mochi::testing {

using EventLog = std::vector<std::string>;

class MemoryFiles final : public platform::FileSystem {
 public:
  explicit MemoryFiles(EventLog& log) : log_(log) {}
  bool WriteWholeFile(std::string_view path, std::span<const char> bytes) override;
  std::unique_ptr<platform::OpenFile> OpenExisting(std::string_view path) override;

  std::map<std::string, std::string, std::less<>> contents;
  std::map<std::string, int, std::less<>> writes;

 private:
  EventLog& log_;
};

class FakeRegistry final : public platform::Registry {
 public:
  explicit FakeRegistry(EventLog& log) : log_(log) {}
  std::string ReadLocalMachineText(std::string_view key, std::string_view name) override;
  std::map<std::string, std::string, std::less<>> values;  // by "key\name"

 private:
  EventLog& log_;
};

struct ShownMessage {
  std::string text;
  std::string title;
  platform::MessageBoxStyle style;
};

class FakeDialogs final : public platform::Dialogs {
 public:
  explicit FakeDialogs(EventLog& log) : log_(log) {}
  void ShowMessage(std::string_view text, std::string_view title,
                   platform::MessageBoxStyle style) override;
  std::vector<ShownMessage> shown;

 private:
  EventLog& log_;
};

class FakeClock final : public platform::Clock {
 public:
  explicit FakeClock(EventLog& log) : log_(log) {}
  platform::LocalDateTime Now() override;
  std::uint32_t UptimeMilliseconds() override;
  platform::LocalDateTime now{2024, 1, 9, 8, 5, 0};
  std::uint32_t uptime = 1;

 private:
  EventLog& log_;
};

class FakeToolkit final : public platform::Toolkit {
 public:
  explicit FakeToolkit(EventLog& log) : log_(log) {}
  bool IsRadioSelected(std::string_view name) override;
  void SetStatusPartText(std::string_view, int, std::string_view) override {}
  std::map<std::string, bool, std::less<>> radios;

 private:
  EventLog& log_;
};

// The text of row `row` of list `list` in the fixture tables: "a" CharacterList, "b1" and "b2"
// the word lists, "c1" to "c4" the idiom lists, "m" MottoList.
std::string FixtureCell(std::string_view list, int row);
// Tables with exactly the lists' numbers of entries, each cell from FixtureCell.
lists::WordListTables FixtureTables();

// The template bytes the harness carries: any bytes serve, the stand-in compares them.
inline constexpr std::string_view kFixtureTemplate = "fixture template \xD0\xCF\x11\xE0";

enum class Kind { None, Characters, Words, Idioms };

class Harness {
 public:
  Harness();

  // Selects one kind radio button (or none) and the closing-line radio buttons.
  void Select(Kind kind, bool parentSignature);
  // Word's registered path; no value at all when never set.
  void SetWordPath(std::string_view path);

  worksheet::GenerationContext Context();
  void Generate() { worksheet::GenerateWorksheet(Context()); }

  // The document the latest application made last.
  const word::DocumentText& LatestDocument() const;
  // A GBK text as UTF-16, the form Word holds it in.
  std::u16string Wide(std::string_view gbk) const;
  // Calls into the stand-in whose description is exactly `line`.
  int CountCalls(std::string_view line) const;

  EventLog log;
  lists::WordListTables tables = FixtureTables();
  MemoryFiles files{log};
  FakeRegistry registry{log};
  FakeDialogs dialogs{log};
  FakeClock clock{log};
  FakeToolkit toolkit{log};
  std::unique_ptr<platform::TextCodec> codec = MakeNativeTextCodec();
  wordsim::WordSim word{files, *codec,
                        std::span<const char>(kFixtureTemplate.data(), kFixtureTemplate.size())};
  word::WordConnection connection{word, *codec};
  worksheet::ProgramState state;
};

// The first values of the generator seeded with 1 (the well-known sequence of this generator).
inline constexpr int kSeedOneValues[] = {41,    18467, 6334,  26500, 19169, 15724, 11478,
                                         29358, 26962, 24464, 5705,  28145, 23281, 16827};

}  // namespace mochi::testing
