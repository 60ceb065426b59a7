#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "app/text.h"

namespace om {

// Cutting values out of pages by fixed marker texts. Every page source uses these rules, so
// that a missing marker always degrades to an empty value, never to a neighbour's value.

// The text after the first `start`, up to (not including) the first `end` after it; empty when
// either marker is missing.
Text CutBetween(const Text& text, const Text& start, const Text& end);

// The text between `marker` and the next double quote: a string member's value. Empty when
// the marker is missing.
Text QuotedAfter(const Text& text, const Text& marker);

// A count after `marker`: the text up to the next "," (or the end of the enclosing object when
// the member is the last one), trimmed. A count sent as a string loses its quotes. Anything
// that is not an optionally signed run of decimal digits (null, a word, a nested value) gives
// the empty text; the digits are handed on as found, never converted to a number.
Text CountAfter(const Text& text, const Text& marker);

// A member marker: the key in double quotes followed by a colon, and for string members the
// opening quote of the value. The leading quote keeps "confirmedCount" from matching inside a
// longer key such as "currentconfirmedCount".
Text NumberMember(std::string_view key);
Text StringMember(std::string_view key);

// JSON structure over GBK bytes: the second byte of a two-byte character may equal a brace,
// bracket, quote or backslash, so the scan steps over whole characters and over strings.

// One past the brace or bracket that closes the one at `open`; npos when it never closes.
size_t ContainerEnd(std::string_view json, size_t open);

// The members of the object text at its own level: every nested object or array is left out
// (written as its empty brackets), so the object's own keys cannot be confused with those of
// the records it holds.
std::string OwnLevel(std::string_view object);

// An object of a JSON text: where its opening brace lies, one past its closing brace (npos
// when it never closes), and how many objects enclose it (arrays not counted).
struct ObjectSpan {
  size_t open;
  size_t end;
  int depth;
};

// The objects that hold one of `keys` (member markers such as "\"provinceName\":\"") among
// their own members, in text order. One pass over the text, however deeply its objects nest;
// the scan starts at the first brace or bracket.
std::vector<ObjectSpan> ObjectsHoldingKey(std::string_view json,
                                          std::initializer_list<std::string_view> keys);

}  // namespace om
