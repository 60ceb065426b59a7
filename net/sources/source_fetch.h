#pragma once

#include <string>

#include "app/text.h"
#include "net/http_settings.h"
#include "net/sources/fetched.h"

namespace om {

// The fetch calls the sources share. Failure reasons are short texts for the status strip,
// led by the source's name: "丁香园：712 服务器未响应!", "天行数据：无法获取", ...

// A web page, GET with WebRequest, which turns a page that declares another character set into
// GBK. An answer with an error status counts as a failure: its body is not the page.
Fetched<Text> FetchPageText(const std::string& address, const Text& source,
                            const TransferSettings& settings);

// A UTF-8 JSON answer, GET with PageFetch, as GBK text.
Fetched<Text> FetchAnswerText(const std::string& address, const Text& source,
                              const TransferSettings& settings);

// The reason for a fetched page in which the wanted data are missing.
Text FormatFailure(const Text& source);

// The reason for a fetch that brought nothing.
Text FetchFailure(const Text& source);

// Cuts a fetched text with a source's parser. A failed fetch keeps its reason; a text in which
// the parser finds nothing is a format failure of the source.
template <class Parse>
auto ParseFetched(const Fetched<Text>& fetched, const Text& source, Parse parse)
    -> Fetched<decltype(parse(fetched.value))> {
  Fetched<decltype(parse(fetched.value))> result;
  result.failure = fetched.failure;
  if (!fetched.ok()) return result;
  result.value = parse(fetched.value);
  bool found = false;
  if constexpr (requires { result.value.empty(); })
    found = !result.value.empty();
  else
    found = !result.value.isEmpty();
  if (!found) result.failure = FormatFailure(source);
  return result;
}

}  // namespace om
