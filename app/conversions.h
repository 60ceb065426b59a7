#pragma once

#include <string_view>

#include "app/datetime.h"
#include "app/text.h"

namespace om {

// Decodes the \uXXXX escapes of a page's script data: every "\u" followed by exactly four
// hexadecimal digits becomes that UTF-16 code unit (surrogate pairs are joined; a lone
// surrogate becomes '?'); everything else, "%XX" and apostrophes included, stays as it is.
// The text is decoded directly, never run as script. Characters GBK lacks become '?'.
Text UnescapeUnicode(const Text& text);

// "%" and two upper-case hexadecimal digits for every byte except the unreserved ASCII ones
// (A-Z a-z 0-9 - _ . ~), which stay as they are.
Text PercentEncode(std::string_view bytes);
// Percent-encodes the UTF-8 form of a text, as queries are sent.
Text PercentEncodeUtf8(const Text& text);

// "yyyy/MM/dd hh:mm:ss" with hh the hour on the 12-hour clock with a leading zero and no
// AM/PM marker (0 and 12 read 12). Empty for a value outside the calendar range.
Text FormatDateTime(DateTimeValue value);

}  // namespace om
