#include "net/sources/map_source.h"

#include "net/picture.h"
#include "net/resource_read.h"
#include "net/sources/source_fetch.h"

namespace om {

std::string MapPictureAddress(const Endpoints& endpoints) {
  return endpoints.sogouMap + "/feed/static/images/epidemic/domestic_map_0301823.png";
}

Fetched<std::string> FetchMapPicture(const Endpoints& endpoints, const TransferSettings& settings) {
  static const Text kSource = T("疫情地图");
  Fetched<std::string> result;
  std::string download = ReadWholeResource(Text(MapPictureAddress(endpoints)), settings);
  if (download.empty()) {
    result.failure = FetchFailure(kSource);
    return result;
  }
  result.value = ConvertPicture(download, PictureFormat::Png);
  if (result.value.empty()) result.failure = FormatFailure(kSource);
  return result;
}

}  // namespace om
