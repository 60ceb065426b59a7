#include "tests/net/fetch_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include <httplib.h>

extern char** environ;

namespace om::testing {
namespace {

using Clock = std::chrono::steady_clock;

sockaddr_in loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// A listening socket on 127.0.0.1 with the port the system chose.
int listenOnLoopback(int* port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address = loopback(0);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 16) != 0) {
    close(fd);
    return -1;
  }
  socklen_t length = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  *port = ntohs(address.sin_port);
  return fd;
}

bool accepts(int port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address = loopback(port);
  bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return ok;
}

std::filesystem::path temporaryFolder(const char* stem) {
  std::string pattern = (std::filesystem::temp_directory_path() / stem).string() + ".XXXXXX";
  const char* made = mkdtemp(pattern.data());
  return made ? std::filesystem::path(made) : std::filesystem::path();
}

size_t announcedLength(const std::string& head) {
  std::string lower = head;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  size_t at = lower.find("\r\ncontent-length:");
  return at == std::string::npos ? 0 : std::strtoul(head.c_str() + at + 17, nullptr, 10);
}

}  // namespace

int unusedPort() {
  int port = 0;
  int fd = listenOnLoopback(&port);
  close(fd);
  return port;
}

bool RawServer::Connection::send(std::string_view bytes) const {
  while (!bytes.empty()) {
    ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

void RawServer::Connection::waitForStop(double seconds) const {
  auto until = Clock::now() + std::chrono::duration<double>(seconds);
  while (!stopping->load() && Clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

RawServer::RawServer(Handler handler) : handler_(std::move(handler)) {
  listener_ = listenOnLoopback(&port_);
  acceptor_ = std::thread([this] { acceptLoop(); });
}

RawServer::~RawServer() {
  stopping_ = true;
  acceptor_.join();
  for (std::thread& worker : workers_) worker.join();
  close(listener_);
}

std::string RawServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> RawServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string RawServer::lastHeaderBlock() const {
  std::lock_guard lock(mutex_);
  if (requests_.empty()) return {};
  const std::string& last = requests_.back();
  return last.substr(0, last.find("\r\n\r\n"));
}

std::string RawServer::answer(const std::string& body, const std::string& headers,
                              const std::string& status) {
  return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

void RawServer::acceptLoop() {
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (poll(&waiting, 1, 20) <= 0) continue;
    int socket = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (socket < 0) continue;
    ++accepted_;
    workers_.emplace_back([this, socket] { serve(socket); });
  }
}

void RawServer::serve(int socket) {
  std::string request;
  size_t wanted = std::string::npos;
  char buffer[65536];
  auto until = Clock::now() + std::chrono::seconds(10);
  while (!stopping_ && Clock::now() < until && request.size() < wanted) {
    pollfd waiting{socket, POLLIN, 0};
    if (poll(&waiting, 1, 20) <= 0) continue;
    ssize_t got = recv(socket, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
    size_t end = request.find("\r\n\r\n");
    if (end != std::string::npos) wanted = end + 4 + announcedLength(request.substr(0, end + 2));
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  handler_(Connection{socket, request, &stopping_});
  shutdown(socket, SHUT_RDWR);
  close(socket);
}

SelfSignedCertificate::SelfSignedCertificate() : folder_(temporaryFolder("om-fetch-tls")) {
  std::string command =
      "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
      " -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout '" +
      keyFile() + "' -out '" + certificateFile() + "' >/dev/null 2>&1";
  ok_ = !folder_.empty() && std::system(command.c_str()) == 0;
}

SelfSignedCertificate::~SelfSignedCertificate() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

LibServer::LibServer(const SelfSignedCertificate* tls) : secure_(tls != nullptr) {
  if (tls) {
    server_ = std::make_unique<httplib::SSLServer>(tls->certificateFile().c_str(),
                                                   tls->keyFile().c_str());
  } else {
    server_ = std::make_unique<httplib::Server>();
  }
}

LibServer::~LibServer() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

bool LibServer::start() {
  port_ = server_->bind_to_any_port("127.0.0.1");
  if (port_ <= 0) return false;
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  auto until = Clock::now() + std::chrono::seconds(5);
  while (!server_->is_running() && Clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return server_->is_running();
}

std::string LibServer::url(const std::string& path) const {
  return (secure_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_) + path;
}

TinyProxy::TinyProxy(const std::string& user, const std::string& password)
    : folder_(temporaryFolder("om-fetch-proxy")), port_(unusedPort()) {
  if (folder_.empty()) return;
  // tinyproxy drops its privileges when started as root; it then still writes its files here.
  chmod(folder_.c_str(), 0777);
  std::ofstream config(folder_ / "tinyproxy.conf");
  config << "Port " << port_ << "\nListen 127.0.0.1\nTimeout 30\nMaxClients 20\n"
         << "Allow 127.0.0.1\nLogLevel Error\nLogFile \"" << (folder_ / "log").string()
         << "\"\nPidFile \"" << (folder_ / "pid").string() << "\"\n";
  if (geteuid() == 0) config << "User nobody\nGroup nogroup\n";
  if (!user.empty()) config << "BasicAuth " << user << " " << password << "\n";
  config.close();

  std::string configFile = (folder_ / "tinyproxy.conf").string();
  const char* arguments[] = {"tinyproxy", "-d", "-c", configFile.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawnp(&pid, "tinyproxy", &actions, nullptr, const_cast<char**>(arguments), environ) ==
      0) {
    pid_ = pid;
  }
  posix_spawn_file_actions_destroy(&actions);
  auto until = Clock::now() + std::chrono::seconds(5);
  while (pid_ > 0 && !ready_ && Clock::now() < until) {
    ready_ = accepts(port_);
    if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

TinyProxy::~TinyProxy() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string TinyProxy::address() const {
  return "127.0.0.1:" + std::to_string(port_);
}

}  // namespace om::testing
