#include "net/resource_read.h"

#include "net/http_transfer.h"
#include "net/page_fetch.h"

namespace om {

std::string ReadWholeResource(const Text& address, const TransferSettings& settings) {
  if (!http::curlReady()) return {};
  auto web = http::parseWebAddress(address);
  if (!web) return {};
  const std::vector<std::string> lines = {"User-Agent: " + std::string(kPageFetchAgent),
                                          "Accept: */*"};
  return http::fetchBody(*web, "GET", std::string(), lines, settings);
}

}  // namespace om
