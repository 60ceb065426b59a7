#include "net/sources/sogou_source.h"
#include "net/sources/source_fetch.h"

namespace om {

std::string SogouPageAddress(const Endpoints& endpoints) {
  return endpoints.sogouPage + "/new-weball/page/sgs/epidemic";
}

Fetched<SogouFigures> FetchSogou(const Endpoints& endpoints, const TransferSettings& settings) {
  static const Text kSource = T("搜狗疫情");
  return ParseFetched(FetchPageText(SogouPageAddress(endpoints), kSource, settings), kSource,
                      ParseSogouPage);
}

}  // namespace om
