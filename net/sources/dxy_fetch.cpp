#include "net/sources/dxy_source.h"
#include "net/sources/source_fetch.h"

namespace om {

std::string DxyPageAddress(const Endpoints& endpoints) {
  return endpoints.dxy + "/newh5/view/pneumonia";
}

Fetched<std::vector<ProvinceFigures>> FetchDxy(const Endpoints& endpoints,
                                               const TransferSettings& settings) {
  static const Text kSource = T("丁香园");
  Fetched<Text> page = FetchPageText(DxyPageAddress(endpoints), kSource, settings);
  Fetched<std::vector<ProvinceFigures>> result;
  result.failure = page.failure;
  if (!page.ok()) return result;
  result.value = ParseDxyPage(page.value);
  if (result.value.empty()) result.failure = FormatFailure(kSource);
  return result;
}

}  // namespace om
