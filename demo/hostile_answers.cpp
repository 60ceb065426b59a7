#include "demo/hostile_answers.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace om {
namespace {

using Clock = std::chrono::steady_clock;

// A held answer gives its thread back after this long at most, so that the server's threads
// are not held forever.
constexpr auto kLongestHold = std::chrono::minutes(2);
constexpr auto kDripPause = std::chrono::seconds(1);
constexpr size_t kBlockBytes = 64 * 1024;

// Waits until `until`, the server stops or (when given) the peer stops reading.
void Hold(Clock::time_point until, const std::atomic<bool>& stopping,
          const httplib::DataSink* sink = nullptr) {
  while (!stopping && Clock::now() < until && (!sink || sink->is_writable()))
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

// One block of the body, the file's bytes repeated to fill it.
std::shared_ptr<const std::string> Block(const std::string& body) {
  auto block = std::make_shared<std::string>();
  const std::string material = body.empty() ? std::string("\0", 1) : body;
  while (block->size() < kBlockBytes) block->append(material);
  block->resize(kBlockBytes);
  return block;
}

// Writes the part of the endless repetition of `block` that starts at `offset`.
bool WriteBlockFrom(const std::string& block, size_t offset, size_t most, httplib::DataSink& sink) {
  const size_t start = offset % block.size();
  const size_t count = std::min(most, block.size() - start);
  return sink.write(block.data() + start, count);
}

void Drip(std::string body, const std::string& type, const std::atomic<bool>& stopping,
          httplib::Response& response) {
  const size_t length = body.size();
  response.set_content_provider(
      length, type,
      [body = std::move(body), &stopping](size_t offset, size_t, httplib::DataSink& sink) {
        if (!sink.write(body.data() + offset, 1)) return false;
        Hold(Clock::now() + kDripPause, stopping, &sink);
        return !stopping && sink.is_writable();
      });
}

void Stream(bool announced, const std::string& body, const std::string& type,
            const std::atomic<bool>& stopping, httplib::Response& response) {
  const auto block = Block(body);
  constexpr size_t kTotal = static_cast<size_t>(kHostileBodyBytes);
  if (announced) {
    response.set_content_provider(
        kTotal, type, [block, &stopping](size_t offset, size_t length, httplib::DataSink& sink) {
          return !stopping && WriteBlockFrom(*block, offset, length, sink);
        });
    return;
  }
  response.set_chunked_content_provider(
      type, [block, &stopping](size_t offset, httplib::DataSink& sink) {
        if (stopping) return false;
        if (offset >= kTotal) {
          sink.done();
          return true;
        }
        return WriteBlockFrom(*block, offset, kTotal - offset, sink);
      });
}

}  // namespace

std::optional<HostileAnswer> ParseHostileAnswer(std::string_view text) {
  static const std::pair<std::string_view, HostileMode> kModes[] = {
      {"silent", HostileMode::Silent},
      {"drip", HostileMode::Drip},
      {"huge", HostileMode::Huge},
      {"flood", HostileMode::Flood},
  };
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  HostileAnswer answer;
  const auto mode = std::find_if(std::begin(kModes), std::end(kModes),
                                 [&](const auto& m) { return m.first == text.substr(0, colon); });
  if (mode == std::end(kModes)) return std::nullopt;
  answer.mode = mode->second;
  std::string_view rest = text.substr(colon + 1);
  const size_t count = rest.find(':');
  if (count != std::string_view::npos) {
    const std::string_view digits = rest.substr(count + 1);
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    answer.goodAnswers = std::stoi(std::string(digits));
    rest = rest.substr(0, count);
  }
  if (rest.empty()) return std::nullopt;
  answer.file = std::string(rest);
  return answer;
}

void AnswerHostile(HostileMode mode, std::string body, const std::string& contentType,
                   const std::atomic<bool>& stopping, httplib::Response& response) {
  switch (mode) {
    case HostileMode::Silent:
      // Nothing is written until the handler returns, so holding it here sends no byte.
      Hold(Clock::now() + kLongestHold, stopping);
      response.status = 503;
      return;
    case HostileMode::Drip:
      Drip(std::move(body), contentType, stopping, response);
      return;
    case HostileMode::Huge:
    case HostileMode::Flood:
      Stream(mode == HostileMode::Huge, body, contentType, stopping, response);
      return;
  }
}

}  // namespace om
