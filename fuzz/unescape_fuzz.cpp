// UnescapeUnicode, and the JSON string decoding built on it, over fuzzed script data.

#include "app/conversions.h"
#include "fuzz/fuzz_support.h"
#include "net/sources/json_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const om::Text text = om::fuzz::InputText(data, size);
  const om::Text unescaped = om::UnescapeUnicode(text);
  if (!text.contains(om::Text(std::string_view("\\u")))) OM_FUZZ_CHECK(unescaped == text);
  // An escape of six bytes becomes one character of at most two; nothing else grows.
  OM_FUZZ_CHECK(unescaped.length() <= text.length());
  const om::Text decoded = om::DecodeJsonText(text);
  if (!text.contains(om::Text(std::string_view("\\")))) OM_FUZZ_CHECK(decoded == text);
  OM_FUZZ_CHECK(decoded.length() <= text.length());
  return 0;
}
