#pragma once

#include <chrono>
#include <cstdint>

class QJSEngine;

namespace om {

// Stops script evaluations that run too long. The JSON document evaluates text fetched from
// the network as script, so a hostile answer could otherwise loop forever and hang its task.
// One shared thread watches the deadlines of every evaluation in progress and interrupts the
// engine of an overdue one (QJSEngine::setInterrupted is safe to call from another thread).
//
// Usage: keep a Guard alive for exactly the duration of one evaluate() call on the engine's
// own thread. When the guard ends, the engine is guaranteed not to be interrupted any more,
// so it serves the next evaluation normally.
class EvalWatchdog {
 public:
  class Guard {
   public:
    Guard(QJSEngine* engine, std::chrono::milliseconds limit);
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

   private:
    QJSEngine* engine_;
    bool fired_ = false;  // declared before id_: the watcher may set it as soon as id_ is made
    uint64_t id_;
  };
};

}  // namespace om
