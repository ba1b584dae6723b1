#pragma once
// A small bounded queue shared by the player's threads (as ffplay's packet queue).
// Waiting calls sleep on the queue's condition variable and give up when the queue
// is aborted or when `interrupted` says so (a seek is pending, for example); whoever
// makes `interrupted` true calls Wake(), so no thread can block a stop or a seek.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace playback {

template <typename T>
class PlayerQueue {
 public:
  explicit PlayerQueue(size_t capacity) : capacity_(capacity) {}

  // Waits for room. False (item dropped) when aborted or interrupted first.
  bool Push(T item, const std::function<bool()>& interrupted = {}) {
    std::unique_lock lock(mutex_);
    cv_.wait(lock, [&] { return aborted_ || items_.size() < capacity_ || (interrupted && interrupted()); });
    if (aborted_ || items_.size() >= capacity_) return false;
    items_.push_back(std::move(item));
    cv_.notify_all();
    return true;
  }

  // Waits for an item; empty when aborted.
  std::optional<T> Pop() {
    std::unique_lock lock(mutex_);
    cv_.wait(lock, [this] { return aborted_ || !items_.empty(); });
    if (aborted_) return {};
    T item = std::move(items_.front());
    items_.pop_front();
    cv_.notify_all();
    return item;
  }

  // Wakes the waiting calls to look at their `interrupted` condition again.
  void Wake() {
    std::lock_guard lock(mutex_);
    cv_.notify_all();
  }

  // Calls `fn` on the front items under the lock; `fn` returns how many to drop
  // from the front afterwards.
  template <typename Fn>
  auto Inspect(Fn fn) {
    std::lock_guard lock(mutex_);
    cv_.notify_all();  // `fn` may have made room
    return fn(items_);
  }

  void Clear() {
    std::lock_guard lock(mutex_);
    items_.clear();
    cv_.notify_all();
  }

  void Abort() {
    std::lock_guard lock(mutex_);
    aborted_ = true;
    items_.clear();
    cv_.notify_all();
  }

  size_t Size() const {
    std::lock_guard lock(mutex_);
    return items_.size();
  }

  bool Empty() const { return Size() == 0; }

 private:
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<T> items_;
  size_t capacity_;
  bool aborted_ = false;
};

}  // namespace playback
