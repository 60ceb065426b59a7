#pragma once

#include <string>

#include "app/text.h"
#include "net/http_settings.h"

namespace om {

// Reads a whole resource: GETs an http or https address, following redirects, and yields
// the whole body of a successful (2xx) answer as bytes; empty when anything fails.
std::string ReadWholeResource(const Text& address, const TransferSettings& settings = {});

}  // namespace om
