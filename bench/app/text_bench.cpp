// Text search, split and replace on a 1 MiB GBK page, against memmem on the same bytes.
#include <benchmark/benchmark.h>
#include <string.h>

#include <random>
#include <string>

#include "app/text.h"

namespace {

constexpr size_t kPageSize = 1 << 20;

// A page like the ones the sources read: runs of Chinese text, ASCII markup and figures,
// separated by commas and line breaks, with the sought marker at the very end.
const std::string& Page() {
  static const std::string page = [] {
    const std::string chinese = om::T("湖北省武汉市确诊病例疑似死亡治愈新增累计").bytes();
    const char* ascii[] = {"{\"name\":", "\"count\":", "<td>", "</td>", "value", "2020-02-01"};
    std::mt19937 random(20200201);
    std::string out;
    out.reserve(kPageSize + 64);
    while (out.size() < kPageSize - 64) {
      int chars = 1 + static_cast<int>(random() % 12);
      for (int i = 0; i < chars; ++i) out.append(chinese, 2 * (random() % (chinese.size() / 2)), 2);
      out += ascii[random() % 6];
      out += std::to_string(random() % 100000);
      out += random() % 8 == 0 ? "\r\n" : ",";
    }
    out += "window.getAreaStat = ";
    return out;
  }();
  return page;
}

const om::Text& PageText() {
  static const om::Text text{std::string_view(Page())};
  return text;
}

const std::string kMarker = "window.getAreaStat = ";

void BM_MemmemFind(benchmark::State& state) {
  const std::string& page = Page();
  for (auto _ : state) {
    const void* hit = memmem(page.data(), page.size(), kMarker.data(), kMarker.size());
    benchmark::DoNotOptimize(hit);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_MemmemFind);

void BM_TextFind(benchmark::State& state) {
  const om::Text& page = PageText();
  const om::Text marker{std::string_view(kMarker)};
  for (auto _ : state) benchmark::DoNotOptimize(page.find(marker));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.bytes().size()));
}
BENCHMARK(BM_TextFind);

// A Chinese needle: its bytes also occur across character boundaries, so candidates need the
// character-start check.
void BM_TextFindChinese(benchmark::State& state) {
  const om::Text& page = PageText();
  const om::Text needle = om::T("累计新增湖北");
  for (auto _ : state) benchmark::DoNotOptimize(page.find(needle));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.bytes().size()));
}
BENCHMARK(BM_TextFindChinese);

void BM_MemmemFindChinese(benchmark::State& state) {
  const std::string& page = Page();
  const std::string needle = om::T("累计新增湖北").bytes();
  for (auto _ : state) {
    const void* hit = memmem(page.data(), page.size(), needle.data(), needle.size());
    benchmark::DoNotOptimize(hit);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_MemmemFindChinese);

// memmem visiting every comma: the floor for split and replace.
void BM_MemmemEveryComma(benchmark::State& state) {
  const std::string& page = Page();
  for (auto _ : state) {
    size_t count = 0;
    const char* at = page.data();
    const char* end = page.data() + page.size();
    while (const void* hit = memmem(at, static_cast<size_t>(end - at), ",", 1)) {
      ++count;
      at = static_cast<const char*>(hit) + 1;
    }
    benchmark::DoNotOptimize(count);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_MemmemEveryComma);

void BM_TextSplit(benchmark::State& state) {
  const om::Text& page = PageText();
  const om::Text comma{std::string_view(",")};
  for (auto _ : state) benchmark::DoNotOptimize(page.split(comma).size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.bytes().size()));
}
BENCHMARK(BM_TextSplit);

void BM_TextReplace(benchmark::State& state) {
  const om::Text& page = PageText();
  const om::Text comma{std::string_view(",")};
  const om::Text semicolon{std::string_view(";")};
  for (auto _ : state) benchmark::DoNotOptimize(page.replaced(comma, semicolon).length());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.bytes().size()));
}
BENCHMARK(BM_TextReplace);

}  // namespace

BENCHMARK_MAIN();
