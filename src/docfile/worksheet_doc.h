#pragma once
// The worksheet as a Word 97-2003 document.

#include <string>

#include "word/document_text.h"

namespace mochi::docfile {

// The worksheet template with the given typed text; an empty DocumentText gives the template.
std::string WriteWorksheetDocument(const mochi::word::DocumentText& text);

}  // namespace mochi::docfile
