#pragma once

#include "app/text.h"

namespace om {

// What a source's fetch hands back: the parsed value, and for a failure a short reason for
// the status strip. A failed fetch or a page whose markers are missing leaves the value empty.
template <typename Value>
struct Fetched {
  Value value{};
  Text failure;  // empty on success

  bool ok() const { return failure.isEmpty(); }
};

}  // namespace om
