#pragma once
// Carries callbacks that the engine raises on its worker threads over to a QObject
// receiver's own thread (the UI thread) as queued calls of the receiver's methods.
//
// The engine keeps the callables this hands out, possibly longer than the receiver
// lives. They share a small state with the bridge: Detach() (also run by the
// destructor) cuts the link under a lock, so a worker can never post to a receiver
// that is being destroyed, and calls already queued are dropped by Qt when their
// receiver (the call's context object) is gone.
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <memory>
#include <mutex>
#include <tuple>
#include <type_traits>
#include <utility>

template <typename Receiver>
class UiEventBridge {
 public:
  explicit UiEventBridge(Receiver* receiver) : state_(std::make_shared<State>()) {
    static_assert(std::is_base_of_v<QObject, Receiver>, "the receiver must be a QObject");
    state_->receiver = receiver;
  }
  ~UiEventBridge() { Detach(); }
  UiEventBridge(const UiEventBridge&) = delete;
  UiEventBridge& operator=(const UiEventBridge&) = delete;

  // From now on every event is dropped. Call it before the engine may stop calling.
  void Detach() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->receiver = nullptr;
  }

  // A callable for an engine callback: each call queues `(receiver->*method)(args...)`
  // on the receiver's thread. The arguments are converted to the method's parameter
  // types on the calling thread, so nothing the engine owns is read later.
  template <typename... Params>
  auto Forward(void (Receiver::*method)(Params...)) const {
    return [state = state_, method](auto&&... args) {
      std::tuple<std::decay_t<Params>...> values(std::forward<decltype(args)>(args)...);
      State::Post(*state, [method, values = std::move(values)](Receiver& receiver) {
        std::apply([&](const auto&... value) { (receiver.*method)(value...); }, values);
      });
    };
  }

  // A callable that queues `handler(receiver, args...)`: for events whose values
  // need converting first (e.g. engine text into QString) the handler does that
  // itself and must copy what it keeps.
  template <typename Fn>
  auto Wrap(Fn convert) const {
    return [state = state_, convert](auto&&... args) {
      State::Post(*state, convert(std::forward<decltype(args)>(args)...));
    };
  }

 private:
  struct State {
    std::mutex mutex;
    QPointer<Receiver> receiver;

    template <typename Call>
    static void Post(State& state, Call call) {
      std::lock_guard<std::mutex> lock(state.mutex);
      Receiver* receiver = state.receiver.data();
      if (!receiver) return;
      // The receiver is the context object: Qt drops the call if it is deleted first.
      QMetaObject::invokeMethod(
          receiver, [receiver, call = std::move(call)]() mutable { call(*receiver); }, Qt::QueuedConnection);
    }
  };

  std::shared_ptr<State> state_;
};
