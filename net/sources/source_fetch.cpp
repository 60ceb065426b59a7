#include "net/sources/source_fetch.h"

#include "net/page_fetch.h"
#include "net/web_request.h"

namespace om {
namespace {

Text Reason(const Text& source, const Text& cause) {
  return source + T("：") + cause;
}

// The status code of the last answer in a raw header block ("HTTP/1.1 404 Not Found"); the
// block holds one status line per answer when redirects were followed. 0 when there is none.
int LastStatus(const Text& headers) {
  static const Text kStatusLine(std::string_view("HTTP/"));
  int status = 0;
  for (int at = headers.find(kStatusLine); at != -1; at = headers.find(kStatusLine, at + 1)) {
    if (at > 1 && headers.mid(at - 1, 1) != Text(std::string_view("\n"))) continue;
    int blank = headers.find(Text(std::string_view(" ")), at);
    if (blank != -1) status = headers.mid(blank + 1, 3).toInteger();
  }
  return status;
}

}  // namespace

Text FormatFailure(const Text& source) {
  return Reason(source, T("数据格式不符"));
}

Text FetchFailure(const Text& source) {
  return Reason(source, T("无法获取"));
}

Fetched<Text> FetchPageText(const std::string& address, const Text& source,
                            const TransferSettings& settings) {
  WebRequestInput input;
  input.address = Text(address);
  input.followRedirects = true;
  input.settings = settings;
  WebRequestResult answer = WebRequest(input);
  Fetched<Text> page;
  if (!answer.ok()) {
    page.failure = Reason(source, answer.failure);
    return page;
  }
  int status = LastStatus(answer.headers);
  if (status != 0 && (status < 200 || status > 299)) {
    page.failure = Reason(source, T("HTTP ") + Text(std::to_string(status)));
    return page;
  }
  page.value = Text(std::move(answer.body));
  return page;
}

Fetched<Text> FetchAnswerText(const std::string& address, const Text& source,
                              const TransferSettings& settings) {
  std::string body = PageFetch(Text(address), T("GET"), std::string(), Text(), settings);
  Fetched<Text> answer;
  if (body.empty())
    answer.failure = FetchFailure(source);
  else
    answer.value = Text::fromUtf8(body);
  return answer;
}

}  // namespace om
