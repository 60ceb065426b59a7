// Answer header blocks that fuzzing found mishandled: a carriage return inside a header line.

#include <gtest/gtest.h>

#include "net/http_answer.h"
#include "net/http_transfer.h"
#include "net/web_request.h"

namespace om {
namespace {

Text B(std::string_view bytes) {
  return Text(bytes);
}

TEST(AnswerHeadersFuzz, CarriageReturnInsideALineReadsAsABlank) {
  struct Case {
    const char* name;
    std::string block;
    std::string cookies;
    std::string redirect;
  } cases[] = {
      {"location", "HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1/a\rb\r\n\r\n", "",
       "http://127.0.0.1/a b"},
      {"location ending in a lone return", "Location: http://127.0.0.1/\r\r\n", "",
       "http://127.0.0.1/"},
      {"cookie value", "Set-Cookie: sid=1\rX-Extra: 2; Path=/\r\n", "sid=1 X-Extra: 2", ""},
      {"cookie name", "Set-Cookie: s\rid=1\r\n", "s id=1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(http::redirectTarget(B(c.block)).bytes(), c.redirect);
    EXPECT_EQ(http::updatedCookies(Text(), B(c.block)).bytes(), c.cookies);
  }
}

TEST(AnswerHeadersFuzz, CookieFromAnAnswerWithALoneReturnStillGoesOut) {
  // A cookie that kept its return would make every later request's header block invalid.
  Text cookies = http::updatedCookies(B("a=1"), B("Set-Cookie: b=2\r3\r\n"));
  EXPECT_EQ(cookies.bytes(), "a=1; b=2 3");
  auto lines = http::headerLines(CompleteRequestHeaders(Text(), cookies));
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(lines->back(), "Cookie: a=1; b=2 3");
}

}  // namespace
}  // namespace om
