// The declared-charset search and every conversion between character sets, on fuzzed bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cctype>

#include "app/codepage.h"
#include "fuzz/fuzz_support.h"
#include "net/http_charset.h"

namespace {

constexpr std::array<const char*, 9> kCharsets = {
    "UTF-8", "GBK", "GB2312", "GB18030", "BIG5", "UTF-16LE", "ISO-8859-1", "SHIFT_JIS", "UTF-7"};
constexpr std::array<int, 7> kCodePages = {936, 65001, 1200, 1201, 950, 1252, 12345};

bool IsNameCharacter(unsigned char c) {
  return c == '-' || c == '_' || std::isalnum(c);
}

bool MentionsCharsetWord(std::string body) {
  for (char& c : body) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return body.find("charset=") != std::string::npos;
}

void CheckDeclaredCharset(const std::string& body) {
  const om::Text name = om::http::declaredCharset(body);
  for (char c : name.bytes()) OM_FUZZ_CHECK(IsNameCharacter(static_cast<unsigned char>(c)));
  // The body is in a character set not yet known, so the word is looked for byte by byte.
  if (!name.isEmpty()) OM_FUZZ_CHECK(MentionsCharsetWord(body));
  (void)om::http::bodyInGbk(body);
}

void CheckConversions(const std::string& bytes, const std::string& fuzzedName, int from, int to) {
  (void)om::convertCharset(bytes, kCharsets[static_cast<size_t>(from) % kCharsets.size()],
                           kCharsets[static_cast<size_t>(to) % kCharsets.size()]);
  (void)om::convertCharset(bytes, fuzzedName, "GBK");
  (void)om::convertCharset(bytes, "UTF-8", fuzzedName);
  (void)om::ConvertCodePage(bytes, kCodePages[static_cast<size_t>(from) % kCodePages.size()],
                            kCodePages[static_cast<size_t>(to) % kCodePages.size()]);
  const std::u16string wide = om::gbkToUtf16(bytes);
  (void)om::utf16ToGbk(wide);
  (void)om::utf16ToGbk(
      std::u16string_view(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2));
  const std::string gbk = om::utf8ToGbk(bytes);
  (void)om::gbkToUtf8(bytes);
  // Plain ASCII passes through both directions unchanged.
  bool ascii = true;
  for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80 && c != '\0';
  if (ascii) {
    OM_FUZZ_CHECK(gbk == bytes);
    OM_FUZZ_CHECK(om::gbkToUtf8(bytes) == bytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int from = input.ConsumeIntegral<uint8_t>();
  const int to = input.ConsumeIntegral<uint8_t>();
  const std::string fuzzedName = input.ConsumeRandomLengthString(20);
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  CheckDeclaredCharset(bytes);
  CheckConversions(bytes, fuzzedName, from, to);
  return 0;
}
