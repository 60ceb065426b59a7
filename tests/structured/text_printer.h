#pragma once

#include <ostream>

#include "app/text.h"

namespace om {

// Lets failing expectations show texts readably (as UTF-8) instead of as raw object bytes.
inline void PrintTo(const Text& text, std::ostream* os) {
  *os << '"' << text.toUtf8() << '"';
}

}  // namespace om
