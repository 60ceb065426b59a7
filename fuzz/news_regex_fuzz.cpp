// The news pattern through RegexObject with every option, reading back each match and group,
// on fuzzed subjects.

#include <fuzzer/FuzzedDataProvider.h>

#include "app/text.h"
#include "data/regex_object.h"
#include "fuzz/fuzz_support.h"
#include "net/sources/news_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool ignoreCase = input.ConsumeBool();
  const bool multiLine = input.ConsumeBool();
  const bool singleLine = input.ConsumeBool();
  const bool global = input.ConsumeBool();
  const om::Text replacement(input.ConsumeRandomLengthString(16));
  const om::Text subject(input.ConsumeRemainingBytesAsString());

  static const om::Text kPattern = om::NewsPattern();
  om::RegexObject regex;
  OM_FUZZ_CHECK(regex.Search(kPattern, subject, ignoreCase, multiLine, singleLine, global));
  const int count = regex.MatchCount();
  OM_FUZZ_CHECK(count >= 0 && (global || count <= 1));
  const long long units = static_cast<long long>(subject.toUtf16().size());
  for (int match = 0; match < count; ++match) {
    const int position = regex.MatchPosition(match);
    const long long length = static_cast<long long>(regex.MatchText(match).toUtf16().size());
    OM_FUZZ_CHECK(position >= 0 && position <= units);
    OM_FUZZ_CHECK(regex.GroupCount(match) == 4);
    for (int group = 0; group <= 5; ++group) (void)regex.GroupText(match, group);
    (void)length;
  }
  OM_FUZZ_CHECK(regex.MatchText(count).isEmpty() && regex.MatchPosition(-1) == 0);
  (void)regex.ReplaceText(subject, replacement);
  return 0;
}
