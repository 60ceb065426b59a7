// Text operations on fuzzed bytes with fuzzed needles, checked against plain reference scans.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "app/text.h"
#include "fuzz/fuzz_support.h"

namespace {

using om::Text;

bool SameBytes(const Text& text, size_t at, const Text& sought, bool ignoreCase) {
  if (at + sought.bytes().size() > text.bytes().size()) return false;
  for (size_t k = 0; k < sought.bytes().size(); ++k) {
    char a = text.bytes()[at + k];
    char b = sought.bytes()[k];
    if (ignoreCase) {
      if (a >= 'A' && a <= 'Z') a = static_cast<char>(a + 32);
      if (b >= 'A' && b <= 'Z') b = static_cast<char>(b + 32);
    }
    if (a != b) return false;
  }
  return true;
}

// The first match at a character start from `start` on, by trying every offset.
int ReferenceFind(const Text& text, const Text& sought, int start, bool ignoreCase) {
  if (start < 1) start = 1;
  if (start > text.length()) return -1;
  if (sought.isEmpty()) return 1;
  for (size_t i = static_cast<size_t>(start - 1); i < text.bytes().size(); ++i)
    if (text.isCharStart(i) && SameBytes(text, i, sought, ignoreCase))
      return static_cast<int>(i) + 1;
  return -1;
}

int ReferenceFindLast(const Text& text, const Text& sought, std::optional<int> start,
                      bool ignoreCase) {
  if (sought.isEmpty()) return -1;
  size_t limit = text.bytes().size();
  if (start) {
    if (*start <= 1) return -1;
    limit = std::min(limit, static_cast<size_t>(*start - 1));
  }
  int last = -1;
  for (size_t i = 0; i + sought.bytes().size() <= limit; ++i)
    if (text.isCharStart(i) && SameBytes(text, i, sought, ignoreCase))
      last = static_cast<int>(i) + 1;
  return last;
}

int Sign(int v) {
  return (v > 0) - (v < 0);
}

void CheckSearches(const Text& text, const Text& needle, int start, bool ignoreCase) {
  OM_FUZZ_CHECK(text.find(needle, start, ignoreCase) ==
                ReferenceFind(text, needle, start, ignoreCase));
  OM_FUZZ_CHECK(text.findLast(needle, std::nullopt, ignoreCase) ==
                ReferenceFindLast(text, needle, std::nullopt, ignoreCase));
  OM_FUZZ_CHECK(text.findLast(needle, start, ignoreCase) ==
                ReferenceFindLast(text, needle, start, ignoreCase));
}

void CheckReplaceAndSplit(const Text& text, const Text& needle, const Text& replacement, int start,
                          int count, bool caseSensitive) {
  // Putting the needle back in place of itself changes nothing.
  OM_FUZZ_CHECK(text.replaced(needle, needle, start, count) == text);
  Text replaced = text.replaced(needle, replacement, start, count, caseSensitive);
  if (needle.isEmpty() || count == 0) OM_FUZZ_CHECK(replaced == text);

  std::vector<Text> pieces = text.split(needle);
  if (text.isEmpty()) {
    OM_FUZZ_CHECK(pieces.empty());
  } else if (needle.isEmpty()) {
    OM_FUZZ_CHECK(pieces.size() == 1 && pieces[0] == text);
  } else {
    // Joined again with the separator the pieces give the text, less a trailing separator.
    Text joined;
    for (size_t i = 0; i < pieces.size(); ++i) joined += (i ? needle : Text()) + pieces[i];
    OM_FUZZ_CHECK(joined == text || joined + needle == text);
  }
  std::vector<Text> limited = text.split(needle, count);
  OM_FUZZ_CHECK(limited.size() <= static_cast<size_t>(std::max(0, count)));
  for (size_t i = 0; i < limited.size(); ++i) OM_FUZZ_CHECK(limited[i] == pieces[i]);
}

void CheckShape(const Text& text, int a, int b) {
  Text trimmed = text.trimmed();
  OM_FUZZ_CHECK(trimmed.length() <= text.length());
  OM_FUZZ_CHECK(trimmed.trimmed() == trimmed);
  OM_FUZZ_CHECK(text.toUpper().length() == text.length());
  OM_FUZZ_CHECK(text.toLower().length() == text.length());
  OM_FUZZ_CHECK(text.left(a).length() == std::clamp(a, 0, text.length()));
  OM_FUZZ_CHECK(text.right(a).length() == std::clamp(a, 0, text.length()));
  Text middle = text.mid(a, b);
  OM_FUZZ_CHECK(middle.length() <= std::max(0, b));
  if (!middle.isEmpty()) OM_FUZZ_CHECK(text.find(middle) != -1 || !text.isCharStart(a - 1));
  int64_t asLong = text.toLong();
  OM_FUZZ_CHECK(text.toInteger() == std::clamp<int64_t>(asLong, INT32_MIN, INT32_MAX));
  (void)Text::fromUtf8(text.bytes());
  (void)Text::fromUtf16(text.toUtf16());
  (void)text.toUtf8();
}

void CheckCompare(const Text& a, const Text& b) {
  OM_FUZZ_CHECK(Text::compare(a, a) == 0);
  OM_FUZZ_CHECK(Sign(Text::compare(a, b)) == -Sign(Text::compare(b, a)));
  OM_FUZZ_CHECK(Sign(Text::compare(a, b, false)) == -Sign(Text::compare(b, a, false)));
  OM_FUZZ_CHECK(Text::compare(a, b, false) == Text::compare(a.toLower(), b.toLower(), true));
  OM_FUZZ_CHECK((Text::compare(a, b) == 0) == (a == b));
  OM_FUZZ_CHECK(Text::plainCompare(a, b) == -Text::plainCompare(b, a));
  OM_FUZZ_CHECK(a.startsWith(b) == (a.left(b.length()) == b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool ignoreCase = input.ConsumeBool();
  const int start = input.ConsumeIntegralInRange<int>(-3, 300);
  const int count = input.ConsumeIntegralInRange<int>(-2, 6);
  const int length = input.ConsumeIntegral<int>();
  const Text needle(input.ConsumeRandomLengthString(24));
  const Text replacement(input.ConsumeRandomLengthString(24));
  const Text text(input.ConsumeRemainingBytesAsString());

  CheckSearches(text, needle, start, ignoreCase);
  CheckReplaceAndSplit(text, needle, replacement, start, count, !ignoreCase);
  CheckShape(text, start, length);
  CheckCompare(text, needle);
  return 0;
}
