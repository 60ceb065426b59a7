#include "net/http_answer.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace om::http {
namespace {

// Every delimiter used here (line breaks, ':', ';', '=', blanks) lies below 0x40, so it can
// never be the second byte of a GBK character: splitting the bytes is safe.

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

// The lines of the block. A carriage return inside a line stands for a blank, as HTTP asks of a
// recipient, so that no cookie or address handed on carries one into a later request.
std::vector<std::string> lines(std::string_view block) {
  std::vector<std::string> out;
  while (!block.empty()) {
    std::size_t end = block.find('\n');
    std::string_view line = block.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    std::string& kept = out.emplace_back(line);
    std::replace(kept.begin(), kept.end(), '\r', ' ');
    if (end == std::string_view::npos) break;
    block.remove_prefix(end + 1);
  }
  return out;
}

// The value of the first line named `name` (given with its colon), if any.
std::optional<std::string> headerValue(std::string_view block, std::string_view name) {
  for (std::string_view line : lines(block)) {
    if (startsWithNoCase(line, name)) return std::string(trimmed(line.substr(name.size())));
  }
  return std::nullopt;
}

struct Pair {
  std::string name;
  std::string value;  // with its '=' when the pair had one
};

std::optional<Pair> splitPair(std::string_view text) {
  text = trimmed(text);
  std::size_t eq = text.find('=');
  std::string_view name = trimmed(text.substr(0, eq));
  if (name.empty()) return std::nullopt;
  std::string value = eq == std::string_view::npos
                          ? std::string()
                          : "=" + std::string(trimmed(text.substr(eq + 1)));
  return Pair{std::string(name), std::move(value)};
}

std::vector<Pair> cookiePairs(std::string_view cookies) {
  std::vector<Pair> pairs;
  while (!cookies.empty()) {
    std::size_t end = cookies.find(';');
    if (auto pair = splitPair(cookies.substr(0, end))) pairs.push_back(std::move(*pair));
    if (end == std::string_view::npos) break;
    cookies.remove_prefix(end + 1);
  }
  return pairs;
}

void apply(std::vector<Pair>& pairs, const Pair& update) {
  auto known = std::find_if(pairs.begin(), pairs.end(),
                            [&](const Pair& p) { return p.name == update.name; });
  if (update.value == "=deleted") {
    if (known != pairs.end()) pairs.erase(known);
  } else if (known != pairs.end()) {
    known->value = update.value;
  } else {
    pairs.push_back(update);
  }
}

}  // namespace

Text updatedCookies(const Text& cookies, const Text& answerHeaders) {
  std::vector<Pair> pairs = cookiePairs(cookies.bytes());
  for (const std::string& kept : lines(answerHeaders.bytes())) {
    std::string_view line = kept;
    if (!startsWithNoCase(line, "Set-Cookie:")) continue;
    std::string_view attributes = line.substr(11);
    auto update = splitPair(attributes.substr(0, attributes.find(';')));
    if (update && !update->value.empty()) apply(pairs, *update);
  }
  std::string joined;
  for (const Pair& pair : pairs) {
    if (!joined.empty()) joined += "; ";
    joined += pair.name + pair.value;
  }
  return Text(std::move(joined));
}

Text redirectTarget(const Text& answerHeaders) {
  auto value = headerValue(answerHeaders.bytes(), "Location:");
  return value ? Text(*value) : Text();
}

}  // namespace om::http
