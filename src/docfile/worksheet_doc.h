#pragma once
// The worksheet as a Word 97-2003 document.

#include <string>

#include "word/document_text.h"

namespace mochi::docfile {

// The worksheet template with the given typed text; an empty DocumentText gives the template.
// Empty when the typed text makes the document too large for the container (about 7 MB).
std::string WriteWorksheetDocument(const mochi::word::DocumentText& text);

}  // namespace mochi::docfile
