// The ten-second sample of the output settings dialog.
#include "output/PreviewRun.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

#include "conversion/ConversionBuilder.h"
#include "core/FileNames.h"
#include "engine/FFEncoder.h"
#include "output/GridItems.h"

namespace {

// Milliseconds as a time the grid and the engine read: seconds with three decimals.
QString SecondsText(qint64 ms) { return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3); }

qint64 TimeMs(const QString& text) {
  qint64 ms = 0;
  return !text.isEmpty() && ParseTimeText(text, &ms) ? ms : 0;
}

}  // namespace

PreviewSpan MiddleSpan(qint64 sourceMs, qint64 startMs, qint64 lengthMs, qint64 sampleMs) {
  qint64 span = sourceMs > 0 ? std::max<qint64>(0, sourceMs - startMs) : 0;
  if (lengthMs > 0) span = span > 0 ? std::min(span, lengthMs) : lengthMs;
  if (span <= 0) return {startMs, sampleMs};  // the length is not known: from the start
  if (span <= sampleMs) return {startMs, span};
  return {startMs + (span - sampleMs) / 2, sampleMs};
}

PreviewRun::PreviewRun(const QString& tempRoot, QObject* parent)
    : QObject(parent), temp_root_(tempRoot), events_(this) {}

PreviewRun::~PreviewRun() {
  // No event reaches this object any more; the encoder lets go of the folder before
  // it is removed.
  events_.Detach();
  if (encoder_) encoder_->Stop(true);
  encoder_.reset();
  folder_.reset();
}

QString PreviewRun::OptionsFor(const OutputSettings& settings, const QString& folder) const {
  OutputSettings untrimmed = settings;
  untrimmed.grid.startTime.clear();
  untrimmed.grid.duration.clear();
  return BuildConversion(untrimmed, row_, folder).options;
}

bool PreviewRun::Start(const OutputSettings& settings, const FileRow& row) {
  error_.clear();
  if (running_) {
    error_ = tr("A preview is already being made");
    return false;
  }
  Discard();
  folder_ = std::make_unique<QTemporaryDir>(temp_root_ + "/veltrane-preview-XXXXXX");
  if (!folder_->isValid()) {
    error_ = tr("Cannot make a temporary folder for the preview: %1").arg(folder_->errorString());
    folder_.reset();
    return false;
  }
  row_ = row;
  span_ = MiddleSpan(row.source.durationUs / 1000, TimeMs(settings.grid.startTime),
                     TimeMs(settings.grid.duration));
  OutputSettings sample = settings;
  sample.grid.startTime = SecondsText(span_.startMs);
  sample.grid.duration = SecondsText(span_.lengthMs);
  const ConversionJob job = BuildConversion(sample, row, folder_->path() + "/");
  if (!job.valid) {
    error_ = tr("The output format is unknown");
    folder_.reset();
    return false;
  }
  encoder_ = std::make_unique<FFEncoder>();
  encoder_->IfExists = ExistingOutput::Overwrite;
  encoder_->SetProgressHandler(events_.Forward(&PreviewRun::OnProgress));
  encoder_->SetFinishedHandler(events_.Wrap([](int task, const ConversionOutcome& outcome) {
    return [task, outcome](PreviewRun& run) { run.OnFinished(task, outcome); };
  }));
  const QByteArray source = row.nativePath.isEmpty() ? TextToName(row.path) : row.nativePath;
  const int handle = encoder_->OpenInput(source.toStdString(), std::string());
  if (handle < 0 ||
      encoder_->SetOutput(handle, TextToNameString(job.outputPath), job.options.toStdString()) < 0) {
    error_ = QString::fromStdString(encoder_->LastErrorMessage());
    encoder_.reset();
    folder_.reset();
    return false;
  }
  options_ = OptionsFor(settings, {});
  output_.clear();
  failure_.clear();
  bytes_ = 0;
  seconds_ = 0;
  total_us_ = 0;
  running_ = true;
  encoder_->Start(std::max(1, settings.threads.toInt()));
  return true;
}

void PreviewRun::Cancel() {
  if (running_ && encoder_) encoder_->Stop(false);
}

void PreviewRun::Discard() {
  output_.clear();
  if (running_) {
    // The stopping run still holds the folder; it goes once the run has ended.
    discard_when_stopped_ = true;
    if (encoder_) encoder_->Stop(false);
    return;
  }
  folder_.reset();
}

QString PreviewRun::FolderPath() const { return folder_ ? folder_->path() : QString(); }

double PreviewRun::BytesPerSecond(const OutputSettings& settings) const {
  if (measured_rate_ <= 0 || OptionsFor(settings, {}) != measured_options_) return 0;
  return measured_rate_;
}

void PreviewRun::OnProgress(int task, qint64 bytes, qint64 positionUs, qint64 totalUs) {
  (void)task;
  (void)bytes;
  if (!running_ || totalUs <= 0) return;
  total_us_ = totalUs;
  emit progressChanged(static_cast<int>(std::clamp<qint64>(positionUs * 100 / totalUs, 0, 100)));
}

void PreviewRun::OnFinished(int task, const ConversionOutcome& outcome) {
  if (task >= 0) {
    if (outcome.Converted() && encoder_)
      output_ = NameToText(QByteArray::fromStdString(encoder_->OutputPath(task)));
    else if (outcome.kind != ConversionOutcome::Kind::Stopped)
      failure_ = QString::fromStdString(outcome.text);
    return;
  }
  running_ = false;
  if (discard_when_stopped_) {
    discard_when_stopped_ = false;
    output_.clear();
    folder_.reset();
    emit finished(false, {});
    return;
  }
  if (output_.isEmpty()) {
    emit finished(false, failure_);
    return;
  }
  bytes_ = QFileInfo(output_).size();
  // The engine's length of the sample: shorter than asked where the source ends sooner.
  seconds_ = static_cast<double>(total_us_ > 0 ? total_us_ / 1000 : span_.lengthMs) / 1000.0;
  if (seconds_ > 0 && bytes_ > 0) {
    measured_rate_ = static_cast<double>(bytes_) / seconds_;
    measured_options_ = options_;
  }
  emit finished(true, {});
}
