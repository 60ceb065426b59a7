#pragma once

#include <string>

#include "app/text.h"
#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "net/sources/fetched.h"

namespace om {

// The Baidu epidemic page: the four national figures and the time of the last update.
//
// The data script is the text between "<script>var" and "</script>". In it the update time
// lies between "mapLastUpdatedTime\":\"" and the next "\"", and the summary between
// "summaryDataIn\":{" and the next "}"; the summary is rebuilt as "{ " + summary + "}" and
// read through a JsonDocument. A value arrives as a string or as a number and is handed on as
// its text; a missing key, any other kind of value, or a summary the document rejects gives
// the empty text.
struct SummaryFigures {
  Text confirmed;   // "confirmed"
  Text suspected;   // "unconfirmed"
  Text dead;        // "died"
  Text cured;       // "cured"
  Text lastUpdate;  // cut after "mapLastUpdatedTime\":\""

  bool isEmpty() const {
    return confirmed.isEmpty() && suspected.isEmpty() && dead.isEmpty() && cured.isEmpty() &&
           lastUpdate.isEmpty();
  }
};

// What the summary labels show: each label text followed by its value, the label text alone
// for an empty value.
struct SummaryLabelTexts {
  Text confirmed;   // "确诊：" + value
  Text suspected;   // "疑似：" + value
  Text dead;        // "死亡：" + value
  Text cured;       // "治愈：" + value
  Text lastUpdate;  // "最新更新：" + update time
};

Text BaiduDataScript(const Text& page);

// The figures of a whole page (GBK text). Needs a QCoreApplication for the JSON engine.
SummaryFigures ParseBaiduPage(const Text& page);

SummaryLabelTexts SummaryLabels(const SummaryFigures& figures);

std::string BaiduPageAddress(const Endpoints& endpoints);

// Fetches the page and parses it. Fails when the page cannot be fetched or holds no figure.
Fetched<SummaryFigures> FetchBaidu(const Endpoints& endpoints,
                                   const TransferSettings& settings = {});

}  // namespace om
