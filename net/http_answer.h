#pragma once

// Reading an answer's header block: cookies it sets and the place it redirects to.

#include "app/text.h"

namespace om::http {

// The cookie text updated from every "Set-Cookie:" line of the header block: a known name
// takes the new value, a new name is added at the end, a value of "deleted" removes the name.
// Pairs keep their order and are joined by "; ".
Text updatedCookies(const Text& cookies, const Text& answerHeaders);

// The value of the "Location:" line, empty when there is none.
Text redirectTarget(const Text& answerHeaders);

}  // namespace om::http
