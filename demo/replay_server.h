#pragma once

#include <memory>
#include <string>
#include <vector>

#include "demo/hostile_answers.h"

namespace om {

// A web server on 127.0.0.1, on a port the system picks, that answers the dashboard's requests
// from sample files in a folder: each page path by its file, the TianAPI queries by the file
// their query picks, anything else with an answer whose "newslist" is empty. Files are read
// anew for every request, so a file swapped while the server runs is served from then on; a
// missing file gives 404.
class ReplayServer {
 public:
  struct Options {
    std::string samplesDir;
    // A file name whose answers start and then never end (the body stops after a few bytes
    // and the connection stays open); empty for none.
    std::string endlessFile;
    // Files whose answers misbehave on purpose (test only).
    std::vector<HostileAnswer> hostile;
  };

  explicit ReplayServer(Options options);
  ~ReplayServer();
  ReplayServer(const ReplayServer&) = delete;
  ReplayServer& operator=(const ReplayServer&) = delete;

  // False when no port could be bound.
  bool running() const;
  // "http://127.0.0.1:<port>".
  std::string base() const;
  int requests() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The file that answers a request path with its decoded query parameters, by the rules of
// the bundled samples' README; empty for a path that no file serves.
std::string ReplayFileFor(const std::string& samplesDir, const std::string& path,
                          const std::string& no, const std::string& arrive, const std::string& type,
                          const std::string& word);

}  // namespace om
