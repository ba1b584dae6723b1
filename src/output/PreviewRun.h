#pragma once
// A ten-second sample of one file converted with the dialog's current settings, so
// the user can see and hear them and learn the size they give before converting the
// whole file. The sample is taken from the middle of what the settings would convert,
// written into a temporary folder of its own and converted in the background by an
// encoder of its own; its events reach the UI thread through the event bridge.
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <memory>

#include "desktop/UiEventBridge.h"
#include "engine/ConversionOutcome.h"
#include "filelist/FileRow.h"
#include "output/OutputSettings.h"

class FFEncoder;
class QTemporaryDir;

// Where the sample starts and how long it lasts, in milliseconds, for a source of
// `sourceMs` (0 when unknown) whose settings keep `startMs` on for `lengthMs`
// (0: to the end): the middle `sampleMs` of that span, or all of it when shorter.
struct PreviewSpan {
  qint64 startMs = 0;
  qint64 lengthMs = 0;
};
PreviewSpan MiddleSpan(qint64 sourceMs, qint64 startMs, qint64 lengthMs, qint64 sampleMs = 10000);

class PreviewRun : public QObject {
  Q_OBJECT

 public:
  // Temporary folders are made under `tempRoot` (e.g. QDir::tempPath()).
  explicit PreviewRun(const QString& tempRoot, QObject* parent = nullptr);
  ~PreviewRun() override;  // stops the sample and removes its folder

  // Starts the sample of `row` with `settings` (an earlier sample is discarded).
  // False with Error() set when it cannot start.
  bool Start(const OutputSettings& settings, const FileRow& row);
  // Stops a running sample; finished(false, ...) follows.
  void Cancel();
  // Stops a running sample and removes the temporary folder with what it holds (at
  // once, or once the stopped sample has let go of it). The measured rate stays.
  void Discard();

  bool Running() const { return running_; }
  QString Error() const { return error_; }
  // The finished sample: its file (empty until one finished), bytes and seconds.
  QString OutputPath() const { return output_; }
  qint64 Bytes() const { return bytes_; }
  double Seconds() const { return seconds_; }
  // Bytes per second the sample reached, when `settings` still give the options the
  // sample was made with; 0 otherwise or before a sample finished.
  double BytesPerSecond(const OutputSettings& settings) const;
  // The folder of the current sample; empty when there is none.
  QString FolderPath() const;

 signals:
  void progressChanged(int percent);
  // ok: the sample is ready at OutputPath(); otherwise `message` says why (empty
  // when it was canceled).
  void finished(bool ok, const QString& message);

 private:
  void OnProgress(int task, qint64 bytes, qint64 positionUs, qint64 totalUs);
  void OnFinished(int task, const ConversionOutcome& outcome);
  QString OptionsFor(const OutputSettings& settings, const QString& folder) const;

  QString temp_root_;
  std::unique_ptr<FFEncoder> encoder_;
  std::unique_ptr<QTemporaryDir> folder_;
  UiEventBridge<PreviewRun> events_;
  bool running_ = false;
  bool discard_when_stopped_ = false;
  FileRow row_;
  PreviewSpan span_;
  QString options_;  // the sample's option string, without its start and length
  QString output_;
  QString error_;
  QString failure_;
  qint64 bytes_ = 0;
  double seconds_ = 0;
  qint64 total_us_ = 0;       // the sample's length as the engine reports it
  double measured_rate_ = 0;  // bytes per second of the last finished sample
  QString measured_options_;
};
