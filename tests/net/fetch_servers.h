#pragma once

// Servers on 127.0.0.1 for the fetching tests, each started and stopped by its test.

#include <sys/types.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace om::testing {

// A port on 127.0.0.1 that nothing listens on at the moment of the call.
int unusedPort();

// A server on raw sockets, for recording requests byte for byte and for misbehaving in ways
// an HTTP library cannot. Each connection runs `handler` with the socket and the request
// (header block and announced body) on a thread of its own.
class RawServer {
 public:
  struct Connection {
    int socket;
    std::string request;
    const std::atomic<bool>* stopping;
    // Sends bytes; false when the peer is gone.
    bool send(std::string_view bytes) const;
    // Waits until the server stops (or the given seconds pass).
    void waitForStop(double seconds = 30) const;
  };
  using Handler = std::function<void(const Connection&)>;

  explicit RawServer(Handler handler);
  ~RawServer();
  RawServer(const RawServer&) = delete;
  RawServer& operator=(const RawServer&) = delete;

  int port() const { return port_; }
  std::string url(const std::string& path = "/") const;
  int connectionCount() const { return accepted_.load(); }
  std::vector<std::string> requests() const;
  // The last request's header block, "\r\n\r\n" excluded.
  std::string lastHeaderBlock() const;

  // A plain answer with this status, headers and body, then the connection closes.
  static std::string answer(const std::string& body, const std::string& headers = {},
                            const std::string& status = "200 OK");

 private:
  void acceptLoop();
  void serve(int socket);

  Handler handler_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> accepted_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<std::thread> workers_;
  std::thread acceptor_;
};

// A self-signed certificate for 127.0.0.1, made now, with its key, in a folder of its own.
class SelfSignedCertificate {
 public:
  SelfSignedCertificate();
  ~SelfSignedCertificate();
  std::string certificateFile() const { return (folder_ / "cert.pem").string(); }
  std::string keyFile() const { return (folder_ / "key.pem").string(); }
  bool ok() const { return ok_; }

 private:
  std::filesystem::path folder_;
  bool ok_ = false;
};

// A cpp-httplib server (plain, or over TLS with the given certificate) on 127.0.0.1 that
// listens on a thread of its own until the object goes away.
class LibServer {
 public:
  explicit LibServer(const SelfSignedCertificate* tls = nullptr);
  ~LibServer();
  httplib::Server& routes() { return *server_; }
  // Starts listening; routes must be set before.
  bool start();
  int port() const { return port_; }
  std::string url(const std::string& path = "/") const;

 private:
  std::unique_ptr<httplib::Server> server_;
  bool secure_;
  int port_ = 0;
  std::thread thread_;
};

// tinyproxy on a free port of 127.0.0.1 with a generated configuration, optionally asking for
// a user and password; stopped when the object goes away.
class TinyProxy {
 public:
  explicit TinyProxy(const std::string& user = {}, const std::string& password = {});
  ~TinyProxy();
  bool ok() const { return pid_ > 0 && ready_; }
  std::string address() const;  // host:port

 private:
  std::filesystem::path folder_;
  int port_ = 0;
  pid_t pid_ = -1;
  bool ready_ = false;
};

}  // namespace om::testing
