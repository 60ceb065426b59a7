#pragma once

#include <optional>
#include <string>

#include "app/text.h"
#include "net/http_settings.h"

namespace om {

// The agent a fetch names unless the caller's header text holds its own "User-Agent:" line.
inline constexpr std::string_view kPageFetchAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// A lighter one-shot request: no failure messages, cookies, proxy or charset conversion.
// `method` is one of the eight verbs of WebRequest; `body` may be empty, `headers` may be
// empty or hold lines separated by "\r\n". Redirects are followed. Yields the body of a
// successful (2xx) answer as bytes; empty when a step fails or the answer carries another
// status, since an error page is not the page asked for.
std::string PageFetch(const Text& address, const Text& method, const std::string& body,
                      const Text& headers, const TransferSettings& settings = {});

// Where a fetch goes. "https://" (any case) makes it secure on port 443, "http://" plain on
// port 80; an explicit port in the address is honoured. The host runs from the scheme prefix
// to the next "/" or "?"; the object path is the rest ("/" when there is none).
struct PageFetchTarget {
  bool secure = false;
  Text host;
  int port = 80;
  Text objectPath;
};
// Nothing for an address of another scheme, without a host, or with a port that is no number.
std::optional<PageFetchTarget> PageFetchTargetOf(const Text& address);

// The header text the fetch sends beside its agent line: the caller's text, then
// "\r\nAccept: */*", "\r\nReferer: " with the referring address, "\r\nAccept-Language: zh-cn"
// and, for a request that carries a body, "\r\nContent-Type: application/x-www-form-urlencoded",
// each only when its name is absent (letter case ignored). Never begins or ends with a line
// break.
Text CompletePageFetchHeaders(const Text& headers, const Text& referer, bool carriesBody);

}  // namespace om
