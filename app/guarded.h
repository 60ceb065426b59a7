#pragma once

#include <mutex>
#include <utility>

namespace om {

// A value shared between the window thread and background tasks, behind its own lock.
// Readers get a copy; writers replace the value or change it inside update(), so no
// reference to the guarded value outlives the lock.
template <typename T>
class Guarded {
 public:
  Guarded() = default;
  Guarded(const Guarded&) = delete;
  Guarded& operator=(const Guarded&) = delete;

  T get() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return value_;
  }
  void set(T value) {
    std::lock_guard<std::mutex> lock(mutex_);
    value_ = std::move(value);
  }
  // Replaces the value and hands back the one it held.
  T exchange(T value) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(value_, value);
    return value;
  }
  // Runs change(value) under the lock and returns what it returns. The function must not
  // keep the reference, nor touch this same global again, nor raise a fatal fault (a fault
  // would end the process with the lock held while the report waits for the window thread).
  template <typename F>
  auto update(F&& change) {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::forward<F>(change)(value_);
  }

 private:
  mutable std::mutex mutex_;
  T value_{};
};

}  // namespace om
