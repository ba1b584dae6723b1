// The progress window's handlers, the completion notice, the run estimate and the
// output folder check, driven without any media work.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "conversion/CompletionNotice.h"
#include "conversion/ProgressWindow.h"
#include "conversion/QueueConversion.h"
#include "conversion/RunEstimate.h"
#include "conversion/UserMessages.h"
#include "core/AppState.h"
#include "engine/FFEncoder.h"
#include "support/Fixtures.h"
#include "support/UiRecorder.h"
#include "support/WaitUntil.h"

namespace {

constexpr qint64 kSecond = 1000000;

ProgressRow Row(const QString& output, int task, const QString& source, const QString& refusal = {}) {
  ProgressRow row;
  row.outputName = output;
  row.task = task;
  row.source = source;
  row.refusal = refusal;
  return row;
}

// Three listed files; the middle one could not be queued, so task 1 is the third row.
std::vector<ProgressRow> ThreeRows() {
  return {Row("/out/a.mp4", 0, "/in/a.avi"),
          Row("/out/b.mp4", -1, "/in/b.avi", "b.avi cannot be opened: broken."),
          Row("/out/c.mp4", 1, "/in/c.mov")};
}

class ProgressWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.outputFolder = "/out/";
    encoder.ClearTasks();
    form = std::make_unique<ProgressWindow>(encoder, state, ThreeRows(), &notice);
  }
  void TearDown() override {
    form.reset();
    notice.CloseNotice();
  }

  UiRecorder ui;
  AppState state;
  FFEncoder encoder;
  CompletionNotice notice;
  std::unique_ptr<ProgressWindow> form;
};

}  // namespace

TEST_F(ProgressWindowTest, ProgressLandsInTheTasksOwnRow) {
  EXPECT_EQ(form->windowTitle(), "Please wait...");
  QTreeWidget* list = form->ProgressList();
  EXPECT_EQ(list->headerItem()->text(0), "Output File Name");
  EXPECT_EQ(list->headerItem()->text(1), "Progress");
  EXPECT_EQ(list->headerItem()->text(2), "Status");
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(1)->text(0), "/out/b.mp4");

  form->OnEncoderProgress(0, 599 * kSecond / 10, 60 * kSecond);  // 59.9 of 60 s
  EXPECT_EQ(form->ProgressText(0), "99%");
  EXPECT_EQ(form->StatusText(0), "Converting...");

  form->OnEncoderProgress(1, 15 * kSecond, 60 * kSecond);
  EXPECT_EQ(form->ProgressText(2), "25%");
  EXPECT_EQ(form->ProgressText(1), "");  // the row that was never queued

  // Unknown or zero totals change nothing; a position past the end reads 100% at most.
  form->OnEncoderProgress(1, 50 * kSecond, 0);
  form->OnEncoderProgress(1, 50 * kSecond, -5);
  EXPECT_EQ(form->ProgressText(2), "25%");
  form->OnEncoderProgress(1, 61 * kSecond, 60 * kSecond);
  EXPECT_EQ(form->ProgressText(2), "100%");
  form->OnEncoderProgress(7, kSecond, 2 * kSecond);  // a task nobody queued
  EXPECT_EQ(form->ProgressText(0), "99%");
}

TEST_F(ProgressWindowTest, FinishedTasksShowOkOrTheError) {
  form->OnEncoderFinished(0, ConversionOutcome::Succeeded({}));
  EXPECT_EQ(form->ProgressText(0), "100%");
  EXPECT_EQ(form->StatusText(0), "OK");

  form->OnEncoderProgress(1, 10 * kSecond, 60 * kSecond);
  form->OnEncoderFinished(1, ConversionOutcome::Failure("Invalid data found"));
  EXPECT_EQ(form->ProgressText(2), "16%");
  EXPECT_EQ(form->StatusText(2), "Failed: c.mov cannot be converted: Invalid data found.");
  EXPECT_TRUE(form->Problems()->toPlainText().contains("c.mov cannot be converted"));

  // An option the user never typed is put in the dialog's words.
  form->OnEncoderFinished(1, ConversionOutcome::Failure("Bad value '1x1' for option -s (expected WxH)"));
  EXPECT_EQ(
      form->StatusText(2),
      "Failed: c.mov cannot be converted: the picture size \"1x1\" cannot be used for it. Choose another "
      "value in the output settings.");
  EXPECT_FALSE(form->RunEnded());
}

TEST_F(ProgressWindowTest, StopThenCloseAndCanceledRows) {
  form->show();  // starts the (empty) run; its end event waits in the queue
  QSignalSpy closed(form.get(), &QDialog::finished);
  form->OnEncoderProgress(0, 30 * kSecond, 60 * kSecond);
  form->OnEncoderProgress(1, 6 * kSecond, 60 * kSecond);
  form->StopButton()->click();
  EXPECT_TRUE(state.stopRequested);
  EXPECT_EQ(form->StopButton()->text(), "&Close");
  EXPECT_EQ(closed.count(), 0);

  form->OnEncoderProgress(0, 40 * kSecond, 60 * kSecond);
  EXPECT_EQ(form->ProgressText(0), "50%");  // the percentage no longer moves
  EXPECT_EQ(form->StatusText(0), "Canceled");

  // A stopped task that reports only its end (neither succeeded nor failed) does not
  // keep saying "Converting...".
  EXPECT_EQ(form->StatusText(2), "Converting...");
  form->OnEncoderFinished(1, ConversionOutcome::Stop());
  EXPECT_EQ(form->StatusText(2), "Canceled");
  EXPECT_EQ(form->ProgressText(2), "10%");

  form->StopButton()->click();
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(ProgressWindowTest, RunEndAnnouncesAndOpensTheFolder) {
  form = std::make_unique<ProgressWindow>(
      encoder, state,
      std::vector<ProgressRow>{Row("/out/a.mp4", 0, "/in/a.avi"), Row("/out/c.mp4", 1, "/in/c.mov")},
      &notice);
  form->show();
  QSignalSpy closed(form.get(), &QDialog::finished);
  form->OnEncoderFinished(0, ConversionOutcome::Succeeded({}));
  form->OnEncoderFinished(1, ConversionOutcome::Succeeded({}));
  form->OnEncoderFinished(-1, ConversionOutcome::Succeeded({}));
  EXPECT_TRUE(form->RunEnded());
  EXPECT_EQ(form->windowTitle(), "Convert Finished!");
  EXPECT_EQ(form->StopButton()->text(), "&Close");
  EXPECT_TRUE(form->OpenButton()->isEnabled());
  EXPECT_EQ(form->focusWidget(), form->OpenButton());
  EXPECT_EQ(ui.sounds, 1);
  EXPECT_TRUE(notice.isVisible());
  EXPECT_EQ(notice.ItemCount(), 4);
  EXPECT_EQ(notice.ItemAt(1).text, "Convert Finished. Click here to open the output folder");
  EXPECT_TRUE(form->TimeLabel()->text().startsWith("Elapsed: "));
  EXPECT_FALSE(form->Problems()->isVisible());
  EXPECT_TRUE(ui.messages.empty());

  form->OpenButton()->click();
  ASSERT_EQ(ui.openedUrls.size(), 1u);
  EXPECT_EQ(ui.openedUrls[0], QUrl::fromLocalFile("/out/"));
  EXPECT_EQ(closed.count(), 0);  // the window stays

  // The notice takes clicks although the modal progress window blocks other windows.
  ASSERT_EQ(QApplication::activeModalWidget(), form.get());
  QSignalSpy noticeClicks(&notice, &CompletionNotice::itemClicked);
  ASSERT_NE(notice.windowHandle(), nullptr);  // through the window system, which knows modality
  QTest::mouseClick(notice.windowHandle(), Qt::LeftButton, {}, QPoint(100, 50));
  EXPECT_EQ(noticeClicks.count(), 1);

  // "Close" after the end closes at once; the notice stays until it times out.
  form->StopButton()->click();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_TRUE(notice.isVisible());
  EXPECT_EQ(notice.parentWidget(), nullptr);
}

// Every row ends in exactly one outcome and the end says what happened.
TEST_F(ProgressWindowTest, RunEndTellsFailuresSkipsAndStops) {
  form->show();
  EXPECT_EQ(form->StatusText(1), "Failed: b.avi cannot be opened: broken.");
  EXPECT_TRUE(form->Problems()->isVisible());
  form->OnEncoderFinished(0, ConversionOutcome::Succeeded({}));
  form->OnEncoderFinished(1, ConversionOutcome::Skip("Skipped: c.mp4 already exists"));
  EXPECT_EQ(form->StatusText(2), "Skipped: c.mp4 already exists");
  form->OnEncoderFinished(-1, ConversionOutcome::Failure(""));
  EXPECT_EQ(form->windowTitle(), "1 converted, 1 failed, 1 skipped");
  EXPECT_EQ(notice.ItemAt(1).text, "1 converted, 1 failed, 1 skipped. Click here to open the output folder");
  EXPECT_TRUE(ui.messages.empty());  // gathered in the window, no box per file

  RunSummary failedRun(2);
  failedRun.Set(0, RowOutcome::Failed);
  failedRun.Set(1, RowOutcome::Failed);
  EXPECT_EQ(failedRun.EndCaption(false), "0 converted, 2 failed");
  EXPECT_EQ(failedRun.NoticeText(false), "0 converted, 2 failed. Nothing was converted.");
  RunSummary stopped(8);
  for (int i = 0; i < 3; ++i)
    stopped.Set(i, RowOutcome::Converted);
  for (int i = 3; i < 8; ++i)
    stopped.Set(i, RowOutcome::Canceled);
  EXPECT_EQ(stopped.EndCaption(true), "Canceled after 3 of 8");
  RunSummary mixed(8);
  for (int i = 0; i < 8; ++i)
    mixed.Set(i, i < 6 ? RowOutcome::Converted : RowOutcome::Failed);
  EXPECT_EQ(mixed.EndCaption(false), "6 converted, 2 failed");
}

// A success with notes is converted with problems: the notes follow the OK, the
// problems pane lists the row, and the end never reads "Convert Finished!".
TEST_F(ProgressWindowTest, NotesMakeAThirdOutcome) {
  form->show();
  form->OnEncoderFinished(
      0, ConversionOutcome::Succeeded(
             {"3 damaged pictures were skipped (around 00:00:03)", "the source ends early"}));
  form->OnEncoderFinished(1, ConversionOutcome::Succeeded({}));
  form->OnEncoderFinished(-1, ConversionOutcome::Succeeded({}));
  EXPECT_EQ(form->StatusText(0),
            "OK - 3 damaged pictures were skipped (around 00:00:03); the source ends early");
  EXPECT_EQ(form->ProgressText(0), "100%");
  EXPECT_EQ(form->StatusText(2), "OK");
  EXPECT_EQ(form->windowTitle(), "2 converted (1 with problems), 1 failed");
  EXPECT_EQ(notice.ItemAt(1).text,
            "2 converted (1 with problems), 1 failed. Click here to open the output folder");
  EXPECT_TRUE(form->Problems()->toPlainText().contains(" converted with problems: 3 damaged pictures"))
      << form->Problems()->toPlainText().toStdString();
  RunSummary allKept(2);
  allKept.Set(0, RowOutcome::Converted);
  allKept.Set(1, RowOutcome::ConvertedWithProblems);
  EXPECT_EQ(allKept.EndCaption(false), "2 converted (1 with problems)");
}

TEST_F(ProgressWindowTest, StoppedRunIsNotAnnouncedAsFinished) {
  form->show();
  form->OnEncoderFinished(0, ConversionOutcome::Succeeded({}));
  form->StopButton()->click();
  form->OnEncoderFinished(1, ConversionOutcome::Stop());
  form->OnEncoderFinished(-1, ConversionOutcome::Stop());
  EXPECT_EQ(form->StatusText(2), "Canceled");
  EXPECT_EQ(form->windowTitle(), "Canceled after 2 of 3");
  EXPECT_NE(notice.ItemAt(1).text.left(15), "Convert Finishe");
}

TEST_F(ProgressWindowTest, ClosingDuringARunAsksFirst) {
  form->show();
  QSignalSpy closed(form.get(), &QDialog::finished);
  ui.answer = QMessageBox::No;
  form->close();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Stop converting?");  // the program stays
  EXPECT_EQ(ui.messages[0].defaultButton, QMessageBox::No);
  EXPECT_EQ(closed.count(), 0);
  EXPECT_FALSE(state.stopRequested);
  ui.answer = QMessageBox::Yes;
  form->close();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_TRUE(state.stopRequested);
}

TEST_F(ProgressWindowTest, EmptyQueueEndsThroughTheEngineEvent) {
  // Start on an empty queue reports the end of the run from the engine's side; as
  // nothing was converted, it is not announced as a success.
  form->show();
  ASSERT_TRUE(WaitUntil([this] { return form->RunEnded(); }, std::chrono::milliseconds(10000)));
  EXPECT_NE(form->windowTitle(), "Convert Finished!");
  EXPECT_FALSE(form->OpenButton()->isEnabled());
}

TEST(CompletionNoticeTest, ItemsPlaceClicksAndTimeout) {
  UiRecorder ui;
  CompletionNotice notice;
  ShowCompletionNotice(notice);
  ShowCompletionNotice(notice);  // rebuilding does not pile up items
  ASSERT_EQ(notice.ItemCount(), 4);
  EXPECT_TRUE(notice.isVisible());
  EXPECT_EQ(notice.size(), QSize(220, 70));
  EXPECT_EQ(notice.ShowDelay(), 5000);
  EXPECT_EQ(notice.ItemAt(0).backColor, QColor(255, 255, 225));
  EXPECT_EQ(notice.ItemAt(1).text, "Convert Finished. Click here to open the output folder");
  EXPECT_EQ(notice.ItemAt(1).rect, QRect(20, 30, 180, 70));
  EXPECT_EQ(notice.ItemAt(2).text, "Veltrane Video Converter");
  EXPECT_EQ(notice.ItemAt(3).rect, QRect(200, 2, 18, 18));
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(notice.geometry().bottomRight(), area.bottomRight());

  QSignalSpy clicked(&notice, &CompletionNotice::itemClicked);
  QTest::mouseClick(&notice, Qt::LeftButton, {}, QPoint(100, 50));  // message
  QTest::mouseClick(&notice, Qt::LeftButton, {}, QPoint(209, 11));  // close button
  QTest::mouseClick(&notice, Qt::LeftButton, {}, QPoint(50, 12));   // title: no id
  ASSERT_EQ(clicked.count(), 2);
  EXPECT_EQ(clicked[0][0].toInt(), 3);
  EXPECT_EQ(clicked[1][0].toInt(), 2);

  HandleCompletionNoticeClick(notice, 2, "/tmp/veltrane out/");
  EXPECT_FALSE(notice.isVisible());
  EXPECT_TRUE(ui.openedUrls.empty());
  ShowCompletionNotice(notice);
  HandleCompletionNoticeClick(notice, 3, "/tmp/veltrane out/");
  EXPECT_FALSE(notice.isVisible());
  ASSERT_EQ(ui.openedUrls.size(), 1u);
  EXPECT_EQ(ui.openedUrls[0].toLocalFile(), "/tmp/veltrane out/");

  notice.SetShowDelay(50);  // it goes away by itself after its show delay
  notice.ShowNotice();
  EXPECT_TRUE(WaitUntil([&] { return !notice.isVisible(); }, std::chrono::milliseconds(5000)));
}

TEST(RunEstimateTest, OverallShareAndTimeLeft) {
  EXPECT_EQ(RunEstimate(4).Remaining(10), -1);  // nothing measured yet
  RunEstimate e(4);  // four sound tasks of unknown, hence equal, length, one worker
  e.SetFraction(0, 0.0, 0);
  e.SetFraction(0, 0.5, 10);
  EXPECT_DOUBLE_EQ(e.Remaining(10), 10 + 3 * 20);  // the rest of task 0, then three more
  e.MarkDone(0, 20);
  e.SetFraction(1, 7.0, 20);   // clamped to 1
  e.SetFraction(2, -1.0, 20);  // clamped to 0
  e.SetFraction(9, 0.5, 20);   // ignored
  EXPECT_DOUBLE_EQ(e.Overall(), 0.5);
  e.MarkDone(1, 20);
  e.MarkDone(2, 20);
  e.MarkDone(3, 20);
  EXPECT_EQ(e.Remaining(30), 0);
  EXPECT_EQ(RunEstimate(0).Overall(), 1.0);
}

// A recorded run on two workers: a 30 s full-HD video, a one-hour MP3 and two 2 s
// small clips, each converted at a steady speed of its own (an hour of MP3 costs far
// less than a minute of full-HD video). Once a fifth of the run is over the estimate
// stays within 25 % of the real time left, and it never rises.
TEST(RunEstimateTest, MixedBatchIsJudgedByTheCostOfEachKindOfWork) {
  struct FakeTask {
    double seconds, pixels, speed;  // speed: seconds of source per second
    double start = 0, end = 0;
  };
  std::vector<FakeTask> tasks = {
      {30, 1920 * 1080, 0.25}, {3600, 0, 60}, {2, 640 * 360, 1.5}, {2, 640 * 360, 1.5}};
  std::vector<double> workers(2, 0.0);  // the engine hands out tasks in queue order
  for (FakeTask& t : tasks) {
    double& free = *std::min_element(workers.begin(), workers.end());
    t.start = free;
    t.end = free += t.seconds / t.speed;
  }
  const double end = *std::max_element(workers.begin(), workers.end());
  RunEstimate e;
  std::vector<RunEstimate::Task> costs;
  for (const FakeTask& t : tasks)
    costs.push_back({t.seconds, t.pixels});
  e.Reset(costs, 2);
  int checked = 0;
  double previous = -1;
  for (double now = 0.25; now < end; now += 0.25) {  // progress arrives a few times a second
    for (size_t i = 0; i < tasks.size(); ++i) {
      if (now < tasks[i].start) continue;
      if (now >= tasks[i].end)
        e.MarkDone(static_cast<int>(i), now);
      else
        e.SetFraction(static_cast<int>(i), (now - tasks[i].start) / (tasks[i].end - tasks[i].start), now);
    }
    const double left = e.Remaining(now);
    if (now >= 3 && previous >= 0) {
      EXPECT_LE(left, previous + 0.01) << "rose at " << now << " s";
    }
    previous = left;
    const double truth = end - now;
    if (now < end / 5 || truth < 1) continue;
    EXPECT_NEAR(left, truth, 0.25 * truth) << "at " << now << " s";
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

TEST(UserMessagesTest, CropAndEngineTextsInTheUsersWords) {
  OutputSettings settings;
  settings.grid.crop = true;
  settings.grid.cropLeft = 9999;
  RowFacts facts;
  facts.hasVideo = true;
  facts.sourceWidth = 1920;
  facts.sourceHeight = 1080;
  EXPECT_EQ(CropProblem(settings, facts, "/home/me/clip.mp4"),
            QString::fromUtf8(
                "The crop margins (left 9999) are larger than the picture (1920\u00d71080) of clip.mp4. "
                "Make them smaller under Crop Video in the advanced settings."));
  settings.grid.cropLeft = 100;
  EXPECT_EQ(CropProblem(settings, facts, "/home/me/clip.mp4"), "");
  settings.grid.cropTop = 600;
  settings.grid.cropBottom = 480;
  EXPECT_TRUE(CropProblem(settings, facts, "clip.mp4").contains("(top 600, bottom 480)"));
  facts.sourceWidth = 0;  // no picture size known: left to the engine
  EXPECT_EQ(CropProblem(settings, facts, "clip.mp4"), "");

  // Advice to pick another format only where the format is the problem.
  EXPECT_FALSE(ExplainConversionFailure("/a/clip.mp4", "Writing the output failed: No space left on device")
                   .contains("another format"));
  EXPECT_TRUE(ExplainConversionFailure("/a/clip.mp4", "Unknown encoder 'foo'").contains("another format"));
  EXPECT_TRUE(ExplainConversionFailure("/a/clip.mp4", "Bad crop values '-8079:1060:9999:20' (expected ...)")
                  .startsWith("The crop margins are larger than the picture of clip.mp4."));
  EXPECT_EQ(ExplainOpenFailure("/a/b c.avi", "Invalid data found when processing input"),
            "b c.avi cannot be opened: Invalid data found when processing input.");
}

TEST(OutputFolderCheck, AcceptsTrimmedFolderAndRefusesBadOnes) {
  UiRecorder ui;
  QTemporaryDir dir;
  const QString saved = QDir::currentPath();
  QWidget dialog;
  QLineEdit box(&dialog);
  int browsed = 0;
  const auto browse = [&] { ++browsed; };
  QString folder = "/previous/";

  box.setText("   " + dir.path() + "  ");
  EXPECT_TRUE(CheckOutputFolder(&box, browse, &dialog, folder));
  EXPECT_EQ(box.text(), dir.path() + "/");
  EXPECT_EQ(folder, dir.path() + "/");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(browsed, 0);

  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QFile plain(dir.path() + "/plain file");
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  for (const QString& bad : {QString(""), QString(" "), dir.path() + "/plain file/below"}) {
    folder = "/previous/";
    box.setText(bad);
    EXPECT_FALSE(CheckOutputFolder(&box, browse, &dialog, folder));
    EXPECT_EQ(folder, "/previous/");
  }
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0].text, "Invalid path!");
  EXPECT_EQ(ui.messages[0].caption, "Error");
  EXPECT_EQ(ui.messages[0].icon, Ui::MessageIcon::Critical);
  EXPECT_EQ(ui.messages[2].text, "Invalid path!");
  EXPECT_EQ(browsed, 3);
  EXPECT_EQ(box.text(), dir.path() + "/plain file/below/");
  EXPECT_EQ(dialog.focusWidget(), &box);
  QDir::setCurrent(saved);
}

// Before the run, each row tells its trimmed length and estimated size.
TEST(QueueRowsTest, RowsCarryTheTrimmedLengthAndTheEstimatedSize) {
  QTemporaryDir dir;
  ASSERT_TRUE(Fixtures::VideoWithAudio(dir.path() + "/clip.mp4", 2.0));
  FileRow row;
  row.path = dir.path() + "/clip.mp4";
  row.source.durationUs = 2000000;
  row.source.videoTracks = row.source.audioTracks = 1;
  row.source.uprightWidth = 320;
  row.source.uprightHeight = 240;
  OutputSettings settings;
  settings.grid.startTime = "0.5";
  settings.grid.duration = "1";
  settings.grid.videoBitrate = "800k";
  FFEncoder encoder;
  std::vector<ProgressRow> rows = QueueRows(settings, {row}, dir.path() + "/", encoder);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_DOUBLE_EQ(rows[0].durationSeconds, 1.0);
  EXPECT_EQ(rows[0].sizeEstimate, "about 113 KB");  // (800 + 128) kbit/s for 1 s
  AppState state;
  ProgressWindow form(encoder, state, rows, nullptr);
  EXPECT_EQ(form.ProgressList()->topLevelItem(0)->text(3), "about 113 KB");
}
