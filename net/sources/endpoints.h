#pragma once

#include <string>

namespace om {

// Where the outside services live: one base address (scheme, host and optional port, no
// trailing slash) per source, and the TianAPI access key. The paths and queries are fixed by
// each source module; only these bases and the key vary, so that tests and the demo can point
// every source at a server on 127.0.0.1.
struct Endpoints {
  std::string dxy;         // DXY epidemic page
  std::string baiduPage;   // Baidu epidemic page
  std::string sogouPage;   // Sogou epidemic page
  std::string tianApi;     // TianAPI same-trip and rumour endpoints
  std::string baiduNews;   // Baidu open-data news search
  std::string sogouMap;    // Sogou content network holding the outbreak map picture
  std::string tianApiKey;  // access key sent as "key" to both TianAPI endpoints
};

// The public services and the built-in access key.
Endpoints DefaultEndpoints();

// Every source at one base address, such as "http://127.0.0.1:8080", with the built-in key.
Endpoints EndpointsAt(const std::string& base);

}  // namespace om
