#include "net/sources/markers.h"

#include <algorithm>
#include <string>
#include <utility>

namespace om {
namespace {

size_t CharSize(std::string_view s, size_t i) {
  return (static_cast<unsigned char>(s[i]) >= 0x80 && i + 1 < s.size()) ? 2 : 1;
}

// One past the double quote that closes the string opening at `quote`.
size_t StringEnd(std::string_view s, size_t quote) {
  size_t i = quote + 1;
  while (i < s.size()) {
    if (s[i] == '"') return i + 1;
    i += (s[i] == '\\') ? std::min<size_t>(2, s.size() - i) : CharSize(s, i);
  }
  return s.size();
}

bool IsOpening(char c) {
  return c == '{' || c == '[';
}
bool IsClosing(char c) {
  return c == '}' || c == ']';
}

bool IsSignedDigits(const std::string& s) {
  size_t first = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  if (first == s.size()) return false;
  return std::all_of(s.begin() + static_cast<long>(first), s.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

std::string TrimBlanks(const std::string& s) {
  const char* blanks = " \t\r\n";
  size_t first = s.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// The earliest of several stop texts at or after `from` (positions from 1); 0 when none.
int FirstOf(const Text& text, std::initializer_list<const char*> stops, int from) {
  int best = 0;
  for (const char* stop : stops) {
    int at = text.find(Text(std::string_view(stop)), from);
    if (at != -1 && (best == 0 || at < best)) best = at;
  }
  return best;
}

}  // namespace

Text CutBetween(const Text& text, const Text& start, const Text& end) {
  int at = text.find(start);
  if (at == -1) return Text();
  int from = at + start.length();
  int until = text.find(end, from);
  if (until == -1) return Text();
  return text.mid(from, until - from);
}

Text QuotedAfter(const Text& text, const Text& marker) {
  return CutBetween(text, marker, Text(std::string_view("\"")));
}

Text CountAfter(const Text& text, const Text& marker) {
  int at = text.find(marker);
  if (at == -1) return Text();
  int from = at + marker.length();
  int until = FirstOf(text, {",", "}", "]"}, from);
  Text value = (until == 0 ? text.right(text.length() - from + 1) : text.mid(from, until - from));
  std::string digits = TrimBlanks(value.bytes());
  if (digits.size() >= 2 && digits.front() == '"' && digits.back() == '"')
    digits = digits.substr(1, digits.size() - 2);
  return IsSignedDigits(digits) ? Text(std::move(digits)) : Text();
}

Text NumberMember(std::string_view key) {
  return Text("\"" + std::string(key) + "\":");
}

Text StringMember(std::string_view key) {
  return Text("\"" + std::string(key) + "\":\"");
}

size_t ContainerEnd(std::string_view json, size_t open) {
  int depth = 0;
  size_t i = open;
  while (i < json.size()) {
    char c = json[i];
    if (c == '"') {
      i = StringEnd(json, i);
      continue;
    }
    if (IsOpening(c)) ++depth;
    if (IsClosing(c) && --depth == 0) return i + 1;
    i += CharSize(json, i);
  }
  return std::string_view::npos;
}

std::string OwnLevel(std::string_view object) {
  std::string own;
  own.reserve(object.size());
  size_t i = 0;
  if (!object.empty() && IsOpening(object[0])) own.push_back(object[i++]);
  while (i < object.size()) {
    char c = object[i];
    size_t next;
    if (c == '"') {
      next = StringEnd(object, i);
      own.append(object.substr(i, next - i));
    } else if (IsOpening(c)) {
      next = std::min(ContainerEnd(object, i), object.size());
      own.push_back(c);
      own.push_back(c == '{' ? '}' : ']');
    } else {
      next = i + CharSize(object, i);
      own.append(object.substr(i, next - i));
      if (IsClosing(c)) break;
    }
    i = next;
  }
  return own;
}

std::vector<ObjectSpan> ObjectsHoldingKey(std::string_view json,
                                          std::initializer_list<std::string_view> keys) {
  constexpr int kArray = -2;
  constexpr int kUncounted = -1;
  std::vector<ObjectSpan> holders;
  // Each open container: where it opens, and whether it is an array, an object not yet
  // counted, or the object of holders[state].
  struct Container {
    size_t at;
    int state;
  };
  std::vector<Container> open;
  int objects = 0;  // objects among the open containers
  // The text before the first brace or bracket is no JSON (the rest of a script tag, say):
  // a quote there would turn every string after it inside out.
  size_t i = 0;
  while (i < json.size() && !IsOpening(json[i])) i += CharSize(json, i);
  while (i < json.size()) {
    char c = json[i];
    if (c == '"') {
      if (!open.empty() && open.back().state == kUncounted) {
        std::string_view rest = json.substr(i);
        if (std::any_of(keys.begin(), keys.end(),
                        [&](std::string_view key) { return rest.starts_with(key); })) {
          open.back().state = static_cast<int>(holders.size());
          holders.push_back({open.back().at, std::string_view::npos, objects - 1});
        }
      }
      i = StringEnd(json, i);
      continue;
    }
    if (IsOpening(c)) {
      open.push_back({i, c == '{' ? kUncounted : kArray});
      if (c == '{') ++objects;
    }
    if (IsClosing(c) && !open.empty()) {
      if (open.back().state >= 0) holders[static_cast<size_t>(open.back().state)].end = i + 1;
      if (open.back().state != kArray) --objects;
      open.pop_back();
    }
    i += CharSize(json, i);
  }
  std::sort(holders.begin(), holders.end(),
            [](const ObjectSpan& a, const ObjectSpan& b) { return a.open < b.open; });
  return holders;
}

}  // namespace om
