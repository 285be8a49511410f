#include "word/worksheet_template.h"

#include <cstddef>

extern const unsigned char asset_dox_doc[];
extern const std::size_t asset_dox_doc_size;

namespace mochi::word {

std::span<const char> WorksheetTemplate() {
  return {reinterpret_cast<const char*>(asset_dox_doc), asset_dox_doc_size};
}

}  // namespace mochi::word
