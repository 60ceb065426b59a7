#include "net/sources/dxy_source.h"
#include "net/sources/source_fetch.h"

namespace om {

std::string DxyPageAddress(const Endpoints& endpoints) {
  return endpoints.dxy + "/newh5/view/pneumonia";
}

Fetched<std::vector<ProvinceFigures>> FetchDxy(const Endpoints& endpoints,
                                               const TransferSettings& settings) {
  static const Text kSource = T("丁香园");
  return ParseFetched(FetchPageText(DxyPageAddress(endpoints), kSource, settings), kSource,
                      ParseDxyPage);
}

}  // namespace om
