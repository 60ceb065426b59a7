#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/text.h"

namespace om {

// The one place where bytes change encoding. Decoding replaces a malformed sequence by
// U+FFFD; encoding replaces a character the target lacks by a question mark.
std::u16string gbkToUtf16(std::string_view gbk);
std::string utf16ToGbk(std::u16string_view utf16);
std::string gbkToUtf8(std::string_view gbk);
std::string utf8ToGbk(std::string_view utf8);

// Converts between two character sets named as iconv names them ("UTF-8", "GBK", ...).
// Returns nothing when either name is unknown.
std::optional<std::string> convertCharset(std::string_view bytes, const std::string& fromName,
                                          const std::string& toName);

// The iconv name of a Windows code page number (936, 65001, 1200, ...), empty when unknown.
std::string charsetNameOfCodePage(int codePage);

// Converts bytes between two code pages by way of UTF-16; the result carries no terminating
// zero (UTF-16 output holds zero bytes, so it is bytes, not a Text). Empty input, or an
// unknown code page, gives an empty result.
std::string ConvertCodePage(std::string_view bytes, int fromCodePage, int toCodePage);

constexpr int kCodePageGbk = 936;
constexpr int kCodePageUtf8 = 65001;

}  // namespace om
