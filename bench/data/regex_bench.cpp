// The news pattern over a page of news entries, as the news feed runs it.
#include <benchmark/benchmark.h>

#include <string>

#include "data/regex_object.h"

namespace om {
namespace {

void BM_NewsPatternOverPage(benchmark::State& state) {
  std::string page = "<script>var data={\"list\":[";
  for (int i = 0; i < state.range(0); ++i) {
    if (i) page += ',';
    page += R"({"eventDescription":"武汉新增病例)" + std::to_string(i) +
            R"(","eventTime":"15800)" + std::to_string(i) + R"(","eventUrl":"http://n.example/)" +
            std::to_string(i) + R"(","pic":{"w":1},"siteName":"新华网"})";
  }
  page += "]};</script>";
  const Text subject = Text::fromUtf8(page);
  const Text pattern = Text::fromUtf8(
      "{.*?#引号eventDescription#引号:#引号(.*?)#引号,#引号eventTime#引号:#引号(.*?)#引号,"
      "#引号eventUrl#引号:#引号(.*?)#引号.*?#引号siteName#引号:#引号(.*?)#引号}");
  for (auto _ : state) {
    RegexObject re;
    re.Search(pattern, subject, false, false, false, true);
    if (re.MatchCount() != state.range(0)) state.SkipWithError("wrong match count");
  }
  state.SetBytesProcessed(state.iterations() * subject.length());
}
BENCHMARK(BM_NewsPatternOverPage)->Arg(20)->Arg(500);

}  // namespace
}  // namespace om
