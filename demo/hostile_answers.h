#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>

namespace httplib {
struct Response;
}

namespace om {

// Ways the replay server misbehaves on purpose for one sample file, so that tests can prove
// that no answer hangs, floods or starves the window.
enum class HostileMode {
  Silent,  // accepts the request and never sends a byte
  Drip,    // sends the file one byte per second
  Huge,    // announces a body of 1 GiB and streams it (the file's bytes, repeated)
  Flood,   // streams 1 GiB without announcing a length (chunked)
};

struct HostileAnswer {
  HostileMode mode = HostileMode::Silent;
  std::string file;
  // Answers for the file served normally before the misbehaviour starts, so that the window
  // can hold good data first.
  int goodAnswers = 0;
};

// "MODE:FILE" or "MODE:FILE:N" with MODE one of silent, drip, huge, flood and N the good
// answers first; nullopt for anything else.
std::optional<HostileAnswer> ParseHostileAnswer(std::string_view text);

// The length of a huge or flooding body.
inline constexpr long long kHostileBodyBytes = 1LL << 30;

// Makes `response` misbehave as `mode` says, with `body` (the file's bytes) as the material.
// A silent answer holds the calling server thread until `stopping` or two minutes pass; the
// others hold it while they stream. Nothing of the streamed body is built in memory beyond
// one block.
void AnswerHostile(HostileMode mode, std::string body, const std::string& contentType,
                   const std::atomic<bool>& stopping, httplib::Response& response);

}  // namespace om
