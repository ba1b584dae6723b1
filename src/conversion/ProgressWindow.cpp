#include "conversion/ProgressWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "conversion/CompletionNotice.h"
#include "conversion/UserMessages.h"
#include "core/EngineTexts.h"
#include "core/FileNames.h"
#include "core/Helpers.h"
#include "desktop/DesktopNotifications.h"
#include "desktop/LauncherProgress.h"
#include "desktop/UiServices.h"
#include "desktop/WindowHelpers.h"
#include "engine/FFEncoder.h"

namespace {

constexpr int kProgressColumn = 1;
constexpr int kStatusColumn = 2;
constexpr int kEstimateColumn = 3;
constexpr int kPercentRole = Qt::UserRole + 1;  // -1 or 0..100, the bar's fill

// Draws the "Progress" cell as a progress bar with the cell's text on it.
class ProgressDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QVariant percent = index.data(kPercentRole);
    if (!percent.isValid() || percent.toInt() < 0) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(1, 1, -1, -1);
    bar.minimum = 0;
    bar.maximum = 100;
    bar.progress = std::clamp(percent.toInt(), 0, 100);
    bar.text = index.data(Qt::DisplayRole).toString();
    bar.textVisible = true;
    bar.textAlignment = Qt::AlignCenter;
    bar.state = option.state | QStyle::State_Horizontal;
    bar.palette = option.palette;
    bar.fontMetrics = option.fontMetrics;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 6);  // room for the bar
  }
};

}  // namespace

ProgressWindow::ProgressWindow(FFEncoder& encoder, AppState& state, std::vector<ProgressRow> rows,
                               CompletionNotice* notice, QWidget* owner)
    : QDialog(owner),
      encoder_(encoder),
      state_(state),
      events_(this),
      notice_(notice),
      rows_(std::move(rows)),
      progress_list_(new QTreeWidget(this)),
      stop_button_(new QPushButton(tr("&Stop"), this)),
      open_button_(new QPushButton(tr("&Open Output Folder"), this)),
      time_label_(new QLabel(this)),
      problems_(new QPlainTextEdit(this)),
      time_timer_(new QTimer(this)) {
  setWindowTitle(tr("Please wait..."));
  setModal(true);
  resize(720, 320);  // room for the estimated size beside the status
  FitWindowToScreen(this);
  BuildControls();
  MapTasks();
  ListenToEncoder();
  connect(stop_button_, &QPushButton::clicked, this, &ProgressWindow::StopClicked);
  connect(open_button_, &QPushButton::clicked, this, &ProgressWindow::OpenClicked);
  time_timer_->setInterval(500);
  connect(time_timer_, &QTimer::timeout, this, &ProgressWindow::UpdateTimes);
  SetSmallIcon(this);
}

void ProgressWindow::BuildControls() {
  progress_list_->setObjectName("ListView1");
  progress_list_->setRootIsDecorated(false);
  progress_list_->setUniformRowHeights(true);
  progress_list_->setSelectionMode(QAbstractItemView::SingleSelection);
  progress_list_->setHeaderLabels(
      {tr("Output File Name"), tr("Progress"), tr("Status"), tr("Estimated Size")});
  progress_list_->header()->setStretchLastSection(false);
  progress_list_->header()->setSectionResizeMode(kStatusColumn, QHeaderView::Stretch);
  progress_list_->header()->setSectionResizeMode(kEstimateColumn, QHeaderView::ResizeToContents);
  progress_list_->setColumnWidth(0, 320);
  progress_list_->setColumnWidth(kProgressColumn, 110);
  progress_list_->setItemDelegateForColumn(kProgressColumn, new ProgressDelegate(progress_list_));
  InstallFullTextToolTips(progress_list_);  // long names and statuses in full

  stop_button_->setObjectName("BtnStop");
  open_button_->setObjectName("BtnOpen");
  open_button_->setEnabled(false);
  time_label_->setObjectName("LabelTime");
  // Every problem of the run gathered in one place instead of a box per file.
  problems_->setObjectName("TextProblems");
  problems_->setReadOnly(true);
  problems_->setMaximumHeight(90);
  problems_->hide();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(time_label_, 1);
  buttons->addWidget(open_button_);
  buttons->addWidget(stop_button_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progress_list_, 1);
  layout->addWidget(problems_);
  layout->addLayout(buttons);

  progress_list_->setAccessibleName(tr("Conversion progress"));
  progress_list_->setAccessibleDescription(tr("One row per file: output name, progress and status"));
  problems_->setAccessibleName(tr("Problems"));
  stop_button_->setAccessibleDescription(tr("Stops the conversion, or closes the window once it has ended"));
  open_button_->setAccessibleDescription(tr("Opens the folder the converted files are written to"));
  // Tab follows the layout: the list, the problems under it, then the buttons.
  setTabOrder(progress_list_, problems_);
  setTabOrder(problems_, open_button_);
  setTabOrder(open_button_, stop_button_);
}

// One list row per file; queued files also get a slot in the run estimate.
void ProgressWindow::MapTasks() {
  int slot = 0;
  std::vector<RunEstimate::Task> tasks;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].task < 0) continue;
    task_to_row_[rows_[i].task] = static_cast<int>(i);
    task_to_slot_[rows_[i].task] = slot++;
    tasks.push_back({rows_[i].durationSeconds, rows_[i].outputPixels});
  }
  // The engine runs as many tasks at once as it has threads, at most one per task.
  estimate_.Reset(std::move(tasks), std::max(1, state_.encoderThreads));
  summary_ = RunSummary(static_cast<int>(rows_.size()));
  for (const ProgressRow& row : rows_) {
    auto* item =
        new QTreeWidgetItem(progress_list_, {row.outputName, QString(), QString(), row.sizeEstimate});
    item->setData(kProgressColumn, kPercentRole, -1);
  }
}

ProgressWindow::~ProgressWindow() {
  // The encoder outlives this window: cut the link first, then let go of its handlers.
  events_.Detach();
  ReturnNotice();
  LauncherProgress::Session().Hide();
  encoder_.Stop(false);
  encoder_.SetProgressHandler(nullptr);
  encoder_.SetFinishedHandler(nullptr);
}

void ProgressWindow::ListenToEncoder() {
  encoder_.SetProgressHandler(events_.Wrap([](int task, int64_t, int64_t position, int64_t total) {
    return [task, position, total](ProgressWindow& form) { form.OnEncoderProgress(task, position, total); };
  }));
  encoder_.SetFinishedHandler(events_.Wrap([](int task, const ConversionOutcome& outcome) {
    return [task, outcome](ProgressWindow& form) { form.OnEncoderFinished(task, outcome); };
  }));
}

void ProgressWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!started_) FillAndStart();
}

void ProgressWindow::FillAndStart() {
  if (started_) return;
  started_ = true;
  for (size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].task < 0 && !rows_[i].refusal.isEmpty())
      SetOutcome(static_cast<int>(i), RowOutcome::Failed, tr("Failed: %1").arg(rows_[i].refusal),
                 rows_[i].refusal);
  clock_.start();
  UpdateTimes();
  time_timer_->start();
  encoder_.Start(state_.encoderThreads);
}

int ProgressWindow::RowForTask(int task) const {
  const auto it = task_to_row_.find(task);
  return it == task_to_row_.end() ? -1 : it->second;
}

QString ProgressWindow::ProgressText(int row) const {
  const QTreeWidgetItem* item = progress_list_->topLevelItem(row);
  return item ? item->text(kProgressColumn) : QString();
}

QString ProgressWindow::StatusText(int row) const {
  const QTreeWidgetItem* item = progress_list_->topLevelItem(row);
  return item ? item->text(kStatusColumn) : QString();
}

void ProgressWindow::SetProgress(int row, int percent) {
  QTreeWidgetItem* item = progress_list_->topLevelItem(row);
  if (!item) return;
  item->setText(kProgressColumn, QString::number(percent) + "%");
  item->setData(kProgressColumn, kPercentRole, percent);
}

void ProgressWindow::SetStatus(int row, const QString& text) {
  if (QTreeWidgetItem* item = progress_list_->topLevelItem(row)) item->setText(kStatusColumn, text);
}

void ProgressWindow::SetOutcome(int row, RowOutcome outcome, const QString& status, const QString& problem) {
  summary_.Set(row, outcome);
  SetStatus(row, status);
  if (outcome == RowOutcome::Converted || outcome == RowOutcome::ConvertedWithProblems) SetProgress(row, 100);
  if (outcome == RowOutcome::Failed) AddProblem(problem);
  if (outcome == RowOutcome::ConvertedWithProblems) {
    const ProgressRow& r = rows_[static_cast<size_t>(row)];
    AddProblem(tr("%1 converted with problems: %2")
                   .arg(QFileInfo(r.source.isEmpty() ? r.outputName : r.source).fileName(), problem));
  }
}

void ProgressWindow::AddProblem(const QString& text) {
  problems_->appendPlainText(text);
  problems_->show();
}

void ProgressWindow::OnEncoderProgress(int task, qint64 positionUs, qint64 totalUs) {
  const int row = RowForTask(task);
  if (row < 0) return;
  if (state_.stopRequested) {
    SetStatus(row, tr("Canceled"));
    return;
  }
  if (totalUs <= 0) return;
  const double share = MicrosToSeconds(positionUs) / MicrosToSeconds(totalUs);
  // A position a little past the end must not read more than 100%.
  const int percent = static_cast<int>(std::clamp(std::floor(share * 100.0), 0.0, 100.0));
  SetProgress(row, percent);
  SetStatus(row, tr("Converting..."));
  estimate_.SetFraction(task_to_slot_[task], share, Elapsed(), MicrosToSeconds(totalUs));
  LauncherProgress::Session().Show(estimate_.Overall());
}

void ProgressWindow::OnEncoderFinished(int task, const ConversionOutcome& outcome) {
  if (task < 0) {
    AnnounceEnd();
    return;
  }
  const int row = RowForTask(task);
  if (row < 0) return;
  estimate_.MarkDone(task_to_slot_[task], Elapsed());
  // The name actually written (a numbered one when an older file was kept); a row
  // whose file was not written keeps the name it was queued with.
  const std::string written = outcome.Converted() ? encoder_.OutputPath(task) : std::string();
  if (!written.empty())
    if (QTreeWidgetItem* item = progress_list_->topLevelItem(row)) item->setText(0, NameToText(written));
  const QString& source = rows_[static_cast<size_t>(row)].source;
  const QString text = QString::fromStdString(outcome.text);
  switch (outcome.kind) {
    case ConversionOutcome::Kind::Failed: {
      const QString why = ExplainConversionFailure(source, text);
      SetOutcome(row, RowOutcome::Failed, tr("Failed: %1").arg(why), why);
      break;
    }
    case ConversionOutcome::Kind::Done:
      SetOutcome(row, RowOutcome::Converted, tr("OK"));
      break;
    case ConversionOutcome::Kind::DoneWithNotes: {
      // The engine's notes (damage skipped, tracks left out) follow the OK.
      QStringList notes;
      for (const std::string& note : outcome.notes)
        if (!note.empty()) notes << QString::fromStdString(note);
      SetOutcome(row, RowOutcome::ConvertedWithProblems, tr("OK - %1").arg(notes.join("; ")),
                 notes.join("; "));
      break;
    }
    case ConversionOutcome::Kind::Skipped:
      SetOutcome(row, RowOutcome::Skipped, EngineText(text));
      break;
    case ConversionOutcome::Kind::Stopped:
      // Ended or never started because of Stop.
      SetOutcome(row, RowOutcome::Canceled, tr("Canceled"));
      break;
  }
}

void ProgressWindow::AnnounceEnd() {
  ended_ = true;
  ended_seconds_ = Elapsed();
  time_timer_->stop();
  UpdateTimes();
  const bool stopped = state_.stopRequested;
  for (int row = 0; row < summary_.Rows(); ++row)
    if (summary_.At(row) == RowOutcome::Pending && rows_[static_cast<size_t>(row)].task >= 0)
      SetOutcome(row, RowOutcome::Canceled, tr("Canceled"));
  setWindowTitle(summary_.EndCaption(stopped));
  ShowCloseButton();
  QApplication::alert(this);
  open_button_->setEnabled(!summary_.NothingConverted());
  (open_button_->isEnabled() ? static_cast<QWidget*>(open_button_) : stop_button_)->setFocus();
  Ui::PlayAlertSound();
  LauncherProgress::Session().Hide();
  if (notice_) AnnounceOnDesktop(summary_.NoticeText(stopped));
}

// The desktop's notification when a service takes it, else the corner notice. The
// answer may come after this window has closed.
void ProgressWindow::AnnounceOnDesktop(const QString& text) {
  const QString folder = summary_.NothingConverted() ? QString() : state_.outputFolder;
  DesktopNotifications::Session().Notify(
      text, folder,
      [window = QPointer<ProgressWindow>(this), notice = QPointer<CompletionNotice>(notice_), text] {
        if (!notice) return;
        if (window && window->isVisible()) window->LendNotice();
        ShowCompletionNotice(*notice, QIcon(), text);
      });
}

double ProgressWindow::Elapsed() const { return clock_.isValid() ? clock_.elapsed() / 1000.0 : 0; }

// A modal window blocks clicks on every window but its own children: while it is
// open, the notice is made its child, and handed back (still showing) when it goes.
void ProgressWindow::LendNotice() {
  if (notice_lent_ || notice_->parentWidget() == this) return;
  notice_owner_ = notice_->parentWidget();
  notice_lent_ = true;
  notice_->setParent(this, notice_->windowFlags());
}

void ProgressWindow::ReturnNotice() {
  if (!notice_lent_) return;
  notice_lent_ = false;
  const bool shown = notice_->isVisible();
  const QRect place = notice_->geometry();
  notice_->setParent(notice_owner_, notice_->windowFlags());
  if (!shown) return;
  if (CanPlaceWindows()) notice_->setGeometry(place);
  notice_->show();
}

void ProgressWindow::StopClicked() {
  state_.stopRequested = true;
  encoder_.Stop(false);
  if (stop_closes_) {
    close();
  } else {
    ShowCloseButton();
  }
}

void ProgressWindow::ShowCloseButton() {
  stop_button_->setText(tr("&Close"));
  stop_closes_ = true;
}

void ProgressWindow::OpenClicked() { Ui::OpenFolder(state_.outputFolder); }

void ProgressWindow::done(int result) {
  // Closing in the middle of a run loses the work in progress: ask first.
  if (RunActive() && !state_.stopRequested) {
    // Only the run stops; the program goes on.
    if (!Ui::AskYesDefaultNo(this, tr("Stop converting?"))) return;
    state_.stopRequested = true;
  }
  // Closing never leaves the engine working for a window that is gone.
  encoder_.Stop(false);
  time_timer_->stop();
  ReturnNotice();
  LauncherProgress::Session().Hide();
  QDialog::done(result);
}

void ProgressWindow::UpdateTimes() {
  const double elapsed = ended_ ? ended_seconds_ : Elapsed();
  QString text = tr("Elapsed: %1").arg(FormatDuration(elapsed));
  if (ended_) {
    time_label_->setText(text);
    return;
  }
  const double left = estimate_.Remaining(elapsed);
  text += "    " + tr("Time left: %1").arg(left < 0 ? QString("--:--:--") : FormatDuration(left));
  time_label_->setText(text);
}
