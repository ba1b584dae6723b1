#include "output/PreviewPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "output/PreviewRun.h"

PreviewPanel::PreviewPanel(SettingsSource settings, QWidget* parent)
    : QWidget(parent),
      settings_(std::move(settings)),
      run_(new PreviewRun(QDir::tempPath(), this)),
      start_button_(new QPushButton(tr("Preview 10 s"), this)),
      cancel_button_(new QPushButton(tr("Cancel Preview"), this)),
      bar_(new QProgressBar(this)),
      result_(new QLabel(this)) {
  start_button_->setObjectName("BtnPreview");
  cancel_button_->setObjectName("BtnPreviewCancel");
  bar_->setObjectName("PreviewProgress");
  result_->setObjectName("PreviewResult");
  result_->setTextFormat(Qt::PlainText);
  result_->setWordWrap(true);
  bar_->setRange(0, 100);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  // Its own row: the dialog's button row has no room left for a fifth button.
  row->addWidget(start_button_);
  row->addWidget(bar_, 1);
  row->addWidget(cancel_button_);
  row->addWidget(result_, 1);
  // The row keeps its height whether it shows the bar, the result or nothing.
  setFixedHeight(std::max(cancel_button_->sizeHint().height(), 2 * result_->fontMetrics().lineSpacing() + 2));
  ShowRunning(false);
  connect(start_button_, &QPushButton::clicked, this, &PreviewPanel::StartClicked);
  connect(cancel_button_, &QPushButton::clicked, run_, &PreviewRun::Cancel);
  connect(run_, &PreviewRun::progressChanged, this, &PreviewPanel::OnProgress);
  connect(run_, &PreviewRun::finished, this, &PreviewPanel::OnFinished);
  UpdateStartButton();
}

void PreviewPanel::SetSource(std::optional<FileRow> row) {
  source_ = std::move(row);
  UpdateStartButton();
}

void PreviewPanel::UpdateStartButton() {
  const bool usable = source_ && !source_->path.isEmpty();
  start_button_->setEnabled(usable && !run_->Running());
  start_button_->setToolTip(
      usable ? tr("Convert 10 seconds from the middle of %1 with these settings and play them")
                   .arg(QFileInfo(source_->path).fileName())
             : tr("Select a file in the list to preview these settings on it"));
}

void PreviewPanel::ShowRunning(bool running) {
  bar_->setVisible(running);
  cancel_button_->setVisible(running);
  result_->setVisible(!running);
  UpdateStartButton();
}

void PreviewPanel::StartClicked() {
  if (!source_ || run_->Running()) return;
  result_->clear();
  bar_->setValue(0);
  if (!run_->Start(settings_(), *source_)) {
    result_->setText(tr("No preview: %1").arg(run_->Error()));
    return;
  }
  ShowRunning(true);
}

void PreviewPanel::OnProgress(int percent) { bar_->setValue(percent); }

void PreviewPanel::OnFinished(bool ok, const QString& message) {
  ShowRunning(false);
  if (!ok) {
    result_->setText(message.isEmpty() ? QString() : tr("No preview: %1").arg(message));
    return;
  }
  const double seconds = run_->Seconds();
  const qint64 kbits = seconds > 0 ? qRound64(static_cast<double>(run_->Bytes()) * 8 / seconds / 1000) : 0;
  result_->setText(tr("Preview: %1 KB for %2 s, %3 kbit/s")
                       .arg((run_->Bytes() + 512) / 1024)
                       .arg(seconds, 0, 'f', 1)
                       .arg(kbits));
  if (player_) player_(run_->OutputPath());
}

void PreviewPanel::Discard() {
  run_->Discard();
  if (!run_->Running()) ShowRunning(false);
}
