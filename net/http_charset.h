#pragma once

// The character set a page declares, and the page's body brought into GBK.

#include <string>

#include "app/text.h"

namespace om::http {

// The name in the first "<meta ... charset=NAME" of the body (letter case ignored), empty
// when the body declares none.
Text declaredCharset(const std::string& body);

// The body as received when it declares no character set, or GBK or GB2312; converted from
// the declared set to GBK otherwise. A name the converter does not know leaves it unchanged.
std::string bodyInGbk(std::string body);

}  // namespace om::http
