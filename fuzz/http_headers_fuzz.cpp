// The reading of an answer's header block (cookies, redirect target) and the completion of a
// request's header block, on fuzzed header texts and cookie texts.

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_support.h"
#include "net/http_answer.h"
#include "net/http_transfer.h"
#include "net/web_request.h"

namespace {

using om::Text;

bool HasLineBreak(const std::string& s) {
  return s.find_first_of("\r\n") != std::string::npos;
}

void CheckAnswerHeaders(const Text& cookies, const Text& answerHeaders) {
  const Text updated = om::http::updatedCookies(cookies, answerHeaders);
  OM_FUZZ_CHECK(updated.bytes().find('\n') == std::string::npos ||
                cookies.bytes().find('\n') != std::string::npos);
  // The joined text is in its settled form: reading it again changes nothing.
  OM_FUZZ_CHECK(om::http::updatedCookies(updated, Text()) == updated);
  const Text target = om::http::redirectTarget(answerHeaders);
  OM_FUZZ_CHECK(!HasLineBreak(target.bytes()));
  // No blank or control byte reaches the address handed to libcurl. (libcurl decodes a
  // percent-encoded host name, so bytes from 0x7F up may come back there.)
  if (auto address = om::http::parseWebAddress(target)) {
    for (char c : address->url) OM_FUZZ_CHECK(static_cast<unsigned char>(c) > 0x20);
  }
  (void)om::http::encodeAddressBytes(target);
}

void CheckRequestHeaders(const Text& headers, const Text& cookies) {
  const Text block = om::CompleteRequestHeaders(headers, cookies);
  OM_FUZZ_CHECK(block.bytes().ends_with("\r\n"));
  if (auto lines = om::http::headerLines(block)) {
    for (const std::string& line : *lines) {
      OM_FUZZ_CHECK(!line.empty() && !HasLineBreak(line));
      OM_FUZZ_CHECK(line.find(':') != std::string::npos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const Text cookies(input.ConsumeRandomLengthString(200));
  const Text headers(input.ConsumeRemainingBytesAsString());
  CheckAnswerHeaders(cookies, headers);
  CheckRequestHeaders(headers, cookies);
  return 0;
}
