// One full refresh of the dashboard's sources, as the two periodic workers make it: DXY, Baidu
// and Sogou on one thread, news and map on another, each fetched from the demo's replay server
// on 127.0.0.1 (the bundled sample pages) and parsed. For scale, the curl command-line tool
// fetches the same five addresses, in one invocation and in five (see RunCurl).
//
// Counters: cpu_ms is the whole process's CPU time per refresh, the replay server's share
// included; client_cpu_ms the fetching threads' own; curl_cpu_ms the curl processes' CPU time.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <QCoreApplication>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/allocation.h"
#include "demo/demo_options.h"
#include "demo/replay_server.h"
#include "net/sources/baidu_source.h"
#include "net/sources/dxy_source.h"
#include "net/sources/endpoints.h"
#include "net/sources/map_source.h"
#include "net/sources/news_source.h"
#include "net/sources/sogou_source.h"

extern char** environ;

namespace om {
namespace {

// What the bundled samples hold, so that a refresh that silently read less fails the run.
constexpr size_t kSampleProvinces = 34;
constexpr size_t kSampleNewsItems = 24;

ReplayServer::Options SampleServerOptions() {
  ReplayServer::Options options;
  options.samplesDir = DefaultSamplesDir(QCoreApplication::applicationDirPath()).toStdString();
  return options;
}

ReplayServer& Server() {
  static ReplayServer server(SampleServerOptions());
  return server;
}

Endpoints SampleEndpoints() {
  return EndpointsAt(Server().base());
}

double Seconds(const timespec& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double CpuSeconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return Seconds(now);
}

double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// The statistics worker's fetches; true when every source gave what the samples hold.
bool StatisticsSources(const Endpoints& endpoints) {
  const auto dxy = FetchDxy(endpoints);
  const auto baidu = FetchBaidu(endpoints);
  const auto sogou = FetchSogou(endpoints);
  return dxy.ok() && dxy.value.size() == kSampleProvinces && baidu.ok() &&
         !baidu.value.confirmed.isEmpty() && sogou.ok() && !sogou.value.isEmpty();
}

// The news and map worker's fetches.
bool NewsAndMapSources(const Endpoints& endpoints) {
  const auto news = FetchNews(endpoints);
  const auto map = FetchMapPicture(endpoints);
  return news.ok() && news.value.size() == kSampleNewsItems && map.ok() && !map.value.empty();
}

// Runs `work` on a thread of its own, as a task runs, adding the thread's CPU time to `cpu`.
std::thread OnThread(bool (*work)(const Endpoints&), const Endpoints& endpoints,
                     std::atomic<bool>& ok, double& cpu) {
  return std::thread([work, endpoints, &ok, &cpu] {
    if (!work(endpoints)) ok = false;
    cpu = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
  });
}

void BM_FullRefresh(benchmark::State& state) {
  const Endpoints endpoints = SampleEndpoints();
  std::atomic<bool> ok{true};
  double clientCpu = 0;
  const double processCpuBefore = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
  for (auto _ : state) {
    double statisticsCpu = 0, newsCpu = 0;
    std::thread statistics = OnThread(StatisticsSources, endpoints, ok, statisticsCpu);
    std::thread news = OnThread(NewsAndMapSources, endpoints, ok, newsCpu);
    statistics.join();
    news.join();
    clientCpu += statisticsCpu + newsCpu;
  }
  const double processCpu = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processCpuBefore;
  if (!ok) state.SkipWithError("a source gave less than the samples hold");
  const double runs = static_cast<double>(state.iterations());
  state.counters["cpu_ms"] = processCpu * 1e3 / runs;
  state.counters["client_cpu_ms"] = clientCpu * 1e3 / runs;
}
BENCHMARK(BM_FullRefresh)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// One source at a time on the calling thread, for the share each has in a refresh.
template <bool (*Fetch)(const Endpoints&)>
void BM_Source(benchmark::State& state) {
  const Endpoints endpoints = SampleEndpoints();
  bool ok = true;
  for (auto _ : state) ok = Fetch(endpoints) && ok;
  if (!ok) state.SkipWithError("a source gave less than the samples hold");
}

bool Dxy(const Endpoints& e) {
  return FetchDxy(e).value.size() == kSampleProvinces;
}
bool Baidu(const Endpoints& e) {
  return !FetchBaidu(e).value.confirmed.isEmpty();
}
bool Sogou(const Endpoints& e) {
  return !FetchSogou(e).value.isEmpty();
}
bool News(const Endpoints& e) {
  return FetchNews(e).value.size() == kSampleNewsItems;
}
bool Map(const Endpoints& e) {
  return !FetchMapPicture(e).value.empty();
}
BENCHMARK(BM_Source<Dxy>)->Name("BM_Source/dxy")->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Source<Baidu>)->Name("BM_Source/baidu")->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Source<Sogou>)->Name("BM_Source/sogou")->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Source<News>)->Name("BM_Source/news")->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Source<Map>)->Name("BM_Source/map")->MeasureProcessCPUTime()->UseRealTime();

std::vector<std::string> FiveAddresses() {
  const Endpoints e = SampleEndpoints();
  return {DxyPageAddress(e), BaiduPageAddress(e), SogouPageAddress(e), NewsAddress(e),
          MapPictureAddress(e)};
}

// Runs curl with `urls`, every body to /dev/null; false when it fails. Each page on a
// connection of its own, as the program fetches them: the replay server sends header and body
// in two writes without TCP_NODELAY, so a reused connection would wait for a delayed
// acknowledgement (40 ms) and measure the server instead of curl.
bool RunCurl(const std::vector<std::string>& urls) {
  std::vector<std::string> words = {"curl", "-s", "-f", "-H", "Connection: close"};
  for (const std::string& url : urls) {
    words.insert(words.end(), {"-o", "/dev/null", url});
  }
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  int status = -1;
  return posix_spawn(&pid, "/usr/bin/curl", nullptr, nullptr, argv.data(), environ) == 0 &&
         waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void CurlRuns(benchmark::State& state, bool oneInvocation) {
  const std::vector<std::string> urls = FiveAddresses();
  const double childrenBefore = ChildrenCpuSeconds();
  bool ok = true;
  for (auto _ : state) {
    if (oneInvocation) {
      ok = RunCurl(urls) && ok;
    } else {
      for (const std::string& url : urls) ok = RunCurl({url}) && ok;
    }
  }
  if (!ok) state.SkipWithError("curl failed");
  state.counters["curl_cpu_ms"] =
      (ChildrenCpuSeconds() - childrenBefore) * 1e3 / static_cast<double>(state.iterations());
}

void BM_CurlOneInvocation(benchmark::State& state) {
  CurlRuns(state, true);
}
void BM_CurlFiveInvocations(benchmark::State& state) {
  CurlRuns(state, false);
}
BENCHMARK(BM_CurlOneInvocation)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurlFiveInvocations)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace om

// The Baidu page is read through the script engine, which needs an application object; the
// allocator is set up as the program's start-up sets it.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  om::LimitAllocatorArenas();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
