#include "net/page_fetch.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "net/http_transfer.h"

namespace om {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

std::string_view withoutOuterLineBreaks(std::string_view text) {
  while (!text.empty() && (text.front() == '\r' || text.front() == '\n')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

std::optional<int> portNumber(std::string_view digits) {
  int port = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  if (error != std::errc() || end != digits.data() + digits.size() || port < 1 || port > 65535) {
    return std::nullopt;
  }
  return port;
}

}  // namespace

std::optional<PageFetchTarget> PageFetchTargetOf(const Text& address) {
  const Text trimmed = address.trimmed();
  std::string_view rest = trimmed.bytes();
  PageFetchTarget target;
  target.secure = startsWithNoCase(rest, "https://");
  if (!target.secure && !startsWithNoCase(rest, "http://")) return std::nullopt;
  rest.remove_prefix(target.secure ? 8 : 7);
  target.port = target.secure ? 443 : 80;

  std::size_t hostEnd = rest.find_first_of("/?");
  std::string_view host = rest.substr(0, hostEnd);
  if (hostEnd == std::string_view::npos) {
    target.objectPath = Text(std::string_view("/"));
  } else if (rest[hostEnd] == '?') {
    target.objectPath = Text("/" + std::string(rest.substr(hostEnd)));
  } else {
    target.objectPath = Text(rest.substr(hostEnd));
  }

  std::size_t bracket = host.rfind(']');  // an IPv6 literal holds colons of its own
  std::size_t colon = host.rfind(':');
  if (colon != std::string_view::npos && (bracket == std::string_view::npos || colon > bracket)) {
    auto port = portNumber(host.substr(colon + 1));
    if (!port) return std::nullopt;
    target.port = *port;
    host = host.substr(0, colon);
  }
  // A user name before the host is not part of this fetch's addresses.
  if (host.empty() || host.find('@') != std::string_view::npos) return std::nullopt;
  target.host = Text(host);
  return target;
}

Text CompletePageFetchHeaders(const Text& headers, const Text& referer, bool carriesBody) {
  std::string text(withoutOuterLineBreaks(headers.bytes()));
  const Text given{std::string_view(text)};
  auto addUnless = [&](std::string_view name, const std::string& line) {
    if (http::mentions(given, name)) return;
    if (!text.empty()) text += "\r\n";
    text += line;
  };
  addUnless("Accept:", "Accept: */*");
  addUnless("Referer:", "Referer: " + referer.bytes());
  addUnless("Accept-Language:", "Accept-Language: zh-cn");
  if (carriesBody) addUnless("Content-Type:", "Content-Type: application/x-www-form-urlencoded");
  return Text(std::move(text));
}

std::string PageFetch(const Text& address, const Text& method, const std::string& body,
                      const Text& headers, const TransferSettings& settings) {
  if (!http::curlReady()) return {};
  auto target = PageFetchTargetOf(address);
  if (!target) return {};
  std::string url = (target->secure ? "https://" : "http://") + target->host.bytes() + ":" +
                    std::to_string(target->port) + target->objectPath.bytes();
  auto web = http::parseWebAddress(Text(std::move(url)));
  if (!web) return {};

  // A GET carries no body.
  bool isGet = method.toUpper() == Text(std::string_view("GET"));
  const std::string noBody;
  const std::string& sent = isGet ? noBody : body;
  auto lines = http::headerLines(CompletePageFetchHeaders(headers, address, !sent.empty()));
  if (!lines) return {};
  if (!http::mentions(headers, "User-Agent:")) {
    lines->insert(lines->begin(), "User-Agent: " + std::string(kPageFetchAgent));
  }
  return http::fetchBody(*web, method.bytes(), sent, *lines, settings);
}

}  // namespace om
