// JsonDocument.Parse on fuzzed answers, followed by the reads the sources make, under a short
// time limit; and a fuzzed text stored and read back.

#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>

#include "app/text.h"
#include "data/json_document.h"
#include "fuzz/fuzz_support.h"

namespace {

using om::T;
using om::Text;

constexpr std::chrono::milliseconds kTimeLimit{200};

void ReadEverywhere(const om::JsonDocument& document) {
  static const Text kPaths[] = {Text(), T("newslist"), T("newslist[0]"), T("newslist[0].date"),
                                T("a"), T("[0]"),      T("a.b[1].c")};
  for (const Text& path : kPaths) {
    (void)document.TypeOf(path);
    (void)document.GetText(path);
    (void)document.ToJsonText(path);
    (void)document.IsNull(path);
    const int count = document.ItemCount(path);
    (void)document.MemberNames(path);
    for (int i = 0; i < 3 && i < count; ++i) {
      (void)document.ItemText(path, i);
      (void)document.ItemJsonText(path, i);
    }
  }
}

// A plain text reads back as it was stored, backslashes included. Only the program's own
// statements run here, so they keep the default time limit: on a busy machine the short one
// could cut them off.
void CheckStoredText(const Text& text) {
  if (Text::fromUtf16(text.toUtf16()) != text) return;  // not a text GBK can carry whole
  om::JsonDocument document;
  OM_FUZZ_CHECK(document.Parse(T("{}")));
  OM_FUZZ_CHECK(document.SetText(T("value"), text));
  OM_FUZZ_CHECK(document.GetText(T("value")) == text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  om::fuzz::MakeApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;  // the engine's cost grows with the text; real answers are small
  FuzzedDataProvider input(data, size);
  const Text stored(input.ConsumeRandomLengthString(64));
  const Text json(input.ConsumeRemainingBytesAsString());
  om::JsonDocument document;
  document.SetTimeLimit(kTimeLimit);
  OM_FUZZ_CHECK(document.HasEngine());
  (void)document.Parse(json);
  ReadEverywhere(document);
  CheckStoredText(stored);
  return 0;
}
