// The news answer parse (the news pattern, then the decoding of each item) on fuzzed answers.

#include "app/text.h"
#include "fuzz/fuzz_support.h"
#include "net/sources/news_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const om::Text answer = om::fuzz::InputText(data, size);
  for (const om::NewsItem& item : om::ParseNewsAnswer(answer)) {
    OM_FUZZ_CHECK(item.shownTime == om::NewsTimeText(item.time));
    OM_FUZZ_CHECK(item.description.length() <= answer.length());
  }
  (void)om::NewsTimeText(answer);
  return 0;
}
