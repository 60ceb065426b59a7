#pragma once

#include <string>

#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "net/sources/fetched.h"

namespace om {

// The outbreak map: one picture at a fixed address, downloaded whole and re-encoded by
// ConvertPicture as PNG, flattened onto white so that transparent parts come out opaque.
// The value is the picture bytes; empty when the download fails or is no picture.
std::string MapPictureAddress(const Endpoints& endpoints);

Fetched<std::string> FetchMapPicture(const Endpoints& endpoints,
                                     const TransferSettings& settings = {});

}  // namespace om
