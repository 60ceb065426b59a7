#include "net/http_charset.h"

#include "app/codepage.h"
#include "data/regex_object.h"

namespace om::http {

Text declaredCharset(const std::string& body) {
  static const Text kPattern(std::string_view(R"(<meta.+?charset=[^\w]?([-\w]+))"));
  RegexObject regex;
  if (!regex.Search(kPattern, Text(std::string_view(body)), /*ignoreCase=*/true) ||
      regex.MatchCount() == 0) {
    return Text();
  }
  return regex.GroupText(0, 1);
}

std::string bodyInGbk(std::string body) {
  Text name = declaredCharset(body).toLower();
  if (name.isEmpty() || name == Text(std::string_view("gbk")) ||
      name == Text(std::string_view("gb2312"))) {
    return body;
  }
  std::string_view bytes = body;
  bool utf8 = name == Text(std::string_view("utf-8")) || name == Text(std::string_view("utf8"));
  if (utf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // byte-order mark
  auto converted = convertCharset(bytes, name.bytes(), "GBK");
  return converted ? std::move(*converted) : body;
}

}  // namespace om::http
