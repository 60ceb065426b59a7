// What a request reads out of an answer: cookies, redirect target, declared character set.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/codepage.h"
#include "net/http_answer.h"
#include "net/http_charset.h"

namespace om {
namespace {

Text B(std::string_view bytes) {
  return Text(bytes);
}

std::string fixture(const char* name) {
  std::ifstream in(std::string(OM_TEST_DATA_DIR) + "/net/" + name, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

struct CookieCase {
  const char* name;
  std::string carried;
  std::string headers;
  std::string expected;
};

void PrintTo(const CookieCase& c, std::ostream* out) {
  *out << c.name;
}

class CookieUpdate : public ::testing::TestWithParam<CookieCase> {};

TEST_P(CookieUpdate, FollowsEverySetCookieLine) {
  const CookieCase& c = GetParam();
  EXPECT_EQ(http::updatedCookies(B(c.carried), B(c.headers)).bytes(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CookieUpdate,
    ::testing::Values(
        CookieCase{"DeletedPairRemovedOtherAdded", "sid=1; keep=2",
                   "HTTP/1.1 200 OK\r\nSet-Cookie: sid=deleted; expires=Thu, 01 Jan 1970 "
                   "00:00:01 GMT\r\nSet-Cookie: token=xyz; Path=/; HttpOnly\r\n\r\n",
                   "keep=2; token=xyz"},
        CookieCase{"KnownNameReplacedInPlace", "a=1; b=2; c=3",
                   "HTTP/1.1 200 OK\r\nSet-Cookie: b=20\r\n\r\n", "a=1; b=20; c=3"},
        CookieCase{"EmptyCarriedGrows", "",
                   "HTTP/1.1 200 OK\r\nset-cookie: a=1\r\nSET-COOKIE: b=x=y; Secure\r\n\r\n",
                   "a=1; b=x=y"},
        CookieCase{"DeletingUnknownNameAddsNothing", "a=1",
                   "HTTP/1.1 200 OK\r\nSet-Cookie: z=deleted\r\n\r\n", "a=1"},
        CookieCase{"NoSetCookieKeepsText", "a=1; b=2",
                   "HTTP/1.1 200 OK\r\nX-Set-Cookie: c=3\r\nCookie: d=4\r\n\r\n", "a=1; b=2"},
        CookieCase{"PairsWithoutValueIgnored", "a=1",
                   "HTTP/1.1 200 OK\r\nSet-Cookie: flag\r\nSet-Cookie: =v\r\n\r\n", "a=1"},
        CookieCase{"LooseSeparatorsNormalised", "a=1;b=2 ;  c=3", "HTTP/1.1 200 OK\r\n\r\n",
                   "a=1; b=2; c=3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RedirectTarget, ValueOfLocationLine) {
  EXPECT_EQ(http::redirectTarget(B("HTTP/1.1 302 Found\r\nLocation: /next?a=1\r\n\r\n")).bytes(),
            "/next?a=1");
  EXPECT_EQ(http::redirectTarget(B("HTTP/1.1 301 Moved\r\nlocation: http://h/x \r\n\r\n")).bytes(),
            "http://h/x");
  EXPECT_TRUE(http::redirectTarget(B("HTTP/1.1 200 OK\r\nContent-Location: /c\r\n\r\n")).isEmpty());
}

TEST(DeclaredCharset, FirstMetaCharsetNameIgnoringCase) {
  EXPECT_EQ(http::declaredCharset("<META charset=\"UTF-8\">").bytes(), "UTF-8");
  EXPECT_EQ(http::declaredCharset("<meta http-equiv=x content=\"text/html; charset=gb2312\">"
                                  "<meta charset=utf-8>")
                .bytes(),
            "gb2312");
  EXPECT_TRUE(http::declaredCharset("<p>charset=utf-8</p>").isEmpty());
  EXPECT_TRUE(http::declaredCharset("<meta name=x>\ncharset=utf-8").isEmpty());
  EXPECT_TRUE(http::declaredCharset("").isEmpty());
}

TEST(DeclaredCharset, FoundAnywhereInLargeBody) {
  std::string filler;
  while (filler.size() < 300000) filler += "<p>price=3 CHARSET=none</p><meta name=a>\n";
  EXPECT_EQ(http::declaredCharset(filler + "<meta charset=\"big5\">\n" + filler).bytes(), "big5");
  EXPECT_EQ(http::declaredCharset(filler + "<META content='text/html; charset=\nutf-8'>").bytes(),
            "utf-8");
  EXPECT_TRUE(http::declaredCharset(filler).isEmpty());
}

TEST(DeclaredCharset, ZeroByteEndsSearchedText) {
  const char page[] = "<p>\0<meta charset=utf-8>";
  std::string text(page, sizeof page - 1);
  EXPECT_TRUE(http::declaredCharset(text).isEmpty());
  text[3] = ' ';
  EXPECT_EQ(http::declaredCharset(text).bytes(), "utf-8");
}

TEST(BodyInGbk, Utf8PageConvertedToGbk) {
  std::string page = fixture("utf8_page.html");
  ASSERT_FALSE(page.empty());
  std::string converted = http::bodyInGbk(page);
  EXPECT_EQ(converted, utf8ToGbk(page));
  EXPECT_NE(converted.find("\xCE\xE4\xBA\xBA\xBC\xD3\xD3\xCD"), std::string::npos);  // 武汉加油
}

TEST(BodyInGbk, Gb2312PageKeptByteForByte) {
  std::string page = fixture("gb2312_page.html");
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(http::bodyInGbk(page), page);
}

TEST(BodyInGbk, UndeclaredOrUnknownCharsetKeepsBytes) {
  const std::string undeclared = "<p>\xE6\xB9\x96</p>";
  EXPECT_EQ(http::bodyInGbk(undeclared), undeclared);
  const std::string unknown = "<meta charset=\"x-no-such-set\"><p>\xE6\xB9\x96</p>";
  EXPECT_EQ(http::bodyInGbk(unknown), unknown);
}

TEST(BodyInGbk, OtherDeclaredSetsConverted) {
  EXPECT_EQ(http::bodyInGbk("\xEF\xBB\xBF<meta charset=utf8>\xE6\xB9\x96"),
            "<meta charset=utf8>\xBA\xFE");
  // é in Latin-1 is A8 A6 in GBK.
  EXPECT_EQ(http::bodyInGbk("<meta charset='iso-8859-1'>caf\xE9"),
            "<meta charset='iso-8859-1'>caf\xA8\xA6");
}

}  // namespace
}  // namespace om
