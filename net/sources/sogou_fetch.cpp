#include "net/sources/sogou_source.h"
#include "net/sources/source_fetch.h"

namespace om {

std::string SogouPageAddress(const Endpoints& endpoints) {
  return endpoints.sogouPage + "/new-weball/page/sgs/epidemic";
}

Fetched<SogouFigures> FetchSogou(const Endpoints& endpoints, const TransferSettings& settings) {
  static const Text kSource = T("搜狗疫情");
  Fetched<Text> page = FetchPageText(SogouPageAddress(endpoints), kSource, settings);
  Fetched<SogouFigures> result;
  result.failure = page.failure;
  if (!page.ok()) return result;
  result.value = ParseSogouPage(page.value);
  if (result.value.isEmpty()) result.failure = FormatFailure(kSource);
  return result;
}

}  // namespace om
