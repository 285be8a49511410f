// Writes the worksheet template, the document every worksheet is made from, to the given path.
#include <cstdio>

#include "docfile/save_file.h"
#include "docfile/worksheet_doc.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write-template OUTPUT.doc\n");
    return 2;
  }
  const mochi::docfile::SaveResult saved =
      mochi::docfile::SaveFileAtomically(argv[1], mochi::docfile::WriteWorksheetDocument({}));
  if (!saved.ok) {
    std::fprintf(stderr, "write-template: %s\n", saved.error.c_str());
    return 1;
  }
  return 0;
}
