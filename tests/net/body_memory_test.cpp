// Memory a fetch takes for a body that floods past the cap, measured on the process's own
// peak: the body must not hold two copies of itself while it grows.

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "net/page_fetch.h"
#include "tests/net/fetch_servers.h"

namespace om {
namespace {

using testing::LibServer;

// A "Name:   1234 kB" line of /proc/self/status in bytes; -1 when missing.
long long StatusBytes(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(name + ":", 0) == 0) return std::stoll(line.substr(name.size() + 1)) * 1024;
  return -1;
}

// Makes VmHWM start again from the present resident size.
bool ResetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

TEST(FetchBodyMemory, ChunkedFloodPastTheCapHoldsNoMoreThanTheCap) {
  // Declared before the server, so that the server's threads have stopped before it goes.
  const std::string block(64 * 1024, 'x');
  LibServer server;
  server.routes().Get("/flood", [&](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("text/plain", [&](size_t, httplib::DataSink& sink) {
      return sink.write(block.data(), block.size());  // until the client hangs up
    });
  });
  ASSERT_TRUE(server.start());
  TransferSettings settings;
  settings.totalTimeout = std::chrono::seconds(20);
  const long long cap = static_cast<long long>(settings.maxBodyBytes);

  // A first flood warms the allocator and the library up; the second is measured.
  EXPECT_TRUE(PageFetch(Text(server.url("/flood")), T("GET"), {}, Text(), settings).empty());
#ifdef OM_SANITIZED
  GTEST_SKIP() << "the sanitizer's shadow memory counts in the resident size";
#endif
  if (!ResetPeak() || StatusBytes("VmHWM") < 0) GTEST_SKIP() << "no resettable peak in /proc";
  const long long before = StatusBytes("VmRSS");
  EXPECT_TRUE(PageFetch(Text(server.url("/flood")), T("GET"), {}, Text(), settings).empty());
  const long long growth = StatusBytes("VmHWM") - before;
  // The cap itself, and a little for the library and the server: far below two copies.
  EXPECT_LT(growth, cap + cap / 4) << growth / (1 << 20) << " MiB";
}

}  // namespace
}  // namespace om
