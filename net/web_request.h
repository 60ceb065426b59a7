#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/text.h"
#include "net/http_settings.h"

namespace om {

// One HTTP or HTTPS request from beginning to end. Nothing is kept between calls: cookies
// persist only in the cookie text that the caller keeps and passes to its next call.
struct WebRequestInput {
  Text address;                                 // absolute http or https address
  Text method = Text(std::string_view("GET"));  // one of kWebRequestMethods, any case
  std::string body;                             // sent after the headers; never for HEAD
  Text headers;  // header lines separated by "\r\n"; completed with the default lines
  Text cookies;  // name=value pairs separated by "; "
  bool followRedirects = false;
  Text proxyAddress;  // host:port of an HTTP proxy for http addresses; empty means none
  Text proxyUser;     // credentials for the proxy, used only when the user is not empty
  Text proxyPassword;
  // Certificates are verified unless the caller explicitly chooses otherwise.
  bool ignoreCertificateErrors = false;
  TransferSettings settings;
};

struct WebRequestResult {
  // The body as received, or converted to GBK when the page declares another character set.
  std::string body;
  Text headers;         // the answer's raw header block, lines separated by "\r\n"
  Text cookies;         // the cookie text carried in, updated from the answer's Set-Cookie lines
  Text redirectTarget;  // the answer's Location value, empty when there is none
  Text failure;         // empty on success, else one of the numbered messages
  bool ok() const { return failure.isEmpty(); }
};

// The verbs a request may use, each with the number the facility keeps beside it.
struct WebRequestMethod {
  std::string_view name;
  int number;
};
inline constexpr std::array<WebRequestMethod, 8> kWebRequestMethods = {{{"GET", 10},
                                                                        {"POST", 20},
                                                                        {"HEAD", 30},
                                                                        {"PUT", 40},
                                                                        {"OPTIONS", 50},
                                                                        {"DELETE", 60},
                                                                        {"TRACE", 70},
                                                                        {"CONNECT", 80}}};

// Performs the request. On failure only `failure` and the carried-in cookie text are set.
// An answer with an error status (4xx, 5xx) is an answer, not a failure.
WebRequestResult WebRequest(const WebRequestInput& input);

// The header block sent with a request: the caller's lines, then each default line whose
// tested name the caller's text lacks, then "Cookie: " and the cookie text when that is not
// empty and the caller's text holds no "Cookie:". Every line ends in "\r\n"; names are tested
// ignoring letter case. On the wire these lines are all the request carries beside the two
// that frame it, Host (required by HTTP/1.1; a caller's own Host line replaces it) and
// Content-Length when a body is sent. A block holding a line that is no header line fails
// the request with 710.
Text CompleteRequestHeaders(const Text& headers, const Text& cookies);

}  // namespace om
