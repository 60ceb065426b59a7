// Time to fetch a 1 MiB page from a local server: WebRequest, PageFetch and the whole-resource
// read against the curl command-line tool, which pays for starting a process on every fetch.

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <thread>

#include "net/page_fetch.h"
#include "net/resource_read.h"
#include "net/web_request.h"

extern char** environ;

namespace {

// An HTML page without a declared character set, so the whole body is searched for one.
std::string onePage() {
  std::string page = "<html><head><title>bench</title></head><body>\n";
  while (page.size() < (1u << 20) - 32) page += "<p>row of figures 12345 67890 abcdef</p>\n";
  page.resize((1u << 20) - 15);
  return page + "</body></html>\n";
}

// A page that declares UTF-8 and is mostly Chinese, so WebRequest converts all of it to GBK.
std::string oneUtf8Page() {
  std::string page = "<html><head><meta charset=\"utf-8\"></head><body>\n";
  while (page.size() < (1u << 20) - 32) page += "<p>湖北 确诊 67743 例，武汉加油！</p>\n";
  page.resize((1u << 20) - 15 - ((1u << 20) - 15 - 47) % 3);  // whole characters only
  return page + "</body></html>\n";
}

class PageServer {
 public:
  PageServer() : page_(onePage()), utf8Page_(oneUtf8Page()) {
    server_.Get("/page", [this](const httplib::Request&, httplib::Response& response) {
      response.set_content(page_, "text/html");
    });
    server_.Get("/utf8", [this](const httplib::Request&, httplib::Response& response) {
      response.set_content(utf8Page_, "text/html");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~PageServer() {
    server_.stop();
    thread_.join();
  }
  std::string url(const char* path = "/page") const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  size_t size() const { return page_.size(); }

 private:
  std::string page_;
  std::string utf8Page_;
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
};

PageServer& server() {
  static PageServer instance;
  return instance;
}

void report(benchmark::State& state, size_t got) {
  if (got != server().size()) state.SkipWithError("short body");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * server().size()));
}

void BM_WebRequest(benchmark::State& state) {
  om::WebRequestInput input;
  input.address = om::Text(server().url());
  size_t got = 0;
  for (auto _ : state) {
    om::WebRequestResult result = om::WebRequest(input);
    got = result.body.size();
    benchmark::DoNotOptimize(result);
  }
  report(state, got);
}

void BM_WebRequestUtf8Page(benchmark::State& state) {
  om::WebRequestInput input;
  input.address = om::Text(server().url("/utf8"));
  size_t got = 0;
  for (auto _ : state) {
    om::WebRequestResult result = om::WebRequest(input);
    got = result.body.size();
    benchmark::DoNotOptimize(result);
  }
  if (got < server().size() / 2) state.SkipWithError("short body");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * server().size()));
}

void BM_PageFetch(benchmark::State& state) {
  const om::Text address(server().url());
  const om::Text method(std::string_view("GET"));
  size_t got = 0;
  for (auto _ : state) {
    std::string body = om::PageFetch(address, method, std::string(), om::Text());
    got = body.size();
    benchmark::DoNotOptimize(body);
  }
  report(state, got);
}

void BM_ReadWholeResource(benchmark::State& state) {
  const om::Text address(server().url());
  size_t got = 0;
  for (auto _ : state) {
    std::string body = om::ReadWholeResource(address);
    got = body.size();
    benchmark::DoNotOptimize(body);
  }
  report(state, got);
}

void BM_CurlTool(benchmark::State& state) {
  std::string url = server().url();
  const char* arguments[] = {"curl", "-s", "-o", "/dev/null", url.c_str(), nullptr};
  for (auto _ : state) {
    pid_t pid = -1;
    int status = -1;
    if (posix_spawn(&pid, "/usr/bin/curl", nullptr, nullptr, const_cast<char**>(arguments),
                    environ) != 0 ||
        waitpid(pid, &status, 0) != pid || status != 0) {
      state.SkipWithError("curl failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * server().size()));
}

BENCHMARK(BM_WebRequest)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WebRequestUtf8Page)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageFetch)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWholeResource)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurlTool)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
