#pragma once

#include <string_view>

namespace om {

// True when the bytes are a JPEG, GIF or BMP picture whose data ends before the picture does.
// Qt's readers for these three formats decode a cut-off file without reporting an error and
// fill the missing part with grey or garbage; PNG and TIFF readers report it themselves.
// False for complete pictures and for bytes in any other format.
bool LooksCutShort(std::string_view bytes);

}  // namespace om
