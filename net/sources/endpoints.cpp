#include "net/sources/endpoints.h"

namespace om {

Endpoints DefaultEndpoints() {
  Endpoints endpoints;
  endpoints.dxy = "https://ncov.dxy.cn";
  endpoints.baiduPage = "https://voice.baidu.com";
  endpoints.sogouPage = "http://sa.sogou.com";
  endpoints.tianApi = "http://api.tianapi.com";
  endpoints.baiduNews = "https://opendata.baidu.com";
  endpoints.sogouMap = "https://hhyfeed.sogoucdn.com";
  endpoints.tianApiKey = "a3f0c2d8e61b47c95e0d3a8f2b7c1e64";
  return endpoints;
}

Endpoints EndpointsAt(const std::string& base) {
  Endpoints endpoints = DefaultEndpoints();
  endpoints.dxy = base;
  endpoints.baiduPage = base;
  endpoints.sogouPage = base;
  endpoints.tianApi = base;
  endpoints.baiduNews = base;
  endpoints.sogouMap = base;
  return endpoints;
}

}  // namespace om
