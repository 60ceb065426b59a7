// The Baidu page parse, which hands the cut-out summary to the script engine, on fuzzed pages.

#include "app/text.h"
#include "fuzz/fuzz_support.h"
#include "net/sources/baidu_source.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  om::fuzz::MakeApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const om::Text page = om::fuzz::InputText(data, size);
  const om::Text script = om::BaiduDataScript(page);
  OM_FUZZ_CHECK(script.isEmpty() || page.contains(script));
  const om::SummaryFigures figures = om::ParseBaiduPage(page);
  if (script.isEmpty()) OM_FUZZ_CHECK(figures.isEmpty());
  (void)om::SummaryLabels(figures);
  return 0;
}
