#include "net/web_request.h"

#include "net/http_answer.h"
#include "net/http_charset.h"
#include "net/http_transfer.h"

namespace om {
namespace {

enum class Step {
  Platform,
  Address,
  Session,
  Timeouts,
  Connection,
  Request,
  ProxyCredentials,
  IgnoreCertificates,
  Redirects,
  Headers,
  Send,
  Answer,
  Body
};

Text failureMessage(Step step) {
  switch (step) {
    case Step::Platform:
      return T("700 当前系统不支持WinHttp服务!");
    case Step::Address:
      return T("701 解析URL地址失败!");
    case Step::Session:
      return T("702 创建WinHttp会话失败!");
    case Step::Timeouts:
      return T("705 设置超时时间失败!");
    case Step::Connection:
      return T("703 创建WinHttp连接失败!");
    case Step::Request:
      return T("704 创建WinHttp请求失败!");
    case Step::ProxyCredentials:
      return T("707 设置代理凭证失败!");
    case Step::IgnoreCertificates:
      return T("忽略错误/证书错误  失败！");
    case Step::Redirects:
      return T("709 重定向设置失败!");
    case Step::Headers:
      return T("710 设置协议头失败!");
    case Step::Send:
      return T("711 发送请求失败!");
    case Step::Answer:
      return T("712 服务器未响应!");
    case Step::Body:
      return T("713 读取数据失败!");
  }
  return Text();
}

struct DefaultLine {
  std::string_view testedName;
  std::string_view line;
};

// The tested name "Accept: " carries its blank, so Accept-Encoding and Accept-Language lines
// do not count as an Accept line; Content-Type is tested without one.
constexpr DefaultLine kDefaultLines[] = {
    {"User-Agent: ",
     "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)"},
    {"Accept: ", "Accept: text/html, application/xhtml+xml, */*"},
    {"Accept-Encoding: ", "Accept-Encoding: gbk, GB2312"},
    {"Accept-Language: ", "Accept-Language: zh-cn"},
    {"Content-Type:", "Content-Type: application/x-www-form-urlencoded"},
    {"Cache-Control: ", "Cache-Control: no-cache"},
    {"Connection", "Connection: keep-alive"},
};

bool holdsTestedName(const Text& headers, std::string_view testedName) {
  if (http::mentions(headers, testedName)) return true;
  // A caller's line that already asks for keep-alive, under any name, is its Connection line.
  return testedName == "Connection" && http::mentions(headers, "keep-alive");
}

// The caller's lines, each ending in "\r\n", empty lines dropped.
std::string callerLines(const Text& headers) {
  std::string out;
  std::string_view rest = headers.bytes();
  while (!rest.empty()) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!line.empty()) out.append(line).append("\r\n");
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return out;
}

std::string proxyUrl(const WebRequestInput& input, const http::WebAddress& address) {
  // The proxy list names a proxy for http only: https addresses are reached directly.
  std::string proxy = input.proxyAddress.trimmed().bytes();
  if (proxy.empty() || address.secure) return {};
  return proxy.find("://") == std::string::npos ? "http://" + proxy : proxy;
}

bool setProxyCredentials(CURL* easy, const WebRequestInput& input) {
  return curl_easy_setopt(easy, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC)) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME, input.proxyUser.data()) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD, input.proxyPassword.data()) == CURLE_OK;
}

bool ignoreCertificates(CURL* easy) {
  return curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 0L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 0L) == CURLE_OK;
}

std::optional<http::HeaderList> headerList(const WebRequestInput& input) {
  auto lines = http::headerLines(CompleteRequestHeaders(input.headers, input.cookies));
  if (!lines) return std::nullopt;
  return http::wireHeaderList(*lines);
}

Step stepOf(http::Failure failure) {
  switch (failure) {
    case http::Failure::Connect:
      return Step::Send;
    case http::Failure::Answer:
      return Step::Answer;
    default:
      return Step::Body;
  }
}

}  // namespace

Text CompleteRequestHeaders(const Text& headers, const Text& cookies) {
  std::string block = callerLines(headers);
  for (const DefaultLine& row : kDefaultLines) {
    if (!holdsTestedName(headers, row.testedName)) block.append(row.line).append("\r\n");
  }
  if (!cookies.isEmpty() && !http::mentions(headers, "Cookie:")) {
    block.append("Cookie: ").append(cookies.bytes()).append("\r\n");
  }
  return Text(std::move(block));
}

WebRequestResult WebRequest(const WebRequestInput& input) {
  WebRequestResult result;
  result.cookies = input.cookies;
  auto fail = [&result](Step step) {
    result.failure = failureMessage(step);
    return result;
  };
  if (!http::curlReady()) return fail(Step::Platform);
  auto address = http::parseWebAddress(input.address);
  if (!address) return fail(Step::Address);

  http::EasyHandle easy(curl_easy_init());  // released on every path
  CURL* h = easy.get();
  if (!h || !http::applyProxy(h, proxyUrl(input, *address))) return fail(Step::Session);
  if (!http::applyLimits(h, input.settings)) return fail(Step::Timeouts);
  if (!http::applyTarget(h, *address)) return fail(Step::Connection);
  if (!http::setMethod(h, input.method.bytes(), input.body)) return fail(Step::Request);
  if (!input.proxyUser.isEmpty() && !setProxyCredentials(h, input)) {
    return fail(Step::ProxyCredentials);
  }
  if (address->secure && input.ignoreCertificateErrors && !ignoreCertificates(h)) {
    return fail(Step::IgnoreCertificates);
  }
  // libcurl's cookie engine is off unless switched on, which never happens here: only the
  // caller's cookie text travels.
  if (!http::applyRedirects(h, input.followRedirects)) return fail(Step::Redirects);
  auto headers = headerList(input);
  if (!headers || curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers->get()) != CURLE_OK) {
    return fail(Step::Headers);
  }

  http::Exchange exchange(input.settings.maxBodyBytes, input.followRedirects);
  if (!http::attachExchange(h, &exchange)) return fail(Step::Send);
  http::Failure failure = http::perform(h, exchange);
  if (failure != http::Failure::None) return fail(stepOf(failure));

  result.headers = Text(std::move(exchange.headerBlock));
  result.cookies = http::updatedCookies(input.cookies, result.headers);
  result.redirectTarget = http::redirectTarget(result.headers);
  result.body = http::bodyInGbk(std::move(exchange.body));
  return result;
}

}  // namespace om
