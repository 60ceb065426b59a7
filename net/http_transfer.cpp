#include "net/http_transfer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstring>
#include <mutex>

#include "app/codepage.h"

namespace om::http {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i]))) {
      return false;
    }
  }
  return true;
}

bool equalNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithNoCase(a, b);
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The name of a header line, before its colon; empty when there is none.
std::string_view headerName(std::string_view line) {
  std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return {};
  return trimmed(line.substr(0, colon));
}

bool validName(std::string_view name) {
  if (name.empty()) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    auto b = static_cast<unsigned char>(c);
    return b > 0x20 && b < 0x7F;
  });
}

struct CurlUrlDeleter {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct CurlTextDeleter {
  void operator()(char* text) const { curl_free(text); }
};
using CurlText = std::unique_ptr<char, CurlTextDeleter>;

CurlText urlPart(CURLU* url, CURLUPart part) {
  char* text = nullptr;
  if (curl_url_get(url, part, &text, 0) != CURLUE_OK) return nullptr;
  return CurlText(text);
}

bool isRedirectStatus(long status) {
  return status >= 300 && status < 400 && status != 304;
}

// libcurl hands over one header line per call, line break included.
size_t onHeaderLine(char* data, size_t size, size_t count, void* user) {
  auto* exchange = static_cast<Exchange*>(user);
  std::size_t length = size * count;
  std::string_view line(data, length);
  if (exchange->answerArrived) return length;  // trailers after the body
  if (line.starts_with("HTTP/")) {
    exchange->headerBlock.assign(line);
    exchange->sawLocation = false;
    exchange->status = 0;
    std::size_t space = line.find(' ');
    if (space != std::string_view::npos) {
      std::string_view code = line.substr(space + 1, 3);
      std::from_chars(code.data(), code.data() + code.size(), exchange->status);
    }
    return length;
  }
  exchange->headerBlock.append(line);
  if (startsWithNoCase(line, "Location:")) exchange->sawLocation = true;
  if (startsWithNoCase(line, "Content-Length:")) {
    std::string_view value = trimmed(line.substr(15));
    std::size_t announced = 0;
    std::from_chars(value.data(), value.data() + value.size(), announced);
    exchange->body.reserve(std::min(announced, exchange->maxBodyBytes));
  }
  if (line == "\r\n" || line == "\n") {
    bool passedOn =
        exchange->followRedirects && isRedirectStatus(exchange->status) && exchange->sawLocation;
    exchange->answerArrived = exchange->status >= 200 && !passedOn;
  }
  return length;
}

// A body that grows past this size is given room up to the cap at once. Only the pages that
// bytes arrive in are taken, and the body is never copied again; growing by doubling instead
// held the old and the new copy at once, and a flood on every source together then went past
// the program's memory budget.
constexpr std::size_t kRoomToCapFrom = 1u << 20;

size_t onBodyPiece(char* data, size_t size, size_t count, void* user) {
  auto* exchange = static_cast<Exchange*>(user);
  std::size_t length = size * count;
  const std::size_t needed = exchange->body.size() + length;
  if (needed > exchange->maxBodyBytes) {
    exchange->overCap = true;
    return 0;  // libcurl ends the transfer with a write error
  }
  if (needed > exchange->body.capacity() && needed > kRoomToCapFrom)
    exchange->body.reserve(exchange->maxBodyBytes);
  exchange->body.append(data, length);
  return length;
}

template <typename... Options>
bool allSet(CURL* easy, Options... options) {
  return ((curl_easy_setopt(easy, options.first, options.second) == CURLE_OK) && ...);
}

}  // namespace

bool curlReady() {
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] {
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return;
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    for (const char* const* p = info ? info->protocols : nullptr; p && *p; ++p) {
      if (std::strcmp(*p, "http") == 0) ready = true;
    }
  });
  return ready;
}

std::string encodeAddressBytes(const Text& address) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string utf8 = gbkToUtf8(address.trimmed().bytes());
  std::string out;
  out.reserve(utf8.size());
  for (unsigned char b : utf8) {
    if (b <= 0x20 || b >= 0x7F) {
      out.push_back('%');
      out.push_back(kDigits[b >> 4]);
      out.push_back(kDigits[b & 15]);
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return out;
}

std::optional<WebAddress> parseWebAddress(const Text& address) {
  if (!curlReady()) return std::nullopt;
  std::unique_ptr<CURLU, CurlUrlDeleter> url(curl_url());
  if (!url) return std::nullopt;
  std::string encoded = encodeAddressBytes(address);
  if (curl_url_set(url.get(), CURLUPART_URL, encoded.c_str(), 0) != CURLUE_OK) {
    return std::nullopt;
  }
  CurlText scheme = urlPart(url.get(), CURLUPART_SCHEME);
  CurlText host = urlPart(url.get(), CURLUPART_HOST);
  CurlText whole = urlPart(url.get(), CURLUPART_URL);
  if (!scheme || !host || !whole || *host.get() == '\0') return std::nullopt;
  bool secure = equalNoCase(scheme.get(), "https");
  if (!secure && !equalNoCase(scheme.get(), "http")) return std::nullopt;
  return WebAddress{whole.get(), secure};
}

bool mentions(const Text& text, std::string_view name) {
  return text.find(Text(name), 1, true) != -1;
}

std::optional<std::vector<std::string>> headerLines(const Text& block) {
  std::vector<std::string> lines;
  std::string_view rest = block.bytes();
  while (!rest.empty()) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (trimmed(line).empty()) continue;
    if (line.find('\r') != std::string_view::npos) return std::nullopt;
    if (!validName(headerName(line))) return std::nullopt;
    lines.emplace_back(line);
  }
  return lines;
}

std::optional<HeaderList> wireHeaderList(const std::vector<std::string>& lines) {
  HeaderList list;
  auto append = [&list](const std::string& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (!grown) return false;
    (void)list.release();
    list.reset(grown);
    return true;
  };
  for (const std::string& line : lines) {
    std::string_view name = headerName(line);
    // "Name:" alone tells libcurl to drop a header; "Name;" sends it with an empty value.
    bool emptyValue = trimmed(std::string_view(line).substr(line.find(':') + 1)).empty();
    if (!append(emptyValue ? std::string(name) + ";" : line)) return std::nullopt;
  }
  static constexpr std::array<std::string_view, 3> kLibcurlDefaults = {"Accept", "Expect",
                                                                       "Content-Type"};
  for (std::string_view own : kLibcurlDefaults) {
    bool present = std::any_of(lines.begin(), lines.end(), [own](const std::string& line) {
      return equalNoCase(headerName(line), own);
    });
    if (!present && !append(std::string(own) + ":")) return std::nullopt;
  }
  return list;
}

bool setMethod(CURL* easy, std::string_view method, const std::string& body) {
  std::string verb(method);
  std::transform(verb.begin(), verb.end(), verb.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  static constexpr std::array<std::string_view, 8> kMethods = {
      "GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"};
  if (std::find(kMethods.begin(), kMethods.end(), verb) == kMethods.end()) return false;
  auto size = static_cast<curl_off_t>(body.size());
  auto attachBody = [&] {
    return curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, size) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.c_str()) == CURLE_OK;
  };
  if (verb == "HEAD") return curl_easy_setopt(easy, CURLOPT_NOBODY, 1L) == CURLE_OK;
  if (verb == "POST") return attachBody();
  if (verb == "GET" && body.empty()) return curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L) == CURLE_OK;
  // The other verbs name themselves; a body, or a PUT, travels like a POST's.
  if (curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.c_str()) != CURLE_OK) return false;
  return (body.empty() && verb != "PUT") || attachBody();
}

bool applyLimits(CURL* easy, const TransferSettings& settings) {
  long stallSeconds = std::max<long>(1, static_cast<long>(settings.stallTimeout.count()));
  bool set = allSet(
      easy, std::pair{CURLOPT_NOSIGNAL, 1L},
      std::pair{CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(settings.connectTimeout.count())},
      std::pair{CURLOPT_TIMEOUT_MS, static_cast<long>(settings.totalTimeout.count())},
      std::pair{CURLOPT_LOW_SPEED_LIMIT, 1L}, std::pair{CURLOPT_LOW_SPEED_TIME, stallSeconds},
      std::pair{CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(settings.maxBodyBytes)});
  if (set && !settings.caFile.empty()) {
    set = curl_easy_setopt(easy, CURLOPT_CAINFO, settings.caFile.c_str()) == CURLE_OK;
  }
  return set;
}

bool applyTarget(CURL* easy, const WebAddress& address) {
  return allSet(easy, std::pair{CURLOPT_URL, address.url.c_str()},
                std::pair{CURLOPT_PROTOCOLS_STR, "http,https"},
                std::pair{CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1)},
                std::pair{CURLOPT_HTTP_CONTENT_DECODING, 0L});
}

bool applyProxy(CURL* easy, const std::string& proxyUrl) {
  return allSet(easy, std::pair{CURLOPT_PROXY, proxyUrl.c_str()},
                std::pair{CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L});
}

bool applyRedirects(CURL* easy, bool follow) {
  if (!follow) return curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L) == CURLE_OK;
  return allSet(easy, std::pair{CURLOPT_FOLLOWLOCATION, 1L}, std::pair{CURLOPT_MAXREDIRS, 10L},
                std::pair{CURLOPT_REDIR_PROTOCOLS_STR, "http,https"});
}

bool attachExchange(CURL* easy, Exchange* exchange) {
  return allSet(easy, std::pair{CURLOPT_HEADERFUNCTION, &onHeaderLine},
                std::pair{CURLOPT_HEADERDATA, static_cast<void*>(exchange)},
                std::pair{CURLOPT_WRITEFUNCTION, &onBodyPiece},
                std::pair{CURLOPT_WRITEDATA, static_cast<void*>(exchange)});
}

Failure classify(CURL* easy, CURLcode code, const Exchange& exchange) {
  if (code == CURLE_OK) return Failure::None;
  if (exchange.answerArrived || exchange.overCap) return Failure::Body;
  switch (code) {
    case CURLE_FILESIZE_EXCEEDED:  // announced beyond the cap while the headers arrive
    case CURLE_PARTIAL_FILE:
    case CURLE_WRITE_ERROR:
    case CURLE_BAD_CONTENT_ENCODING:
      return Failure::Body;
    case CURLE_URL_MALFORMAT:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SEND_ERROR:
    case CURLE_SEND_FAIL_REWIND:
    case CURLE_READ_ERROR:
    case CURLE_PROXY:
      return Failure::Connect;
    case CURLE_OPERATION_TIMEDOUT: {
      // Before the request went out the time-out belongs to connecting, after it to waiting.
      curl_off_t pretransfer = 0;
      curl_easy_getinfo(easy, CURLINFO_PRETRANSFER_TIME_T, &pretransfer);
      return pretransfer > 0 ? Failure::Answer : Failure::Connect;
    }
    default:  // no answer, a garbled one (HTTP/0.9), or a redirect beyond http and https
      return Failure::Answer;
  }
}

Failure perform(CURL* easy, const Exchange& exchange) {
  return classify(easy, curl_easy_perform(easy), exchange);
}

}  // namespace om::http

namespace om::http {

std::string fetchBody(const WebAddress& address, std::string_view method, const std::string& body,
                      const std::vector<std::string>& headerLines,
                      const TransferSettings& settings) {
  EasyHandle easy(curl_easy_init());  // released on every path
  CURL* h = easy.get();
  if (!h) return {};
  auto headers = wireHeaderList(headerLines);
  Exchange exchange(settings.maxBodyBytes, /*followsRedirects=*/true);
  bool ready = headers && applyProxy(h, std::string()) && applyLimits(h, settings) &&
               applyTarget(h, address) && setMethod(h, method, body) && applyRedirects(h, true) &&
               curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers->get()) == CURLE_OK &&
               attachExchange(h, &exchange);
  if (!ready || perform(h, exchange) != Failure::None) return {};
  if (exchange.status < 200 || exchange.status > 299) return {};
  return std::move(exchange.body);
}

}  // namespace om::http
