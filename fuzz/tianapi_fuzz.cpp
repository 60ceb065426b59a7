// The TianAPI same-trip and rumour answers, read through the JSON document, on fuzzed answers.

#include "app/text.h"
#include "fuzz/fuzz_support.h"
#include "net/sources/tianapi_source.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  om::fuzz::MakeApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const om::Text answer = om::fuzz::InputText(data, size);
  const std::vector<om::SameTripEntry> trips = om::ParseSameTripAnswer(answer);
  OM_FUZZ_CHECK(trips.size() <= static_cast<size_t>(om::kMaxAnswerEntries));
  for (const om::SameTripEntry& entry : trips) {
    (void)om::TransportName(entry.type);
    (void)om::TripNumberText(entry);
  }
  const std::vector<om::RumourEntry> rumours = om::ParseRumourAnswer(answer);
  OM_FUZZ_CHECK(rumours.size() <= static_cast<size_t>(om::kMaxAnswerEntries));
  return 0;
}
