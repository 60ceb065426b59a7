// WebRequest against servers on 127.0.0.1: what goes on the wire, what comes back, and the
// failure message of each step that can fail.

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/codepage.h"
#include "net/web_request.h"
#include "tests/net/fetch_servers.h"

namespace om {
namespace {

using testing::LibServer;
using testing::RawServer;
using testing::SelfSignedCertificate;
using testing::TinyProxy;
using Clock = std::chrono::steady_clock;

Text B(std::string_view bytes) {
  return Text(bytes);
}

TransferSettings quickSettings() {
  TransferSettings settings;
  settings.connectTimeout = std::chrono::milliseconds(2000);
  settings.stallTimeout = std::chrono::seconds(1);
  settings.totalTimeout = std::chrono::milliseconds(2000);
  return settings;
}

// A failing fetch ends by the total time-out at the latest, with a margin for a busy machine.
constexpr auto kWithinTimeLimit = std::chrono::milliseconds(2700);

WebRequestInput requestTo(const std::string& address) {
  WebRequestInput input;
  input.address = B(address);
  input.settings = quickSettings();
  return input;
}

std::string fixture(const char* name) {
  std::ifstream in(std::string(OM_TEST_DATA_DIR) + "/net/" + name, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

std::vector<std::string> linesOf(const std::string& block) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= block.size()) {
    size_t end = block.find("\r\n", start);
    lines.push_back(block.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

bool startsWithNoCase(const std::string& line, const std::string& prefix) {
  return line.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), line.begin(),
                    [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

// The header lines a server received, in order, without the request line and the two lines
// that frame the request (Host, Content-Length), which are checked apart.
std::vector<std::string> receivedHeaderLines(const std::string& block) {
  std::vector<std::string> lines = linesOf(block);
  if (!lines.empty()) lines.erase(lines.begin());
  std::erase_if(lines, [](const std::string& line) {
    return startsWithNoCase(line, "Host:") || startsWithNoCase(line, "Content-Length:");
  });
  return lines;
}

const std::vector<std::string> kDefaultLines = {
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)",
    "Accept: text/html, application/xhtml+xml, */*",
    "Accept-Encoding: gbk, GB2312",
    "Accept-Language: zh-cn",
    "Content-Type: application/x-www-form-urlencoded",
    "Cache-Control: no-cache",
    "Connection: keep-alive"};

std::vector<std::string> defaultsWithout(std::initializer_list<std::string_view> names) {
  std::vector<std::string> lines;
  for (const std::string& line : kDefaultLines) {
    bool dropped = false;
    for (std::string_view name : names) dropped = dropped || line.starts_with(name);
    if (!dropped) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

RawServer answeringServer(const std::string& body = "ok") {
  return RawServer([body](const RawServer::Connection& c) { c.send(RawServer::answer(body)); });
}

// ---- The header block on the wire -------------------------------------------------------

struct WireCase {
  const char* name;
  std::string method;
  std::string body;
  std::string headers;
  std::string cookies;
  std::vector<std::string> expected;
};

void PrintTo(const WireCase& c, std::ostream* out) {
  *out << c.name;
}

class WebRequestWire : public ::testing::TestWithParam<WireCase> {};

TEST_P(WebRequestWire, CarriesExactlyTheBlockLines) {
  const WireCase& c = GetParam();
  RawServer server = answeringServer();
  WebRequestInput input = requestTo(server.url("/wire?x=1"));
  input.method = B(c.method);
  input.body = c.body;
  input.headers = B(c.headers);
  input.cookies = B(c.cookies);
  WebRequestResult result = WebRequest(input);
  ASSERT_TRUE(result.ok()) << result.failure.toUtf8();

  std::string block = server.lastHeaderBlock();
  std::vector<std::string> lines = linesOf(block);
  EXPECT_EQ(lines.front(), c.method + " /wire?x=1 HTTP/1.1");
  EXPECT_EQ(receivedHeaderLines(block), c.expected);
  std::string host = "Host: 127.0.0.1:" + std::to_string(server.port());
  EXPECT_EQ(std::count(lines.begin(), lines.end(), host), 1);
  std::string length = "Content-Length: " + std::to_string(c.body.size());
  EXPECT_EQ(std::count(lines.begin(), lines.end(), length), c.body.empty() ? 0 : 1);
  EXPECT_TRUE(server.requests().back().ends_with("\r\n\r\n" + c.body));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WebRequestWire,
    ::testing::Values(
        WireCase{"EmptyHeadersGiveSevenDefaults", "GET", "", "", "", kDefaultLines},
        WireCase{"AcceptLanguageAloneStillGetsAccept", "GET", "", "Accept-Language: en", "",
                 joined({"Accept-Language: en"}, defaultsWithout({"Accept-Language"}))},
        WireCase{"ContentTypeWithoutBlankGetsNoDefault", "POST", "a=1&b=2",
                 "Content-Type:text/plain", "",
                 joined({"Content-Type:text/plain"}, defaultsWithout({"Content-Type"}))},
        WireCase{"CallerCookieLineNotDoubled", "GET", "", "Cookie: mine=1", "a=1",
                 joined({"Cookie: mine=1"}, kDefaultLines)},
        WireCase{"CookieTextSentAsLastLine", "GET", "", "", "a=1; b=2",
                 joined(kDefaultLines, {"Cookie: a=1; b=2"})},
        WireCase{"EmptyValueSentAsItIs", "GET", "", "X-Empty:", "",
                 joined({"X-Empty:"}, kDefaultLines)},
        WireCase{"LargePostAsksNoContinue", "POST", std::string(2 << 20, 'x'), "", "",
                 kDefaultLines},
        WireCase{"PutWithBody", "PUT", "data", "Accept: */*", "",
                 joined({"Accept: */*"}, defaultsWithout({"Accept: "}))},
        WireCase{"DeleteWithoutBody", "DELETE", "", "", "", kDefaultLines}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebRequest, EveryVerbNamesItselfOnTheRequestLine) {
  for (const WebRequestMethod& method : kWebRequestMethods) {
    SCOPED_TRACE(method.name);
    RawServer server = answeringServer();
    WebRequestInput input = requestTo(server.url("/v"));
    input.method = B(method.name);
    WebRequestResult result = WebRequest(input);
    EXPECT_TRUE(result.ok()) << result.failure.toUtf8();
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_TRUE(server.requests()[0].starts_with(std::string(method.name) + " /v HTTP/1.1\r\n"));
  }
}

TEST(WebRequest, GbkAddressTravelsAsPercentEncodedUtf8) {
  RawServer server = answeringServer();
  // 湖北 in GBK.
  WebRequestResult result = WebRequest(requestTo(server.url("/q?w=\xBA\xFE\xB1\xB1")));
  ASSERT_TRUE(result.ok()) << result.failure.toUtf8();
  EXPECT_TRUE(server.requests().at(0).starts_with("GET /q?w=%E6%B9%96%E5%8C%97 HTTP/1.1\r\n"));
}

TEST(WebRequest, ConcurrentCallsShareNothing) {
  LibServer server;
  server.routes().Get("/n", [](const httplib::Request& request, httplib::Response& response) {
    response.set_header("Set-Cookie", "n=" + request.get_param_value("v"));
    response.set_content(std::string(100000, request.get_param_value("v").at(0)), "text/plain");
  });
  ASSERT_TRUE(server.start());
  std::vector<std::thread> threads;
  std::vector<int> wrong(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      std::string v(1, static_cast<char>('a' + t));
      for (int round = 0; round < 10; ++round) {
        WebRequestResult result = WebRequest(requestTo(server.url("/n?v=" + v)));
        bool right = result.ok() && result.body == std::string(100000, v[0]) &&
                     result.cookies.bytes() == "n=" + v;
        if (!right) ++wrong[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

TEST(WebRequest, HeadAnswerHasNoBody) {
  RawServer server([](const RawServer::Connection& c) {
    c.send("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n");
    c.waitForStop(2);
  });
  WebRequestInput input = requestTo(server.url());
  input.method = B("HEAD");
  WebRequestResult result = WebRequest(input);
  EXPECT_TRUE(result.ok()) << result.failure.toUtf8();
  EXPECT_TRUE(result.body.empty());
}

// ---- Failures, each at its step ---------------------------------------------------------

TEST(WebRequest, UnsplittableAddressFailsWithoutConnecting) {
  RawServer server = answeringServer();
  std::string port = std::to_string(server.port());
  for (std::string address : {"127.0.0.1:" + port + "/a", "ftp://127.0.0.1:" + port + "/",
                              std::string(), std::string("http://"), "//127.0.0.1:" + port}) {
    SCOPED_TRACE(address);
    WebRequestInput input = requestTo(address);
    input.cookies = B("a=1");
    WebRequestResult result = WebRequest(input);
    EXPECT_EQ(result.failure, T("701 解析URL地址失败!"));
    EXPECT_EQ(result.cookies.bytes(), "a=1");
  }
  EXPECT_EQ(server.connectionCount(), 0);
}

TEST(WebRequest, UnknownVerbOrBadHeaderLineFailsBeforeSending) {
  RawServer server = answeringServer();
  WebRequestInput input = requestTo(server.url());
  input.method = B("PATCH");
  EXPECT_EQ(WebRequest(input).failure, T("704 创建WinHttp请求失败!"));
  input.method = B("get");
  input.headers = B("X-A: 1\r\nGET /other HTTP/1.1");
  EXPECT_EQ(WebRequest(input).failure, T("710 设置协议头失败!"));
  EXPECT_EQ(server.connectionCount(), 0);
}

TEST(WebRequest, RefusedConnectionFailsSending) {
  WebRequestResult result =
      WebRequest(requestTo("http://127.0.0.1:" + std::to_string(testing::unusedPort()) + "/"));
  EXPECT_EQ(result.failure, T("711 发送请求失败!"));
}

TEST(WebRequest, ServerThatNeverAnswersFailsWithinTimeLimit) {
  RawServer server([](const RawServer::Connection& c) { c.waitForStop(); });
  auto start = Clock::now();
  WebRequestResult result = WebRequest(requestTo(server.url()));
  EXPECT_EQ(result.failure, T("712 服务器未响应!"));
  EXPECT_LT(Clock::now() - start, kWithinTimeLimit);
}

TEST(WebRequest, ClosedOrGarbledAnswerFailsWaiting) {
  RawServer closing([](const RawServer::Connection&) {});
  EXPECT_EQ(WebRequest(requestTo(closing.url())).failure, T("712 服务器未响应!"));
  RawServer garbling([](const RawServer::Connection& c) { c.send("SSH-2.0-OpenSSH\r\n"); });
  EXPECT_EQ(WebRequest(requestTo(garbling.url())).failure, T("712 服务器未响应!"));
}

TEST(WebRequest, BrokenOrOverlongBodyFailsReading) {
  struct Case {
    const char* name;
    std::string sent;
    bool stall;
  };
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n";
  const Case cases[] = {
      {"DiesMidBody", head + std::string(100, 'a'), false},
      {"StallsMidBody", head + std::string(100, 'a'), true},
      {"AnnouncesTooMuch", "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n", true},
      {"ChunksPastTheCap",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
       "300\r\n" +
           std::string(0x300, 'b') + "\r\n300\r\n" + std::string(0x300, 'b') + "\r\n0\r\n\r\n",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RawServer server([&c](const RawServer::Connection& connection) {
      connection.send(c.sent);
      if (c.stall) connection.waitForStop();
    });
    WebRequestInput input = requestTo(server.url());
    input.settings.maxBodyBytes = 1024;
    auto start = Clock::now();
    WebRequestResult result = WebRequest(input);
    EXPECT_EQ(result.failure, T("713 读取数据失败!"));
    EXPECT_TRUE(result.body.empty());
    EXPECT_LT(Clock::now() - start, kWithinTimeLimit);
  }
}

TEST(WebRequest, BodyAtTheCapIsWhole) {
  RawServer server = answeringServer(std::string(1024, 'z'));
  WebRequestInput input = requestTo(server.url());
  input.settings.maxBodyBytes = 1024;
  WebRequestResult result = WebRequest(input);
  EXPECT_TRUE(result.ok()) << result.failure.toUtf8();
  EXPECT_EQ(result.body, std::string(1024, 'z'));
}

// ---- Answers ----------------------------------------------------------------------------

TEST(WebRequest, ErrorStatusIsAnAnswer) {
  RawServer server([](const RawServer::Connection& c) {
    c.send(RawServer::answer("gone", "X-Why: test\r\n", "404 Not Found"));
  });
  WebRequestResult result = WebRequest(requestTo(server.url()));
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.body, "gone");
  EXPECT_EQ(result.headers.bytes(),
            "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\nConnection: close\r\n"
            "X-Why: test\r\n\r\n");
}

TEST(WebRequest, SetCookieLinesUpdateCookieText) {
  LibServer server;
  server.routes().Get("/login", [](const httplib::Request& request, httplib::Response& response) {
    response.set_header("Set-Cookie", "sid=deleted; expires=Thu, 01 Jan 1970 00:00:01 GMT");
    response.set_header("Set-Cookie", "token=xyz; Path=/");
    response.set_content(request.get_header_value("Cookie"), "text/plain");
  });
  ASSERT_TRUE(server.start());
  WebRequestInput input = requestTo(server.url("/login"));
  input.cookies = B("sid=1; keep=2");
  WebRequestResult result = WebRequest(input);
  ASSERT_TRUE(result.ok()) << result.failure.toUtf8();
  EXPECT_EQ(result.body, "sid=1; keep=2");
  EXPECT_EQ(result.cookies.bytes(), "keep=2; token=xyz");
}

TEST(WebRequest, PagesComeBackInGbk) {
  const std::string utf8Page = fixture("utf8_page.html");
  const std::string gbPage = fixture("gb2312_page.html");
  ASSERT_FALSE(utf8Page.empty());
  ASSERT_FALSE(gbPage.empty());
  LibServer server;
  server.routes().Get("/utf8", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(utf8Page, "text/html");
  });
  server.routes().Get("/gb", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(gbPage, "text/html");
  });
  ASSERT_TRUE(server.start());

  WebRequestResult utf8 = WebRequest(requestTo(server.url("/utf8")));
  ASSERT_TRUE(utf8.ok());
  EXPECT_EQ(utf8.body, utf8ToGbk(utf8Page));
  EXPECT_NE(utf8.body.find("\xBA\xFE\xB1\xB1"), std::string::npos);  // 湖北

  WebRequestResult gb = WebRequest(requestTo(server.url("/gb")));
  ASSERT_TRUE(gb.ok());
  EXPECT_EQ(gb.body, gbPage);
}

TEST(WebRequest, RedirectsFollowedOnlyWhenAsked) {
  LibServer server;
  int loopHits = 0;
  server.routes().Get("/from", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("/to");
  });
  server.routes().Get("/to", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("arrived", "text/plain");
  });
  server.routes().Get("/ftp", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("ftp://127.0.0.1/file");
  });
  server.routes().Get("/loop", [&](const httplib::Request&, httplib::Response& response) {
    ++loopHits;
    response.set_redirect("/loop");
  });
  ASSERT_TRUE(server.start());

  WebRequestInput input = requestTo(server.url("/from"));
  WebRequestResult kept = WebRequest(input);
  ASSERT_TRUE(kept.ok());
  EXPECT_EQ(kept.redirectTarget.bytes(), "/to");
  EXPECT_TRUE(kept.headers.startsWith(B("HTTP/1.1 302")));

  input.followRedirects = true;
  WebRequestResult followed = WebRequest(input);
  ASSERT_TRUE(followed.ok());
  EXPECT_EQ(followed.body, "arrived");
  EXPECT_TRUE(followed.redirectTarget.isEmpty());
  EXPECT_TRUE(followed.headers.startsWith(B("HTTP/1.1 200")));

  input.address = B(server.url("/ftp"));
  EXPECT_EQ(WebRequest(input).failure, T("712 服务器未响应!"));

  input.address = B(server.url("/loop"));
  EXPECT_EQ(WebRequest(input).failure, T("712 服务器未响应!"));
  EXPECT_EQ(loopHits, 11);  // the first answer and ten followed
}

// ---- Certificates -----------------------------------------------------------------------

TEST(WebRequest, SelfSignedCertificateRefusedUnlessIgnored) {
  SelfSignedCertificate certificate;
  ASSERT_TRUE(certificate.ok());
  LibServer server(&certificate);
  server.routes().Get("/s", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("secret", "text/plain");
  });
  ASSERT_TRUE(server.start());

  WebRequestInput input = requestTo(server.url("/s"));
  EXPECT_EQ(WebRequest(input).failure, T("711 发送请求失败!"));

  input.ignoreCertificateErrors = true;
  WebRequestResult ignored = WebRequest(input);
  ASSERT_TRUE(ignored.ok()) << ignored.failure.toUtf8();
  EXPECT_EQ(ignored.body, "secret");

  input.ignoreCertificateErrors = false;
  input.settings.caFile = certificate.certificateFile();
  WebRequestResult trusted = WebRequest(input);
  ASSERT_TRUE(trusted.ok()) << trusted.failure.toUtf8();
  EXPECT_EQ(trusted.body, "secret");
}

// ---- Proxy ------------------------------------------------------------------------------

LibServer* proxiedServer(LibServer& server) {
  server.routes().Get("/p", [](const httplib::Request& request, httplib::Response& response) {
    response.set_content("via=" + request.get_header_value("Via"), "text/plain");
  });
  return server.start() ? &server : nullptr;
}

TEST(WebRequest, ProxyWithoutUserCarriesRequest) {
  LibServer server;
  ASSERT_TRUE(proxiedServer(server));
  TinyProxy proxy;
  ASSERT_TRUE(proxy.ok());
  WebRequestInput input = requestTo(server.url("/p"));
  input.proxyAddress = B(proxy.address());
  WebRequestResult result = WebRequest(input);
  ASSERT_TRUE(result.ok()) << result.failure.toUtf8();
  EXPECT_NE(result.body.find("tinyproxy"), std::string::npos) << result.body;
}

TEST(WebRequest, ProxyUserAndPasswordAreHandedToProxy) {
  LibServer server;
  ASSERT_TRUE(proxiedServer(server));
  TinyProxy proxy("scout", "s3cret");
  ASSERT_TRUE(proxy.ok());
  WebRequestInput input = requestTo(server.url("/p"));
  input.proxyAddress = B(proxy.address());

  // tinyproxy turns away a request without credentials with 407, one with wrong ones with 401.
  WebRequestResult anonymous = WebRequest(input);
  ASSERT_TRUE(anonymous.ok()) << anonymous.failure.toUtf8();
  EXPECT_TRUE(anonymous.headers.startsWith(B("HTTP/1.0 407 "))) << anonymous.headers.bytes();
  EXPECT_EQ(anonymous.body.find("via="), std::string::npos);

  input.proxyUser = B("scout");
  input.proxyPassword = B("wrong");
  WebRequestResult refused = WebRequest(input);
  ASSERT_TRUE(refused.ok()) << refused.failure.toUtf8();
  EXPECT_TRUE(refused.headers.startsWith(B("HTTP/1.0 401 "))) << refused.headers.bytes();
  EXPECT_EQ(refused.body.find("via="), std::string::npos);

  input.proxyPassword = B("s3cret");
  WebRequestResult admitted = WebRequest(input);
  ASSERT_TRUE(admitted.ok()) << admitted.failure.toUtf8();
  EXPECT_NE(admitted.body.find("tinyproxy"), std::string::npos) << admitted.body;
}

TEST(WebRequest, ProxyServesHttpAddressesOnly) {
  SelfSignedCertificate certificate;
  ASSERT_TRUE(certificate.ok());
  LibServer server(&certificate);
  server.routes().Get("/d", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("direct", "text/plain");
  });
  ASSERT_TRUE(server.start());
  WebRequestInput input = requestTo(server.url("/d"));
  input.settings.caFile = certificate.certificateFile();
  input.proxyAddress = B("127.0.0.1:" + std::to_string(testing::unusedPort()));
  WebRequestResult result = WebRequest(input);
  ASSERT_TRUE(result.ok()) << result.failure.toUtf8();
  EXPECT_EQ(result.body, "direct");

  input.address = B("http://127.0.0.1:" + std::to_string(server.port()) + "/d");
  EXPECT_EQ(WebRequest(input).failure, T("711 发送请求失败!"));  // the dead proxy
}

}  // namespace
}  // namespace om
