// Engine callbacks raised on worker threads reach the receiver on its own thread,
// typed and in order, and nothing reaches a receiver that is gone.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "desktop/UiEventBridge.h"

namespace {

class Listener : public QObject {
 public:
  void OnValue(qint64 value) {
    values.push_back(value);
    onOwnThread = onOwnThread && QThread::currentThread() == thread();
  }
  void OnText(int task, const QString& text) { texts.push_back(QString::number(task) + ":" + text); }

  std::vector<qint64> values;
  std::vector<QString> texts;
  bool onOwnThread = true;
};

// Runs `raise` on a worker thread and waits for it to end.
void OnWorker(const std::function<void()>& raise) {
  std::thread worker(raise);
  worker.join();
}

}  // namespace

TEST(UiEventBridgeTest, WorkerEventsArriveQueuedOnTheReceiversThreadInOrder) {
  Listener listener;
  UiEventBridge<Listener> bridge(&listener);
  std::function<void(int64_t)> onValue = bridge.Forward(&Listener::OnValue);
  OnWorker([&] {
    for (int64_t i = 1; i <= 100; ++i)
      onValue(i * 1000000000LL);
  });
  EXPECT_TRUE(listener.values.empty()) << "delivered only by the receiver's event loop";
  QCoreApplication::processEvents();
  ASSERT_EQ(listener.values.size(), 100u);
  EXPECT_EQ(listener.values.front(), 1000000000LL);
  EXPECT_EQ(listener.values.back(), 100000000000LL);
  EXPECT_TRUE(listener.onOwnThread);
}

TEST(UiEventBridgeTest, WrappedEventsCopyEngineTextBeforeItGoes) {
  Listener listener;
  UiEventBridge<Listener> bridge(&listener);
  std::function<void(int, const std::string&)> onText = bridge.Wrap([](int task, const std::string& message) {
    return [task, text = QString::fromStdString(message)](Listener& l) { l.OnText(task, text); };
  });
  OnWorker([&] {
    std::string message = "Ünicode text";
    onText(3, message);
    message = "overwritten";
  });
  QCoreApplication::processEvents();
  ASSERT_EQ(listener.texts.size(), 1u);
  EXPECT_EQ(listener.texts[0], QString("3:Ünicode text"));
}

TEST(UiEventBridgeTest, NothingArrivesAfterDetachOrOnceTheReceiverIsGone) {
  std::function<void(int64_t)> onValue;
  auto* listener = new Listener;
  QPointer<Listener> watch(listener);
  {
    UiEventBridge<Listener> bridge(listener);
    onValue = bridge.Forward(&Listener::OnValue);
    OnWorker([&] { onValue(1); });  // queued, then the receiver goes before delivery
    delete listener;
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.isNull());
    // The engine may still hold the callable and call it: it must drop the event.
    OnWorker([&] { onValue(2); });
    QCoreApplication::processEvents();
  }
  // The bridge itself is gone too; the callable stays safe to call.
  OnWorker([&] { onValue(3); });
  QCoreApplication::processEvents();

  Listener survivor;
  UiEventBridge<Listener> bridge(&survivor);
  auto forward = bridge.Forward(&Listener::OnValue);
  forward(1);
  bridge.Detach();
  forward(2);
  QCoreApplication::processEvents();
  EXPECT_EQ(survivor.values, std::vector<qint64>{1}) << "queued before Detach is still delivered";
}
