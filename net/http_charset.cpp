#include "net/http_charset.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "app/codepage.h"
#include "data/regex_object.h"

namespace om::http {

namespace {

bool isCharsetWordAt(std::string_view body, std::size_t at) {
  static constexpr std::string_view kWord = "charset=";
  if (body.size() - at < kWord.size()) return false;
  for (std::size_t i = 0; i < kWord.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(body[at + i])) != kWord[i]) return false;
  }
  return true;
}

// The lines that can hold a match, in order: every line with "charset=" in it, each together
// with the line after it. A match of the pattern starts on the line of its "charset=" (a
// full stop never crosses a line feed) and ends there or, when [^\w]? takes the line feed, on
// the next line; so the first of these pieces that matches holds the first match of the whole
// body, and the pattern never has to run over a large page line by line.
std::vector<std::string_view> candidatePieces(std::string_view body) {
  std::vector<std::string_view> pieces;
  std::size_t from = 0;
  while (from < body.size()) {
    std::size_t equals = body.find('=', from);
    if (equals == std::string_view::npos || equals < 7) {
      if (equals == std::string_view::npos) break;
      from = equals + 1;
      continue;
    }
    if (!isCharsetWordAt(body, equals - 7)) {
      from = equals + 1;
      continue;
    }
    std::size_t lineStart = body.rfind('\n', equals);
    lineStart = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    std::size_t lineEnd = body.find('\n', equals);
    std::size_t pieceEnd =
        lineEnd == std::string_view::npos ? body.size() : body.find('\n', lineEnd + 1);
    pieces.push_back(body.substr(lineStart, pieceEnd == std::string_view::npos
                                                ? std::string_view::npos
                                                : pieceEnd - lineStart));
    if (lineEnd == std::string_view::npos) break;
    from = lineEnd + 1;
  }
  return pieces;
}

}  // namespace

Text declaredCharset(const std::string& body) {
  static const Text kPattern(std::string_view(R"(<meta.+?charset=[^\w]?([-\w]+))"));
  // A zero byte ends a text: the body as text is what comes before the first one.
  std::string_view text(body.data(), std::min(body.size(), body.find('\0')));
  RegexObject regex;
  for (std::string_view piece : candidatePieces(text)) {
    if (regex.Search(kPattern, Text(piece), /*ignoreCase=*/true) && regex.MatchCount() > 0) {
      return regex.GroupText(0, 1);
    }
  }
  return Text();
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
