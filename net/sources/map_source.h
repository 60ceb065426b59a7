#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "net/sources/fetched.h"

namespace om {

// The outbreak map: one picture at a fixed address, downloaded whole and re-encoded by
// ConvertPicture as PNG, flattened onto white so that transparent parts come out opaque.
// The value is the picture bytes; empty when the download fails or is no picture.
std::string MapPictureAddress(const Endpoints& endpoints);

// Remembers the last picture converted, so that the same download every half minute is not
// decoded and encoded again: the conversion is most of a refresh's work, and the map rarely
// changes. Safe from several threads.
class PictureConversionCache {
 public:
  using Converter = std::function<std::string(std::string_view)>;
  std::string convert(std::string_view download, const Converter& converter);

 private:
  std::mutex mutex_;
  std::string lastDownload_;
  std::string lastPicture_;
};

Fetched<std::string> FetchMapPicture(const Endpoints& endpoints,
                                     const TransferSettings& settings = {});

}  // namespace om
