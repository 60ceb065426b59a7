// PageFetch and the whole-resource read against servers on 127.0.0.1.

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>

#include "net/page_fetch.h"
#include "net/resource_read.h"
#include "tests/net/fetch_servers.h"

namespace om {
namespace {

using testing::LibServer;
using testing::RawServer;
using testing::SelfSignedCertificate;
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

std::vector<std::string> requestLines(const std::string& request) {
  std::vector<std::string> lines;
  std::string head = request.substr(0, request.find("\r\n\r\n"));
  size_t start = 0;
  while (true) {
    size_t end = head.find("\r\n", start);
    lines.push_back(head.substr(start, end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

const std::string kAgentLine = "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

struct PageWireCase {
  const char* name;
  std::string method;
  std::string body;
  std::string headers;
  std::vector<std::string> expected;  // after the request line and Host, {referer} filled in
};

void PrintTo(const PageWireCase& c, std::ostream* out) {
  *out << c.name;
}

class PageFetchWire : public ::testing::TestWithParam<PageWireCase> {};

TEST_P(PageFetchWire, SendsAgentAndCompletedHeaderText) {
  const PageWireCase& c = GetParam();
  RawServer server(
      [](const RawServer::Connection& connection) { connection.send(RawServer::answer("page")); });
  std::string address = server.url("/page?id=7");
  std::string page = PageFetch(B(address), B(c.method), c.body, B(c.headers), quickSettings());
  EXPECT_EQ(page, "page");

  ASSERT_EQ(server.requests().size(), 1u);
  const std::string request = server.requests()[0];
  std::vector<std::string> lines = requestLines(request);
  EXPECT_EQ(lines[0], c.method + " /page?id=7 HTTP/1.1");
  EXPECT_EQ(lines[1], "Host: 127.0.0.1:" + std::to_string(server.port()));
  std::vector<std::string> rest(lines.begin() + 2, lines.end());
  std::vector<std::string> expected;
  for (const std::string& line : c.expected) {
    expected.push_back(line == "{referer}" ? "Referer: " + address : line);
  }
  if (!c.body.empty() && c.method != "GET") {
    std::erase(rest, "Content-Length: " + std::to_string(c.body.size()));
  }
  EXPECT_EQ(rest, expected);
  EXPECT_TRUE(request.ends_with("\r\n\r\n" + (c.method == "GET" ? std::string() : c.body)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageFetchWire,
    ::testing::Values(
        PageWireCase{"EmptyHeaderText",
                     "GET",
                     "",
                     "",
                     {kAgentLine, "Accept: */*", "{referer}", "Accept-Language: zh-cn"}},
        PageWireCase{"OwnAcceptKept",
                     "GET",
                     "",
                     "Accept: text/html",
                     {kAgentLine, "Accept: text/html", "{referer}", "Accept-Language: zh-cn"}},
        PageWireCase{
            "OwnAgentReplacesDefault",
            "GET",
            "",
            "User-Agent: Scout/1.0\r\n",
            {"User-Agent: Scout/1.0", "Accept: */*", "{referer}", "Accept-Language: zh-cn"}},
        PageWireCase{"PostWithBodyGetsContentType",
                     "POST",
                     "a=1",
                     "",
                     {kAgentLine, "Accept: */*", "{referer}", "Accept-Language: zh-cn",
                      "Content-Type: application/x-www-form-urlencoded"}},
        PageWireCase{"GetSendsNoBody",
                     "GET",
                     "ignored",
                     "Referer: elsewhere",
                     {kAgentLine, "Referer: elsewhere", "Accept: */*", "Accept-Language: zh-cn"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageFetch, FollowsRedirectsAndEmptiesErrorAnswers) {
  LibServer server;
  server.routes().Get("/old", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("/new");
  });
  server.routes().Get("/new", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("fresh", "text/html");
  });
  server.routes().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
    response.status = 404;
    response.set_content("not here", "text/html");
  });
  ASSERT_TRUE(server.start());
  EXPECT_EQ(PageFetch(B(server.url("/old")), B("GET"), "", Text(), quickSettings()), "fresh");
  EXPECT_EQ(PageFetch(B(server.url("/missing")), B("GET"), "", Text(), quickSettings()), "");
}

TEST(PageFetch, SecureAddressVerifiesCertificate) {
  SelfSignedCertificate certificate;
  ASSERT_TRUE(certificate.ok());
  LibServer server(&certificate);
  server.routes().Get("/s", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("secure page", "text/html");
  });
  ASSERT_TRUE(server.start());
  TransferSettings settings = quickSettings();
  EXPECT_EQ(PageFetch(B(server.url("/s")), B("GET"), "", Text(), settings), "");
  settings.caFile = certificate.certificateFile();
  EXPECT_EQ(PageFetch(B(server.url("/s")), B("GET"), "", Text(), settings), "secure page");
}

TEST(PageFetch, FailingStepsYieldEmptyQuickly) {
  RawServer silent([](const RawServer::Connection& c) { c.waitForStop(); });
  RawServer broken([](const RawServer::Connection& c) {
    c.send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial");
  });
  const std::string refused = "http://127.0.0.1:" + std::to_string(testing::unusedPort()) + "/";
  for (const std::string& address :
       {silent.url(), broken.url(), refused, std::string("ftp://127.0.0.1/")}) {
    SCOPED_TRACE(address);
    auto start = Clock::now();
    EXPECT_EQ(PageFetch(B(address), B("GET"), "", Text(), quickSettings()), "");
    EXPECT_LT(Clock::now() - start, kWithinTimeLimit);
  }
  RawServer any([](const RawServer::Connection& c) { c.send(RawServer::answer("x")); });
  EXPECT_EQ(PageFetch(B(any.url()), B("BREW"), "", Text(), quickSettings()), "");
  EXPECT_EQ(PageFetch(B(any.url()), B("GET"), "", B("not a header"), quickSettings()), "");
  EXPECT_EQ(any.connectionCount(), 0);
}

TEST(ReadWholeResource, YieldsEveryByteOfTheBody) {
  std::string picture("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
  for (int i = 0; i < 300000; ++i) picture.push_back(static_cast<char>(i * 7));
  LibServer server;
  server.routes().Get("/map.png", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(picture, "image/png");
  });
  server.routes().Get("/moved.png", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("/map.png");
  });
  ASSERT_TRUE(server.start());
  EXPECT_EQ(ReadWholeResource(B(server.url("/map.png")), quickSettings()), picture);
  EXPECT_EQ(ReadWholeResource(B(server.url("/moved.png")), quickSettings()), picture);
  EXPECT_EQ(ReadWholeResource(B(server.url("/none.png")), quickSettings()), "");
}

TEST(ReadWholeResource, FailuresAndOversizeGiveEmpty) {
  RawServer broken([](const RawServer::Connection& c) {
    c.send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial");
  });
  RawServer large(
      [](const RawServer::Connection& c) { c.send(RawServer::answer(std::string(5000, 'L'))); });
  TransferSettings settings = quickSettings();
  settings.maxBodyBytes = 4096;
  EXPECT_EQ(ReadWholeResource(B(broken.url()), settings), "");
  EXPECT_EQ(ReadWholeResource(B(large.url()), settings), "");
  EXPECT_EQ(ReadWholeResource(B("no address"), settings), "");
  settings.maxBodyBytes = 5000;
  EXPECT_EQ(ReadWholeResource(B(large.url()), settings), std::string(5000, 'L'));
}

}  // namespace
}  // namespace om
