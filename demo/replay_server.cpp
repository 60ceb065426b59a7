#include "demo/replay_server.h"

#include <httplib.h>
#include <pthread.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

namespace om {
namespace {

// The answer for anything the samples do not cover: a TianAPI-shaped empty list.
constexpr auto kLongestHold = std::chrono::minutes(2);
// Endless answers each hold a thread; enough of them for a long soak run.
constexpr size_t kServerThreads = 64;

constexpr const char* kEmptyAnswer = R"({"code":200,"msg":"success","newslist":[]})";

std::string ReadFile(const std::string& path, bool* found = nullptr) {
  std::ifstream in(path, std::ios::binary);
  if (found) *found = static_cast<bool>(in);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  return bytes.str();
}

std::string SameTripFile(const std::string& dir, const std::string& no, const std::string& arrive,
                         const std::string& type) {
  if (no.empty() && !arrive.empty()) return "tianapi_same_trip_arrive.json";
  if (type == "1" || type == "2" || type == "3") return "tianapi_same_trip_type_" + type + ".json";
  if (type.empty() && !no.empty()) {
    for (int code = 4; code <= 8; ++code) {
      const std::string name = "tianapi_same_trip_type_" + std::to_string(code) + ".json";
      if (ReadFile(dir + "/" + name).find("\"no\":\"" + no + "\"") != std::string::npos)
        return name;
    }
  }
  return "tianapi_empty.json";
}

std::string ContentType(const std::string& file) {
  if (file.ends_with(".png")) return "image/png";
  if (file.ends_with(".json")) return "application/json; charset=utf-8";
  return "text/html; charset=utf-8";
}

}  // namespace

std::string ReplayFileFor(const std::string& samplesDir, const std::string& path,
                          const std::string& no, const std::string& arrive, const std::string& type,
                          const std::string& word) {
  static const std::map<std::string, std::string> kPages = {
      {"/newh5/view/pneumonia", "dxy_pneumonia.html"},
      {"/act/newpneumonia/newpneumonia", "baidu_newpneumonia.html"},
      {"/new-weball/page/sgs/epidemic", "sogou_epidemic.html"},
      {"/data/inner", "baidu_news.json"},
      {"/feed/static/images/epidemic/domestic_map_0301823.png", "sogou_map.png"},
  };
  if (path == "/txapi/ncovsame/index") return SameTripFile(samplesDir, no, arrive, type);
  if (path == "/txapi/rumour/index") {
    const bool found = !word.empty() && ReadFile(samplesDir + "/tianapi_rumour.json").find(word) !=
                                            std::string::npos;
    return found ? "tianapi_rumour.json" : "tianapi_empty.json";
  }
  const auto page = kPages.find(path);
  return page == kPages.end() ? std::string() : page->second;
}

struct ReplayServer::Impl {
  Options options;
  httplib::Server server;
  std::thread thread;
  int port = -1;
  std::atomic<int> requests{0};
  std::atomic<bool> stopping{false};
  std::mutex servedMutex;
  std::map<std::string, int> served;  // answers given so far, by file

  // The misbehaviour due for this answer from `file`, or none.
  const HostileAnswer* hostileFor(const std::string& file) {
    const HostileAnswer* found = nullptr;
    for (const HostileAnswer& h : options.hostile)
      if (h.file == file) found = &h;
    if (!found) return nullptr;
    std::lock_guard lock(servedMutex);
    return served[file]++ < found->goodAnswers ? nullptr : found;
  }

  void answer(const httplib::Request& request, httplib::Response& response) {
    ++requests;
    const std::string file =
        ReplayFileFor(options.samplesDir, request.path, request.get_param_value("no"),
                      request.get_param_value("arrive"), request.get_param_value("type"),
                      request.get_param_value("word"));
    if (file.empty()) {
      response.set_content(kEmptyAnswer, "application/json; charset=utf-8");
      return;
    }
    bool found = false;
    std::string body = ReadFile(options.samplesDir + "/" + file, &found);
    if (!found) {
      response.status = 404;
      response.set_content("<html><body>not found</body></html>", "text/html");
      return;
    }
    if (const HostileAnswer* hostile = hostileFor(file)) {
      AnswerHostile(hostile->mode, std::move(body), ContentType(file), stopping, response);
      return;
    }
    if (file == options.endlessFile) {
      answerEndless(std::move(body), ContentType(file), response);
      return;
    }
    response.set_content(std::move(body), ContentType(file));
  }

  // Sends the first bytes of the body, then keeps the connection open without another byte
  // until the server stops (or, so that the server's threads are not held forever, for two
  // minutes at most).
  void answerEndless(std::string body, const std::string& type, httplib::Response& response) {
    body.resize(std::min<size_t>(body.size(), 64));
    response.set_chunked_content_provider(
        type, [this, body](size_t offset, httplib::DataSink& sink) {
          if (offset == 0) sink.write(body.data(), body.size());
          const auto until = std::chrono::steady_clock::now() + kLongestHold;
          while (!stopping && sink.is_writable() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
          return false;
        });
  }
};

ReplayServer::ReplayServer(Options options) : impl_(std::make_unique<Impl>()) {
  impl_->options = std::move(options);
  impl_->server.new_task_queue = [] { return new httplib::ThreadPool(kServerThreads); };
  impl_->server.Get(
      ".*", [impl = impl_.get()](const httplib::Request& request, httplib::Response& response) {
        impl->answer(request, response);
      });
  impl_->port = impl_->server.bind_to_any_port("127.0.0.1");
  if (impl_->port <= 0) return;
  impl_->thread = std::thread([impl = impl_.get()] {
    // The server's pool threads start from this one and take its name, so that a look at the
    // process's threads tells the server's apart from the program's own.
    pthread_setname_np(pthread_self(), "om-replay");
    impl->server.listen_after_bind();
  });
  while (!impl_->server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

ReplayServer::~ReplayServer() {
  impl_->stopping = true;
  impl_->server.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

bool ReplayServer::running() const {
  return impl_->port > 0;
}

std::string ReplayServer::base() const {
  return "http://127.0.0.1:" + std::to_string(impl_->port);
}

int ReplayServer::requests() const {
  return impl_->requests;
}

}  // namespace om
