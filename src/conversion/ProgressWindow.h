#pragma once
// The progress window of a conversion run: one row per listed file with its output
// name, percentage (drawn as a bar) and status; Stop/Close and Open Output Folder;
// elapsed time and an estimate of the time left.
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <unordered_map>
#include <vector>

#include "conversion/RunEstimate.h"
#include "conversion/RunSummary.h"
#include "core/AppState.h"
#include "desktop/UiEventBridge.h"
#include "engine/ConversionOutcome.h"

class CompletionNotice;
class FFEncoder;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

// One file of the run: its output name and its encoder task (-1 when it could not be
// queued; `refusal` then says why and the row shows it as failed).
struct ProgressRow {
  QString outputName;
  int task = -1;
  QString source;              // the listed file, for messages
  double durationSeconds = 0;  // 0 when unknown
  double outputPixels = 0;     // output picture width x height; 0 for sound only
  QString refusal;
  QString sizeEstimate;  // "about 4.2 MB", "depends on the content" or ""
};

class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  // Lists one row per file and listens to `encoder` while the window exists.
  // `notice` (may be null) is shown at the end of the run. `state` gives the thread
  // count and the output folder, and holds the stop request.
  ProgressWindow(FFEncoder& encoder, AppState& state, std::vector<ProgressRow> rows, CompletionNotice* notice,
                 QWidget* owner = nullptr);
  ~ProgressWindow() override;

  // Starts the encoder; runs once, when the window first shows.
  void FillAndStart();

  QTreeWidget* ProgressList() const { return progress_list_; }
  QPushButton* StopButton() const { return stop_button_; }
  QPushButton* OpenButton() const { return open_button_; }
  QLabel* TimeLabel() const { return time_label_; }
  QPlainTextEdit* Problems() const { return problems_; }
  const RunSummary& Summary() const { return summary_; }
  QString ProgressText(int row) const;
  QString StatusText(int row) const;
  bool RunEnded() const { return ended_; }
  bool RunActive() const { return started_ && !ended_; }

 public slots:
  void OnEncoderProgress(int task, qint64 positionUs, qint64 totalUs);
  void OnEncoderFinished(int task, const ConversionOutcome& outcome);

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;  // every way of closing ends here

 private slots:
  void StopClicked();
  void OpenClicked();
  void UpdateTimes();

 private:
  void BuildControls();
  void ShowCloseButton();
  void ListenToEncoder();
  void MapTasks();
  int RowForTask(int task) const;
  void SetProgress(int row, int percent);
  void SetStatus(int row, const QString& text);
  // `problem` goes to the problems box for a failure or a conversion with problems.
  void SetOutcome(int row, RowOutcome outcome, const QString& status, const QString& problem = {});
  void AddProblem(const QString& text);
  void AnnounceEnd();
  void AnnounceOnDesktop(const QString& text);
  double Elapsed() const;
  void LendNotice();
  void ReturnNotice();

  FFEncoder& encoder_;
  AppState& state_;
  UiEventBridge<ProgressWindow> events_;
  CompletionNotice* notice_;
  // While this window blocks the others, the notice is its child, so it can be clicked.
  QPointer<QWidget> notice_owner_;
  bool notice_lent_ = false;
  std::vector<ProgressRow> rows_;
  std::unordered_map<int, int> task_to_row_;
  std::unordered_map<int, int> task_to_slot_;  // task -> position among queued tasks
  RunEstimate estimate_;
  RunSummary summary_;
  QElapsedTimer clock_;
  double ended_seconds_ = 0;
  bool started_ = false;
  bool ended_ = false;
  bool stop_closes_ = false;  // the Stop button has become Close

  QTreeWidget* progress_list_;
  QPushButton* stop_button_;
  QPushButton* open_button_;
  QLabel* time_label_;
  QPlainTextEdit* problems_;
  QTimer* time_timer_;
};
