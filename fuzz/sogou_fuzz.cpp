// The Sogou page parse on fuzzed pages.

#include "app/text.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/source_checks.h"
#include "net/sources/sogou_source.h"

namespace {

void CheckFigures(const om::SogouFigures& figures) {
  for (const om::Text* count :
       {&figures.confirmed, &figures.cured, &figures.suspected, &figures.dead,
        &figures.confirmedRise, &figures.curedRise, &figures.suspectedRise, &figures.deadRise}) {
    om::fuzz::CheckCount(*count);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const om::Text page = om::fuzz::InputText(data, size);
  const om::Text block = om::SogouFiguresBlock(page);
  OM_FUZZ_CHECK(block.isEmpty() || page.contains(block));
  CheckFigures(om::ParseSogouPage(page));
  // The same bytes behind the block's opening marker, so mutations need not find it.
  CheckFigures(om::ParseSogouPage(om::T("分\",") + page));
  (void)om::RiseText(om::ParseSogouPage(page).confirmedRise);
  return 0;
}
