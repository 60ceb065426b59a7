#pragma once

// Private machinery shared by the fetching calls: libcurl handles that release themselves, the
// answer collected from the wire, and the translation of libcurl's outcome into the step of
// the exchange that failed.

#include <curl/curl.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/text.h"
#include "net/http_settings.h"

namespace om::http {

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

// Initialises libcurl once per process; false when it cannot, or when it speaks no HTTP.
bool curlReady();

// An absolute http or https address, as libcurl is handed it.
struct WebAddress {
  std::string url;
  bool secure = false;
};
// Splits and checks an address: a scheme of http or https (any case) and a host are required.
// GBK bytes beyond ASCII are sent as percent-encoded UTF-8.
std::optional<WebAddress> parseWebAddress(const Text& address);
// The address bytes as they may appear in a request line: UTF-8, with spaces, control bytes
// and bytes beyond ASCII percent-encoded.
std::string encodeAddressBytes(const Text& address);

// True when `name` occurs anywhere in the text, ignoring letter case.
bool mentions(const Text& text, std::string_view name);

// The lines of a header text, split at line breaks, empty lines dropped. Nothing when a line
// is no header line (no name before a colon), so that no text can smuggle in a request line.
std::optional<std::vector<std::string>> headerLines(const Text& block);

// The list libcurl sends: exactly these lines, and none of libcurl's own defaults (Accept,
// Expect, Content-Type) beside them. Host and Content-Length frame the request and stay
// libcurl's. Nothing when libcurl cannot allocate.
std::optional<HeaderList> wireHeaderList(const std::vector<std::string>& lines);

// Chooses the verb and attaches the body. False for a name outside the eight methods.
bool setMethod(CURL* easy, std::string_view method, const std::string& body);

// Time-outs, signal-free operation and, when asked, the trusted certificates.
bool applyLimits(CURL* easy, const TransferSettings& settings);
// HTTP/1.1 to this address over http or https only, answers kept as sent (no decoding).
bool applyTarget(CURL* easy, const WebAddress& address);
// Uses this proxy URL, or none for an empty one: the environment's proxy is never ours.
bool applyProxy(CURL* easy, const std::string& proxyUrl);
// Follows redirects (at most ten, to http or https only) or hands each answer back as it is.
bool applyRedirects(CURL* easy, bool follow);

// The answer as it came off the wire. Attach before the transfer; it must outlive it.
struct Exchange {
  explicit Exchange(std::size_t cap, bool followsRedirects)
      : maxBodyBytes(cap), followRedirects(followsRedirects) {}
  std::size_t maxBodyBytes;
  bool followRedirects;
  std::string body;
  std::string headerBlock;  // the last answer's status line and header lines, raw
  long status = 0;
  bool answerArrived = false;  // the final answer's header block is complete
  bool overCap = false;
  bool sawLocation = false;
};
bool attachExchange(CURL* easy, Exchange* exchange);

// The step at which a transfer failed.
enum class Failure { None, Connect, Answer, Body };
Failure classify(CURL* easy, CURLcode code, const Exchange& exchange);

// Runs the transfer and reports its outcome.
Failure perform(CURL* easy, const Exchange& exchange);

}  // namespace om::http

namespace om::http {

// A fetch without failure messages: GET or another verb, redirects followed, these header
// lines exactly. The body of a successful (2xx) answer; empty when any step fails or the
// answer carries another status.
std::string fetchBody(const WebAddress& address, std::string_view method, const std::string& body,
                      const std::vector<std::string>& headerLines,
                      const TransferSettings& settings);

}  // namespace om::http
