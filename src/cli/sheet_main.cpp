// mochi-sheet: makes one worksheet with the window program's generation code, against the
// built-in Word stand-in, prints it as UTF-8 text and, when asked, saves it as a .doc.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/sheet_options.h"
#include "docfile/save_file.h"
#include "docfile/worksheet_doc.h"
#include "lists/word_lists.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_dialogs.h"
#include "platform/host/host_files.h"
#include "platform/host/host_registry.h"
#include "platform/host/host_text.h"
#include "platform/host/host_toolkit.h"
#include "word/word_connection.h"
#include "word/worksheet_template.h"
#include "wordsim/document_print.h"
#include "wordsim/utf8.h"
#include "wordsim/wordsim.h"
#include "worksheet/generate_worksheet.h"
#include "worksheet/texts.h"

namespace mochi::cli {
namespace {

namespace texts = worksheet::texts;

// A private folder standing for "c:\windows\", removed with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mochi-sheet.XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string Utf8FromGbk(platform::TextCodec& codec, std::string_view gbk) {
  return wordsim::Utf8FromUtf16(codec.GbkToUtf16(gbk).value_or(u"?"));
}

void SelectRadios(platform::HeadlessToolkit& toolkit, const SheetOptions& options) {
  toolkit.SetRadioSelected(texts::kRadioCharacters, options.kind == SheetKind::Characters);
  toolkit.SetRadioSelected(texts::kRadioWords, options.kind == SheetKind::Words);
  toolkit.SetRadioSelected(texts::kRadioIdioms, options.kind == SheetKind::Idioms);
  toolkit.SetRadioSelected(texts::kRadioMotto, options.ending == SheetEnding::Motto);
  toolkit.SetRadioSelected(texts::kRadioParentSignature, options.ending == SheetEnding::Signature);
}

// Writes the worksheet as a Word 97-2003 document; the file appears whole or not at all.
int Save(const word::DocumentText& sheet, const std::string& path) {
  const std::string bytes = docfile::WriteWorksheetDocument(sheet);
  if (bytes.empty()) {
    std::cerr << "mochi-sheet: the worksheet is too large to write as a .doc\n";
    return 1;
  }
  const docfile::SaveResult saved = docfile::SaveFileAtomically(path, bytes);
  if (!saved.ok) {
    std::cerr << "mochi-sheet: " << saved.error << '\n';
    return 1;
  }
  std::cerr << "mochi-sheet: worksheet saved as " << path << '\n';
  return 0;
}

int Run(const SheetOptions& options) {
  ScratchFolder scratch;
  if (scratch.path().empty()) {
    std::cerr << "mochi-sheet: cannot make a scratch folder\n";
    return 1;
  }
  platform::HostFileSystem files(scratch.path());
  platform::HostTextCodec codec;
  lists::WordListTables tables;
  lists::LoadWordLists(files, lists::CarriedLists(), tables);

  platform::HeadlessToolkit toolkit;
  SelectRadios(toolkit, options);
  if (const auto missing = worksheet::MissingListFile(tables, toolkit)) {
    std::cerr << "mochi-sheet: the word list " << *missing << " could not be read\n";
    return 1;
  }

  const std::span<const char> templateBytes = word::WorksheetTemplate();
  wordsim::WordSim word(files, codec, templateBytes);
  word::WordConnection connection(word, codec);
  platform::HostRegistry registry;
  platform::HostDialogs dialogs([&codec](std::string_view text, std::string_view title) {
    std::cerr << Utf8FromGbk(codec, title) << ' ' << Utf8FromGbk(codec, text) << '\n';
  });
  platform::HostClock clock;
  worksheet::ProgramState state;
  const worksheet::GenerationContext context{.tables = tables,
                                             .connection = connection,
                                             .files = files,
                                             .registry = registry,
                                             .dialogs = dialogs,
                                             .clock = clock,
                                             .toolkit = toolkit,
                                             .templateBytes = templateBytes,
                                             .state = state};
  worksheet::RandomGenerator generator;
  generator.Seed(options.seed.value_or(clock.UptimeMilliseconds()));
  worksheet::MakeWorksheet(context, generator);

  if (options.trace) {
    for (const wordsim::Call& call : word.Trace()) std::cout << wordsim::Describe(call) << '\n';
  }
  if (word.ApplicationCount() == 0 || word.Application(0).documents.empty()) {
    std::cerr << "mochi-sheet: the stand-in made no document\n";
    return 1;
  }
  const word::DocumentText sheet = word.Application(0).documents.back().Text();
  std::cout << wordsim::PrintDocument(sheet);
  if (options.output) return Save(sheet, *options.output);
  return 0;
}

}  // namespace
}  // namespace mochi::cli

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const mochi::cli::ParsedOptions parsed = mochi::cli::ParseSheetOptions(arguments);
  if (!parsed.options) {
    std::cerr << "mochi-sheet: " << parsed.error << '\n';
    return 2;
  }
  if (parsed.options->help) {
    std::cout << mochi::cli::kSheetUsage << '\n';
    return 0;
  }
  return mochi::cli::Run(*parsed.options);
}
