#pragma once
// Waits for a condition that other threads or queued events make true: processes
// the calling thread's events meanwhile, so queued deliveries arrive.
#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <thread>

// True as soon as `done()` holds; false when `limit` passes first.
inline bool WaitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(30000)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}
