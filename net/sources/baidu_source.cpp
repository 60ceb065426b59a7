#include "net/sources/baidu_source.h"

#include "data/json_document.h"
#include "net/sources/json_text.h"
#include "net/sources/markers.h"
#include "net/sources/source_fetch.h"

namespace om {
namespace {

// A string member as its text, a number as its JSON text; anything else is no figure.
Text FigureAt(const JsonDocument& document, const char* key) {
  Text path = T(key);
  switch (document.TypeOf(path)) {
    case JsonType::String:
      return document.GetText(path).trimmed();
    case JsonType::Number:
      return document.ToJsonText(path);
    default:
      return Text();
  }
}

}  // namespace

Text BaiduDataScript(const Text& page) {
  return CutBetween(page, T("<script>var"), T("</script>"));
}

SummaryFigures ParseBaiduPage(const Text& page) {
  SummaryFigures figures;
  Text script = BaiduDataScript(page);
  if (script.isEmpty()) return figures;
  figures.lastUpdate = DecodeJsonText(QuotedAfter(script, StringMember("mapLastUpdatedTime")));
  Text summary = CutBetween(script, T("\"summaryDataIn\":{"), T("}"));
  if (summary.isEmpty()) return figures;
  JsonDocument document;
  if (!document.Parse(T("{ ") + summary + T("}"))) return figures;
  figures.confirmed = FigureAt(document, "confirmed");
  figures.suspected = FigureAt(document, "unconfirmed");
  figures.dead = FigureAt(document, "died");
  figures.cured = FigureAt(document, "cured");
  return figures;
}

SummaryLabelTexts SummaryLabels(const SummaryFigures& figures) {
  return {T("确诊：") + figures.confirmed, T("疑似：") + figures.suspected,
          T("死亡：") + figures.dead, T("治愈：") + figures.cured,
          T("最新更新：") + figures.lastUpdate};
}

std::string BaiduPageAddress(const Endpoints& endpoints) {
  return endpoints.baiduPage + "/act/newpneumonia/newpneumonia";
}

Fetched<SummaryFigures> FetchBaidu(const Endpoints& endpoints, const TransferSettings& settings) {
  static const Text kSource = T("百度疫情");
  return ParseFetched(FetchPageText(BaiduPageAddress(endpoints), kSource, settings), kSource,
                      ParseBaiduPage);
}

}  // namespace om
