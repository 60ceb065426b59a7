#include "net/sources/map_source.h"

#include "net/picture.h"
#include "net/resource_read.h"
#include "net/sources/source_fetch.h"

namespace om {

std::string MapPictureAddress(const Endpoints& endpoints) {
  return endpoints.sogouMap + "/feed/static/images/epidemic/domestic_map_0301823.png";
}

std::string PictureConversionCache::convert(std::string_view download, const Converter& converter) {
  {
    std::lock_guard lock(mutex_);
    if (!lastPicture_.empty() && download == lastDownload_) return lastPicture_;
  }
  std::string picture = converter(download);
  std::lock_guard lock(mutex_);
  lastDownload_.assign(download);
  lastPicture_ = picture;
  return picture;
}

Fetched<std::string> FetchMapPicture(const Endpoints& endpoints, const TransferSettings& settings) {
  static const Text kSource = T("疫情地图");
  static PictureConversionCache cache;
  Fetched<std::string> result;
  std::string download = ReadWholeResource(Text(MapPictureAddress(endpoints)), settings);
  if (download.empty()) {
    result.failure = FetchFailure(kSource);
    return result;
  }
  result.value = cache.convert(
      download, [](std::string_view bytes) { return ConvertPicture(bytes, PictureFormat::Png); });
  if (result.value.empty()) result.failure = FormatFailure(kSource);
  return result;
}

}  // namespace om
