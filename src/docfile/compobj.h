#pragma once
// The "\x01CompObj" stream and the class id that make the container a Word 97-2003 document.

#include <string>

#include "docfile/compound_file.h"

namespace mochi::docfile {

// {00020906-0000-0000-C000-000000000046}, as stored.
inline constexpr Clsid kWordDocumentClsid = {0x06, 0x09, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                             0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

std::string WriteCompObj();

}  // namespace mochi::docfile
