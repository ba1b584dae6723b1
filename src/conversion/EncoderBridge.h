#pragma once
// Re-delivers the encoder's worker-thread events as queued Qt signals on the thread
// that owns the bridge (the UI thread), so handlers can touch widgets safely.
#include <QObject>
#include <QString>
#include <memory>

class FFEncoder;

class EncoderBridge : public QObject {
  Q_OBJECT

 public:
  // Installs the bridge as the encoder's progress and finished handler.
  explicit EncoderBridge(FFEncoder& encoder, QObject* parent = nullptr);
  // Detaches from the encoder; events still in flight are dropped.
  ~EncoderBridge() override;

  FFEncoder& Encoder() const { return encoder_; }

 signals:
  void progressReported(int task, qint64 positionUs, qint64 totalUs);
  void taskFinished(int task, bool succeeded, bool failed, const QString& message);

 private:
  struct Link;
  FFEncoder& encoder_;
  std::shared_ptr<Link> link_;
};
