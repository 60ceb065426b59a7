#pragma once

// Properties shared by the page-source targets.

#include "app/text.h"
#include "fuzz/fuzz_support.h"

namespace om::fuzz {

// A count cut from a page is empty or an optionally signed run of decimal digits.
inline void CheckCount(const Text& count) {
  const std::string& s = count.bytes();
  if (s.empty()) return;
  size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
  OM_FUZZ_CHECK(i < s.size());
  for (; i < s.size(); ++i) OM_FUZZ_CHECK(s[i] >= '0' && s[i] <= '9');
}

}  // namespace om::fuzz
