#pragma once

#include <string_view>

namespace om {

// The script library loaded into every JSON document's engine: the helpers get__count,
// get__name_All and get__extend, then a JSON serialiser and parser written for engines of
// the third edition of ECMAScript (JSON.stringify, JSON.parse, toJSON on dates and the primitive
// wrappers, toJSONString and parseJSON on every object). ASCII, one line, no line terminator.
std::string_view JsonHelperScript();

}  // namespace om
