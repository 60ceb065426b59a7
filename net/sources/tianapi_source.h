#pragma once

#include <string>
#include <vector>

#include "app/text.h"
#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "net/sources/fetched.h"

namespace om {

// The TianAPI same-trip and rumour services. Both answer a JSON object whose array
// "newslist" holds one element per hit; each field is read by its element path
// (newslist[2].date, ...) through a JsonDocument, a string as its text and a number as its
// JSON text. A missing field reads as the empty text. No other member of the answer is read,
// so an answer that refuses the key looks like an empty one. At most kMaxAnswerEntries
// elements are read.
//
// Query texts are sent percent-encoded as UTF-8; an empty number or destination leaves its
// fragment out. Reading an answer needs a QCoreApplication for the JSON engine.

inline constexpr int kMaxAnswerEntries = 1000;

struct SameTripEntry {
  Text date;       // "出行时间"
  Text type;       // transport code "1".."8" as text
  Text no;         // number of the flight, train or vehicle, or the place
  Text no_sub;     // second part of the number
  Text pos_start;  // "出发地"
  Text pos_end;    // "目的地"
  Text who;        // the reporting body; shown with the source
  Text source;     // address of the report, opened on a double-click
};

// One same-trip search as the page's inputs give it. `transport` is the selection of the
// transport combo box, from 0: plane, train and metro send "&type=1", "&type=2" and
// "&type=3"; the other kinds have no type fragment, so their searches send none.
struct SameTripQuery {
  Text number;
  Text destination;
  int transport = 0;
};

// The name shown for a transport code: "1" "飞机" ... "8" "其他公共常场所". A code outside
// the table is shown as it is.
Text TransportName(const Text& code);

// What the list shows under "车次/航班/车牌/景点": no, a blank and no_sub; no alone when
// no_sub is empty.
Text TripNumberText(const SameTripEntry& entry);

std::string SameTripAddress(const Endpoints& endpoints, const SameTripQuery& query);

// The elements of an answer (GBK text) in order; none for an answer that is not JSON.
std::vector<SameTripEntry> ParseSameTripAnswer(const Text& answer);

// Sends the search and reads its answer. Fails when nothing comes back.
Fetched<std::vector<SameTripEntry>> FetchSameTrip(const Endpoints& endpoints,
                                                  const SameTripQuery& query,
                                                  const TransferSettings& settings = {});

struct RumourEntry {
  Text date;     // "鉴别时间"
  Text title;    // "谣言标题"
  Text explain;  // "鉴定"
  Text desc;     // "澄清概况"
  Text author;   // "权威报道来源"
};

// The rumour check's result: its rows, or the message for the user when there are none.
struct RumourResult {
  std::vector<RumourEntry> entries;
  Text message;  // empty when there are rows
};

// "老铁，你还没有输入内容呢，让妹妹我查什么": the query box is empty (or blank).
Text RumourEmptyQueryMessage();
// "暂无可查询的内容，请重新查询": the answer holds no element.
Text RumourNothingFoundMessage();

std::string RumourAddress(const Endpoints& endpoints, const Text& word);

std::vector<RumourEntry> ParseRumourAnswer(const Text& answer);

// Checks the word. An empty word sends nothing and gives the empty-query message; an answer
// without elements, a failed fetch included, gives the nothing-found message. The fetch's
// failure reason is set as well when nothing came back.
Fetched<RumourResult> FetchRumours(const Endpoints& endpoints, const Text& word,
                                   const TransferSettings& settings = {});

}  // namespace om
