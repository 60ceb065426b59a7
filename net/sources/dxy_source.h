#pragma once

#include <string>
#include <vector>

#include "app/text.h"
#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "net/sources/fetched.h"

namespace om {

// The DXY epidemic page: figures by province, and for each province by city and county.
//
// The area statistics are the page text between "getAreaStat" and "getIndexRecommendList".
// Each province record opens at a "{" whose own members name a province; the record is that
// object (or, where its braces never close, the text up to the next "modifyTime"). A province's
// own counts are read from the record's own level only, so neither a city's counts nor the next
// province's can take their place, whatever order the members come in. Its cities are the
// objects that begin with "{\"" and hold "cityName\":\"" among their own members, directly
// inside the record (one nested in another of the record's objects belongs to that object).
// Names are decoded from their \u escapes.
//
// Counts are digit texts as found; a missing or malformed member gives an empty text.

struct CityFigures {
  Text name;  // "cityName"
  Text confirmed;
  Text cured;
  Text dead;
};

struct ProvinceFigures {
  Text shortName;  // "provinceShortName", or "provinceName" where the short name is missing
  Text confirmed;
  Text cured;
  Text dead;
  Text fullName;                    // "provinceName"
  Text comment;                     // "comment", often empty
  std::vector<CityFigures> cities;  // in page order; the rows of the city list
};

// The text between the two markers; empty when either is missing.
Text DxyAreaStatistics(const Text& page);

// The province records of the area statistics, in page order.
std::vector<ProvinceFigures> ParseDxyAreaStatistics(const Text& areaStatistics);

// Both steps on a whole page (GBK text).
std::vector<ProvinceFigures> ParseDxyPage(const Text& page);

std::string DxyPageAddress(const Endpoints& endpoints);

// Fetches the page and parses it. Fails when the page cannot be fetched or holds no province.
Fetched<std::vector<ProvinceFigures>> FetchDxy(const Endpoints& endpoints,
                                               const TransferSettings& settings = {});

}  // namespace om
