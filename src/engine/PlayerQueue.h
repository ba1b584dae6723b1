#pragma once
// A small bounded queue shared by the player's threads. Waiting calls give up when
// the queue is aborted or when `interrupted` says so (a seek is pending, for
// example), so no thread can block the player's stop or seek.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

template <typename T>
class PlayerQueue {
 public:
  explicit PlayerQueue(size_t capacity) : capacity_(capacity) {}

  // Waits for room. False (item dropped) when aborted or interrupted first.
  bool Push(T item, const std::function<bool()>& interrupted = {}) {
    std::unique_lock lock(mutex_);
    while (!aborted_ && items_.size() >= capacity_) {
      if (interrupted && interrupted()) return false;
      cv_.wait_for(lock, std::chrono::milliseconds(10));
    }
    if (aborted_) return false;
    items_.push_back(std::move(item));
    cv_.notify_all();
    return true;
  }

  // Waits up to `timeout` for an item; empty when none arrived or aborted.
  std::optional<T> Pop(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!cv_.wait_for(lock, timeout, [this] { return aborted_ || !items_.empty(); })) return {};
    if (aborted_) return {};
    T item = std::move(items_.front());
    items_.pop_front();
    cv_.notify_all();
    return item;
  }

  // Calls `fn` on the front items under the lock; `fn` returns how many to drop
  // from the front afterwards.
  template <typename Fn>
  auto Inspect(Fn fn) {
    std::lock_guard lock(mutex_);
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
