// Writes the hand-typed idiom worksheet of the tests as a .doc, for the checks with outside
// readers.
#include <cstdio>

#include "docfile/save_file.h"
#include "docfile/worksheet_doc.h"
#include "worksheet_fixture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write-worksheet-fixture OUTPUT.doc\n");
    return 2;
  }
  const auto saved = mochi::docfile::SaveFileAtomically(
      argv[1],
      mochi::docfile::WriteWorksheetDocument(mochi::docfile::testing::IdiomWorksheetFixture()));
  if (!saved.ok) std::fprintf(stderr, "%s\n", saved.error.c_str());
  return saved.ok ? 0 : 1;
}
