#pragma once

#include "app/text.h"

namespace om {

// The value of a JSON string as cut out of a page by markers: "\uXXXX" escapes decoded
// (characters GBK lacks become '?'), and "\\", "\"" and "\/" turned into their characters.
// An escaped backslash is never taken for the start of another escape.
Text DecodeJsonText(const Text& raw);

}  // namespace om
