#include "data/eval_watchdog.h"

#include <QJSEngine>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace om {
namespace {

using Clock = std::chrono::steady_clock;

class Watcher {
 public:
  static Watcher& instance() {
    // Never destroyed: the thread may still wait when the program's statics are torn down.
    static Watcher* watcher = new Watcher;
    return *watcher;
  }

  uint64_t watch(QJSEngine* engine, Clock::time_point deadline, bool* fired) {
    std::lock_guard lock(mutex_);
    const uint64_t id = nextId_++;
    entries_.emplace(id, Entry{engine, deadline, fired});
    // The watcher wakes at its planned time anyway and then looks at every entry; only an
    // earlier deadline needs it now. This keeps a thread switch off each evaluation.
    if (deadline < plannedWake_) wake_.notify_one();
    return id;
  }

  // After this returns the watcher no longer touches the engine for this id.
  void unwatch(uint64_t id) {
    std::lock_guard lock(mutex_);
    entries_.erase(id);
  }

 private:
  struct Entry {
    QJSEngine* engine;
    Clock::time_point deadline;
    bool* fired;
  };

  Watcher() {
    std::thread([this] { run(); }).detach();
  }

  void run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      const Clock::time_point now = Clock::now();
      if (entries_.empty()) {
        // Keep a planned wake that lies ahead: evaluations that start meanwhile (with later
        // deadlines) then need no notification.
        if (plannedWake_ <= now) plannedWake_ = Clock::time_point::max();
        if (plannedWake_ == Clock::time_point::max())
          wake_.wait(lock);
        else
          wake_.wait_until(lock, plannedWake_);
        continue;
      }
      auto next = entries_.begin();
      for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->second.deadline < next->second.deadline) next = it;
      if (now < next->second.deadline) {
        plannedWake_ = next->second.deadline;
        wake_.wait_until(lock, plannedWake_);
        continue;
      }
      // Under the lock, so the owner cannot finish its guard (and perhaps release the engine)
      // while the engine is being interrupted.
      next->second.engine->setInterrupted(true);
      *next->second.fired = true;
      entries_.erase(next);
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::map<uint64_t, Entry> entries_;
  uint64_t nextId_ = 1;
  Clock::time_point plannedWake_ = Clock::time_point::max();  // when the watcher wakes next
};

}  // namespace

EvalWatchdog::Guard::Guard(QJSEngine* engine, std::chrono::milliseconds limit)
    : engine_(engine), id_(Watcher::instance().watch(engine, Clock::now() + limit, &fired_)) {}

EvalWatchdog::Guard::~Guard() {
  Watcher::instance().unwatch(id_);
  // fired_ was written under the watcher's lock, which unwatch() took after it.
  if (fired_) engine_->setInterrupted(false);
}

}  // namespace om
