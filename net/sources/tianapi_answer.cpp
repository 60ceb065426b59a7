#include <algorithm>

#include "data/json_document.h"
#include "net/sources/source_fetch.h"
#include "net/sources/tianapi_source.h"

namespace om {
namespace {

const Text& SourceName() {
  static const Text kSource = T("天行数据");
  return kSource;
}

// Reads the elements of "newslist" by element path, one entry each.
class AnswerReader {
 public:
  explicit AnswerReader(const Text& answer) {
    if (document_.Parse(answer))
      count_ = std::min(document_.ItemCount(T("newslist")), kMaxAnswerEntries);
  }

  int count() const { return count_; }

  // The field at "newslist[index]" + suffix: a string's text, a number's JSON text.
  Text field(int index, const char* suffix) const {
    Text path = T("newslist[") + Text(std::to_string(index)) + T(suffix);
    switch (document_.TypeOf(path)) {
      case JsonType::String:
        return document_.GetText(path);
      case JsonType::Number:
        return document_.ToJsonText(path);
      default:
        return Text();
    }
  }

 private:
  JsonDocument document_;
  int count_ = 0;
};

}  // namespace

std::vector<SameTripEntry> ParseSameTripAnswer(const Text& answer) {
  AnswerReader reader(answer);
  std::vector<SameTripEntry> entries;
  for (int i = 0; i < reader.count(); ++i)
    entries.push_back({reader.field(i, "].date"), reader.field(i, "].type"),
                       reader.field(i, "].no"), reader.field(i, "].no_sub"),
                       reader.field(i, "].pos_start"), reader.field(i, "].pos_end"),
                       reader.field(i, "].who"), reader.field(i, "].source")});
  return entries;
}

std::vector<RumourEntry> ParseRumourAnswer(const Text& answer) {
  AnswerReader reader(answer);
  std::vector<RumourEntry> entries;
  for (int i = 0; i < reader.count(); ++i)
    entries.push_back({reader.field(i, "].date"), reader.field(i, "].title"),
                       reader.field(i, "].explain"), reader.field(i, "].desc"),
                       reader.field(i, "].author")});
  return entries;
}

Fetched<std::vector<SameTripEntry>> FetchSameTrip(const Endpoints& endpoints,
                                                  const SameTripQuery& query,
                                                  const TransferSettings& settings) {
  Fetched<Text> answer = FetchAnswerText(SameTripAddress(endpoints, query), SourceName(), settings);
  Fetched<std::vector<SameTripEntry>> result;
  result.failure = answer.failure;
  if (answer.ok()) result.value = ParseSameTripAnswer(answer.value);
  return result;
}

Fetched<RumourResult> FetchRumours(const Endpoints& endpoints, const Text& word,
                                   const TransferSettings& settings) {
  Fetched<RumourResult> result;
  if (word.trimmed().isEmpty()) {
    result.value.message = RumourEmptyQueryMessage();
    return result;
  }
  Fetched<Text> answer = FetchAnswerText(RumourAddress(endpoints, word), SourceName(), settings);
  result.failure = answer.failure;
  if (answer.ok()) result.value.entries = ParseRumourAnswer(answer.value);
  if (result.value.entries.empty()) result.value.message = RumourNothingFoundMessage();
  return result;
}

}  // namespace om
