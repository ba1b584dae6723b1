#include "conversion/EncoderBridge.h"

#include <QMetaObject>
#include <mutex>

#include "engine/FFEncoder.h"

// Shared between the bridge and the handlers the encoder holds: the handlers may run
// on a worker thread after the bridge is gone, so they check the target under a lock.
struct EncoderBridge::Link {
  std::mutex mutex;
  EncoderBridge* target = nullptr;

  // Queues `emitFn(bridge)` on the bridge's thread, if the bridge still exists.
  template <typename Fn>
  void Post(Fn emitFn) {
    std::lock_guard<std::mutex> lock(mutex);
    if (!target) return;
    EncoderBridge* bridge = target;
    QMetaObject::invokeMethod(
        bridge, [bridge, emitFn] { emitFn(bridge); }, Qt::QueuedConnection);
  }
};

EncoderBridge::EncoderBridge(FFEncoder& encoder, QObject* parent)
    : QObject(parent), encoder_(encoder), link_(std::make_shared<Link>()) {
  link_->target = this;
  std::shared_ptr<Link> link = link_;
  encoder_.SetProgressHandler([link](int task, int64_t, int64_t position, int64_t total) {
    link->Post([task, position, total](EncoderBridge* bridge) {
      emit bridge->progressReported(task, position, total);
    });
  });
  encoder_.SetFinishedHandler(
      [link](int task, bool succeeded, bool failed, const std::string& message) {
        const QString text = QString::fromStdString(message);
        link->Post([task, succeeded, failed, text](EncoderBridge* bridge) {
          emit bridge->taskFinished(task, succeeded, failed, text);
        });
      });
}

EncoderBridge::~EncoderBridge() {
  {
    std::lock_guard<std::mutex> lock(link_->mutex);
    link_->target = nullptr;
  }
  encoder_.SetProgressHandler(nullptr);
  encoder_.SetFinishedHandler(nullptr);
}
