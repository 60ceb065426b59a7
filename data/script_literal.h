#pragma once

#include <QStringView>

namespace om {

// Most values (elements, members and holes together) a text handed to JsonDocument::Parse may
// hold. The engine compiles a literal into one frame with a slot per element, and a frame
// beyond its stack (about half a million slots) crashes the process; every value also costs
// tens of bytes in the engine. The program's real answers hold a few thousand values.
inline constexpr int kMaxLiteralValues = 50'000;

// Whether a text is a plain script literal: objects, arrays (holes and trailing commas
// allowed), strings in double quotes or apostrophes, numbers with an optional sign, true,
// false, null, undefined, NaN and Infinity, member names in quotes, in apostrophes, as numbers
// or bare, with blanks and comments between; and whether it holds at most kMaxLiteralValues
// values. Such a text runs no code when evaluated: no call, no getter, no operator, no name
// other than those listed. The engine still checks the syntax of strings and numbers.
bool IsPlainLiteral(QStringView text);

}  // namespace om
