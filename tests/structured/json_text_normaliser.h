#pragma once

#include <string>
#include <string_view>

namespace om {

// Brings a JSON text written by the helper script and one written by another serialiser
// (Node.js) to one form, so that they compare equal when they differ only where the script is
// allowed to differ:
//  - the script escapes more characters (its "escapable" class) and writes \u escapes with
//    lowercase digits; another serialiser may write those characters as they are;
//  - another serialiser may escape lone surrogates;
//  - texts leave the program as GBK, where every character GBK lacks is a question mark.
// Inside strings the escapes of exactly those characters are decoded; the short escapes and
// control characters get one canonical spelling. Every other escape stays as written, so an
// escape the script must not write still shows as a difference. The result is GBK bytes.
std::string normaliseJsonForComparison(std::u16string_view json);

}  // namespace om
