// The header texts the fetching calls build, and where a page fetch goes.

#include <gtest/gtest.h>

#include "net/http_transfer.h"
#include "net/page_fetch.h"
#include "net/web_request.h"

namespace om {
namespace {

Text B(std::string_view bytes) {
  return Text(bytes);
}

const std::string kAgent =
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n";
const std::string kAccept = "Accept: text/html, application/xhtml+xml, */*\r\n";
const std::string kEncoding = "Accept-Encoding: gbk, GB2312\r\n";
const std::string kLanguage = "Accept-Language: zh-cn\r\n";
const std::string kContentType = "Content-Type: application/x-www-form-urlencoded\r\n";
const std::string kCache = "Cache-Control: no-cache\r\n";
const std::string kConnection = "Connection: keep-alive\r\n";

struct BlockCase {
  const char* name;
  std::string headers;
  std::string cookies;
  std::string expected;
};

void PrintTo(const BlockCase& c, std::ostream* out) {
  *out << c.name;
}

class RequestHeaderBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(RequestHeaderBlock, HoldsCallerLinesThenMissingDefaultsThenCookie) {
  const BlockCase& c = GetParam();
  EXPECT_EQ(CompleteRequestHeaders(B(c.headers), B(c.cookies)).bytes(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RequestHeaderBlock,
    ::testing::Values(
        BlockCase{"EmptyGivesSevenDefaultsInOrder", "", "",
                  kAgent + kAccept + kEncoding + kLanguage + kContentType + kCache + kConnection},
        BlockCase{"AcceptLanguageIsNoAcceptLine", "Accept-Language: en", "",
                  "Accept-Language: en\r\n" + kAgent + kAccept + kEncoding + kContentType + kCache +
                      kConnection},
        BlockCase{"ContentTypeWithoutBlankCounts", "Content-Type:text/plain\r\n", "",
                  "Content-Type:text/plain\r\n" + kAgent + kAccept + kEncoding + kLanguage +
                      kCache + kConnection},
        BlockCase{"AcceptWithoutBlankIsNotTheTestedName", "Accept:text/plain", "",
                  "Accept:text/plain\r\n" + kAgent + kAccept + kEncoding + kLanguage +
                      kContentType + kCache + kConnection},
        BlockCase{"NamesIgnoreLetterCase", "user-agent: me\r\nACCEPT: x/y", "",
                  "user-agent: me\r\nACCEPT: x/y\r\n" + kEncoding + kLanguage + kContentType +
                      kCache + kConnection},
        BlockCase{"ConnectionCloseKeepsItsOwnLine", "Connection: close", "",
                  "Connection: close\r\n" + kAgent + kAccept + kEncoding + kLanguage +
                      kContentType + kCache},
        BlockCase{"KeepAliveUnderAnotherNameCounts", "X-Mode: keep-alive", "",
                  "X-Mode: keep-alive\r\n" + kAgent + kAccept + kEncoding + kLanguage +
                      kContentType + kCache},
        BlockCase{"CookieLineComesLast", "", "a=1; b=2",
                  kAgent + kAccept + kEncoding + kLanguage + kContentType + kCache + kConnection +
                      "Cookie: a=1; b=2\r\n"},
        BlockCase{"CallerCookieLineIsNotDoubled", "Cookie: mine=1", "a=1",
                  "Cookie: mine=1\r\n" + kAgent + kAccept + kEncoding + kLanguage + kContentType +
                      kCache + kConnection},
        BlockCase{"EmptyCallerLinesAreDropped", "\r\nX-A: 1\r\n\r\nX-B: 2\r\n\r\n", "",
                  "X-A: 1\r\nX-B: 2\r\n" + kAgent + kAccept + kEncoding + kLanguage + kContentType +
                      kCache + kConnection}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RequestHeaderBlock, NameInsideGbkCharacterIsNotFound) {
  // 0xB0 0x41 is one character whose second byte reads 'A'; "ccept: " after it is no name.
  Text block = CompleteRequestHeaders(B("X-Note: \xB0"
                                        "Accept: y"),
                                      Text());
  EXPECT_NE(block.bytes().find(kAccept), std::string::npos);
}

TEST(HeaderLines, RejectsTextsThatAreNoHeaderLines) {
  EXPECT_FALSE(http::headerLines(B("no colon here")).has_value());
  EXPECT_FALSE(http::headerLines(B(": no name")).has_value());
  EXPECT_FALSE(http::headerLines(B("X-A: 1\rGET / HTTP/1.1")).has_value());
  EXPECT_FALSE(http::headerLines(B("Bad Name: 1")).has_value());
  auto lines = http::headerLines(B("X-A: 1\nX-B: 2\r\n"));
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (std::vector<std::string>{"X-A: 1", "X-B: 2"}));
}

struct PageCase {
  const char* name;
  std::string headers;
  bool body;
  std::string expected;
};

void PrintTo(const PageCase& c, std::ostream* out) {
  *out << c.name;
}

class PageFetchHeaders : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageFetchHeaders, AddsMissingLinesEachIntroducedByLineBreak) {
  const PageCase& c = GetParam();
  EXPECT_EQ(CompletePageFetchHeaders(B(c.headers), B("http://h/p"), c.body).bytes(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageFetchHeaders,
    ::testing::Values(
        PageCase{"Empty", "", false,
                 "Accept: */*\r\nReferer: http://h/p\r\nAccept-Language: zh-cn"},
        PageCase{"EmptyWithBody", "", true,
                 "Accept: */*\r\nReferer: http://h/p\r\nAccept-Language: zh-cn\r\n"
                 "Content-Type: application/x-www-form-urlencoded"},
        PageCase{"OwnAcceptKept", "Accept: text/html", false,
                 "Accept: text/html\r\nReferer: http://h/p\r\nAccept-Language: zh-cn"},
        PageCase{"OuterLineBreaksDropped", "\r\nX-A: 1\r\n", false,
                 "X-A: 1\r\nAccept: */*\r\nReferer: http://h/p\r\nAccept-Language: zh-cn"},
        PageCase{"AllPresent", "referer: r\r\naccept: a\r\naccept-language: en\r\ncontent-type: t",
                 true, "referer: r\r\naccept: a\r\naccept-language: en\r\ncontent-type: t"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageFetchTarget, SchemeChoosesSecurityAndPort) {
  struct Case {
    const char* address;
    bool secure;
    const char* host;
    int port;
    const char* path;
  };
  const Case cases[] = {
      {"https://news.example/a/b?c=1", true, "news.example", 443, "/a/b?c=1"},
      {"http://news.example", false, "news.example", 80, "/"},
      {"HTTPS://news.example/", true, "news.example", 443, "/"},
      {"http://127.0.0.1:8080/x", false, "127.0.0.1", 8080, "/x"},
      {"http://news.example?q=1", false, "news.example", 80, "/?q=1"},
      {"http://[::1]:81/v", false, "[::1]", 81, "/v"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    auto target = PageFetchTargetOf(B(c.address));
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->secure, c.secure);
    EXPECT_EQ(target->host.bytes(), c.host);
    EXPECT_EQ(target->port, c.port);
    EXPECT_EQ(target->objectPath.bytes(), c.path);
  }
}

TEST(PageFetchTarget, RejectsOtherSchemesHostlessAndBadPorts) {
  for (const char* address :
       {"ftp://news.example/", "news.example/a", "http:///a", "http://news.example:http/",
        "http://news.example:70000/", "http://user@news.example/"}) {
    SCOPED_TRACE(address);
    EXPECT_FALSE(PageFetchTargetOf(B(address)).has_value());
  }
}

TEST(WebAddress, AcceptsOnlyHttpAndHttpsWithHost) {
  EXPECT_TRUE(http::parseWebAddress(B("http://127.0.0.1:1/a")).has_value());
  EXPECT_TRUE(http::parseWebAddress(B("HTTPS://127.0.0.1/")).value().secure);
  for (const char* address :
       {"", "127.0.0.1/a", "ftp://127.0.0.1/", "file:///etc/passwd", "http://", "mailto:a@b"}) {
    SCOPED_TRACE(address);
    EXPECT_FALSE(http::parseWebAddress(B(address)).has_value());
  }
}

TEST(WebAddress, SendsGbkAsPercentEncodedUtf8) {
  // 湖北 in GBK, and a blank.
  EXPECT_EQ(http::encodeAddressBytes(B("http://h/q?p=\xBA\xFE\xB1\xB1 x")),
            "http://h/q?p=%E6%B9%96%E5%8C%97%20x");
}

}  // namespace
}  // namespace om
