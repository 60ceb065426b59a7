#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "tests/sources/sample_files.h"

namespace om::testing {

// A web server on 127.0.0.1 that answers the sources' requests from the bundled samples, by
// the rules of assets/samples/README.md, and remembers the query of the last request.
class SampleServer {
 public:
  enum class Mode { Samples, Garbage, NotFound };

  explicit SampleServer(Mode mode = Mode::Samples) : mode_(mode) {
    server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      Answer(request, response);
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~SampleServer() {
    server_.stop();
    thread_.join();
  }

  std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  int requests() const { return requests_; }
  std::map<std::string, std::string> lastQuery() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastQuery_;
  }

 private:
  static std::string Sample(const std::string& name) { return ReadBytes(SamplePath(name)); }

  static std::string SameTripFile(const httplib::Request& request) {
    std::string no = request.get_param_value("no");
    std::string arrive = request.get_param_value("arrive");
    std::string type = request.get_param_value("type");
    if (no.empty() && !arrive.empty()) return "tianapi_same_trip_arrive.json";
    if (type == "1" || type == "2" || type == "3")
      return "tianapi_same_trip_type_" + type + ".json";
    if (type.empty() && !no.empty()) {
      for (int code = 4; code <= 8; ++code) {
        std::string name = "tianapi_same_trip_type_" + std::to_string(code) + ".json";
        if (Sample(name).find("\"no\":\"" + no + "\"") != std::string::npos) return name;
      }
    }
    return "tianapi_empty.json";
  }

  static std::string RumourFile(const httplib::Request& request) {
    std::string word = request.get_param_value("word");
    bool found = !word.empty() && Sample("tianapi_rumour.json").find(word) != std::string::npos;
    return found ? "tianapi_rumour.json" : "tianapi_empty.json";
  }

  static std::string FileFor(const httplib::Request& request) {
    static const std::map<std::string, std::string> kPages = {
        {"/newh5/view/pneumonia", "dxy_pneumonia.html"},
        {"/act/newpneumonia/newpneumonia", "baidu_newpneumonia.html"},
        {"/new-weball/page/sgs/epidemic", "sogou_epidemic.html"},
        {"/data/inner", "baidu_news.json"},
        {"/feed/static/images/epidemic/domestic_map_0301823.png", "sogou_map.png"},
    };
    if (request.path == "/txapi/ncovsame/index") return SameTripFile(request);
    if (request.path == "/txapi/rumour/index") return RumourFile(request);
    auto page = kPages.find(request.path);
    return page == kPages.end() ? std::string() : page->second;
  }

  static std::string ContentType(const std::string& file) {
    if (file.ends_with(".png")) return "image/png";
    if (file.ends_with(".json")) return "application/json; charset=utf-8";
    return "text/html; charset=utf-8";
  }

  static std::string Garbage() {
    std::string bytes;
    unsigned state = 12345;
    for (int i = 0; i < 8192; ++i) {
      state = state * 1103515245u + 12345u;
      bytes.push_back(static_cast<char>(state >> 16));
    }
    return bytes + "{\"eventDescription\":\"getAreaStat{\"provinceName\":\"";
  }

  void Answer(const httplib::Request& request, httplib::Response& response) {
    ++requests_;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      lastQuery_.clear();
      for (const auto& [name, value] : request.params) lastQuery_[name] = value;
    }
    std::string file = FileFor(request);
    if (mode_ == Mode::Garbage) {
      response.set_content(Garbage(), "application/octet-stream");
    } else if (mode_ == Mode::NotFound || file.empty()) {
      response.status = 404;
      response.set_content("<html><body>not found</body></html>", "text/html");
    } else {
      response.set_content(Sample(file), ContentType(file));
    }
  }

  Mode mode_;
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::atomic<int> requests_{0};
  mutable std::mutex mutex_;
  std::map<std::string, std::string> lastQuery_;
};

}  // namespace om::testing
