#include "worksheet_fixture.h"

#include <algorithm>

namespace mochi::testing {

namespace {

class MemoryOpenFile final : public platform::OpenFile {
 public:
  explicit MemoryOpenFile(std::string bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t Size() override { return bytes_.size(); }
  std::size_t ReadAt(std::uint64_t position, std::span<char> out) override {
    if (position >= bytes_.size()) return 0;
    const auto count =
        static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), bytes_.size() - position));
    std::copy_n(bytes_.data() + position, count, out.data());
    return count;
  }

 private:
  std::string bytes_;
};

void FillTable(lists::ListTable& table, std::string_view list, int rows) {
  table.SetRowCount(rows);
  for (int row = 1; row <= rows; ++row) {
    table.SetCell(row, 0, std::to_string(row));
    table.SetCell(row, 1, FixtureCell(list, row));
  }
}

}  // namespace

bool MemoryFiles::WriteWholeFile(std::string_view path, std::span<const char> bytes) {
  log_.push_back("write " + std::string(path));
  contents[std::string(path)] = std::string(bytes.begin(), bytes.end());
  ++writes[std::string(path)];
  return true;
}

std::unique_ptr<platform::OpenFile> MemoryFiles::OpenExisting(std::string_view path) {
  const auto found = contents.find(path);
  if (found == contents.end()) return nullptr;
  return std::make_unique<MemoryOpenFile>(found->second);
}

std::string FakeRegistry::ReadLocalMachineText(std::string_view key, std::string_view name) {
  const std::string path = std::string(key) + '\\' + std::string(name);
  log_.push_back("registry " + path);
  const auto found = values.find(path);
  return found != values.end() ? found->second : std::string();
}

void FakeDialogs::ShowMessage(std::string_view text, std::string_view title,
                              platform::MessageBoxStyle style) {
  log_.push_back("message " + std::string(title));
  shown.push_back({std::string(text), std::string(title), style});
}

platform::LocalDateTime FakeClock::Now() {
  log_.push_back("now");
  return now;
}

std::uint32_t FakeClock::UptimeMilliseconds() {
  log_.push_back("uptime");
  return uptime;
}

bool FakeToolkit::IsRadioSelected(std::string_view name) {
  log_.push_back("radio " + std::string(name));
  const auto found = radios.find(name);
  return found != radios.end() && found->second;
}

std::string FixtureCell(std::string_view list, int row) {
  return std::string(list) + ':' + std::to_string(row);
}

lists::WordListTables FixtureTables() {
  lists::WordListTables tables;
  FillTable(tables.CharacterList, "a", lists::kCharacterCount);
  FillTable(tables.WordFirstList, "b1", lists::kWordCount);
  FillTable(tables.WordSecondList, "b2", lists::kWordCount);
  FillTable(tables.IdiomCharList1, "c1", lists::kIdiomCount);
  FillTable(tables.IdiomCharList2, "c2", lists::kIdiomCount);
  FillTable(tables.IdiomCharList3, "c3", lists::kIdiomCount);
  FillTable(tables.IdiomCharList4, "c4", lists::kIdiomCount);
  FillTable(tables.MottoList, "m", lists::kMottoCount);
  return tables;
}

Harness::Harness() {
  SetWordPath("C:\\Program Files\\Microsoft Office\\Office12\\");
  Select(Kind::Characters, false);
  word.SetCallObserver([this](const wordsim::Call& call) { log.push_back(Describe(call)); });
}

void Harness::Select(Kind kind, bool parentSignature) {
  namespace texts = worksheet::texts;
  toolkit.radios[std::string(texts::kRadioCharacters)] = kind == Kind::Characters;
  toolkit.radios[std::string(texts::kRadioWords)] = kind == Kind::Words;
  toolkit.radios[std::string(texts::kRadioIdioms)] = kind == Kind::Idioms;
  toolkit.radios[std::string(texts::kRadioMotto)] = !parentSignature;
  toolkit.radios[std::string(texts::kRadioParentSignature)] = parentSignature;
}

void Harness::SetWordPath(std::string_view path) {
  registry.values[std::string(worksheet::texts::kWordPathLocation)] = std::string(path);
}

worksheet::GenerationContext Harness::Context() {
  return worksheet::GenerationContext{
      tables,  connection,
      files,   registry,
      dialogs, clock,
      toolkit, std::span<const char>(kFixtureTemplate.data(), kFixtureTemplate.size()),
      state};
}

const word::DocumentText& Harness::LatestDocument() const {
  return word.Application(word.ApplicationCount() - 1).documents.back().Text();
}

std::u16string Harness::Wide(std::string_view gbk) const { return codec->GbkToUtf16(gbk).value(); }

int Harness::CountCalls(std::string_view line) const {
  return static_cast<int>(std::ranges::count_if(
      word.Trace(), [line](const wordsim::Call& call) { return Describe(call) == line; }));
}

}  // namespace mochi::testing
