#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace om {

// Limits that every fetch obeys. The defaults keep a fetch well inside the 30-second refresh
// period, so a hanging server never piles up tasks; tests shorten them.
struct TransferSettings {
  // Resolving the host and opening the connection, TLS handshake included.
  std::chrono::milliseconds connectTimeout{10000};
  // A transfer that moves no byte in either direction for this long ends (a server that never
  // answers, or stops in the middle of a body). Counted in whole seconds.
  std::chrono::seconds stallTimeout{10};
  // The whole call, redirects included; ends a slow drip that the stall limit lets through.
  std::chrono::milliseconds totalTimeout{20000};
  // A longer answer body fails like a broken one.
  std::size_t maxBodyBytes = 64u * 1024u * 1024u;
  // PEM file of trusted certificates replacing the system's store; empty uses the system's.
  std::string caFile;
};

}  // namespace om
