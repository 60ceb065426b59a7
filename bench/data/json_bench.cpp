// Costs of the JSON document: making a document (engine and helper script), reading texts by
// path, and loading a 1 MiB answer, with Qt's own JSON reader on the same text as the yardstick.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonDocument>
#include <string>

#include "data/json_document.h"

namespace om {
namespace {

// An answer shaped like the news and same-trip answers: {"newslist":[{...},...]}.
std::string answerWithItems(int count) {
  std::string json = R"({"code":200,"msg":"success","newslist":[)";
  for (int i = 0; i < count; ++i) {
    if (i) json += ',';
    json += R"({"date":"2020-02-)" + std::to_string(i % 28 + 1) +
            R"(","title":"武汉市新增确诊病例)" + std::to_string(i) +
            R"(例","no":"G)" + std::to_string(1000 + i) +
            R"(","pos_start":"汉口","pos_end":"北京西","source":"http:\/\/example.org\/n\/)" +
            std::to_string(i) + R"(","count":)" + std::to_string(i * 7) + "}";
  }
  return json + "]}";
}

std::string answerOfSize(size_t bytes) {
  int count = 16;
  while (answerWithItems(count).size() < bytes) count *= 2;
  int low = count / 2, high = count;
  while (low + 1 < high) {
    const int mid = (low + high) / 2;
    (answerWithItems(mid).size() < bytes ? low : high) = mid;
  }
  return answerWithItems(high);
}

void BM_DocumentCreateAndRelease(benchmark::State& state) {
  for (auto _ : state) {
    JsonDocument doc;
    benchmark::DoNotOptimize(doc.HasEngine());
  }
}
BENCHMARK(BM_DocumentCreateAndRelease)->Unit(benchmark::kMillisecond);

void BM_GetTextByPath(benchmark::State& state) {
  JsonDocument doc;
  if (!doc.Parse(Text::fromUtf8(answerWithItems(500)))) state.SkipWithError("parse failed");
  std::vector<Text> paths;
  for (int i = 0; i < 500; ++i)
    paths.push_back(Text("newslist[" + std::to_string(i) + "].title"));
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(doc.GetText(paths[i]));
    i = (i + 1) % paths.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetTextByPath);

void BM_Parse1MiB(benchmark::State& state) {
  const Text text = Text::fromUtf8(answerOfSize(1 << 20));
  JsonDocument doc;
  for (auto _ : state) {
    if (!doc.Parse(text)) state.SkipWithError("parse failed");
  }
  state.SetBytesProcessed(state.iterations() * text.length());
}
BENCHMARK(BM_Parse1MiB)->Unit(benchmark::kMillisecond);

void BM_QJsonDocumentFromJson1MiB(benchmark::State& state) {
  const Text text = Text::fromUtf8(answerOfSize(1 << 20));
  const std::string utf8 = text.toUtf8();
  const QByteArray bytes(utf8.data(), static_cast<qsizetype>(utf8.size()));
  for (auto _ : state) {
    QJsonDocument parsed = QJsonDocument::fromJson(bytes);
    if (parsed.isNull()) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(parsed);
  }
  state.SetBytesProcessed(state.iterations() * text.length());
}
BENCHMARK(BM_QJsonDocumentFromJson1MiB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace om

// The script engine needs an application object, as in the program.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
