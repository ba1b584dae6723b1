// Whole conversions on tiny generated clips: files added through the file list, the
// settings dialog's OK button, the modal progress window, and the outputs read back
// with ffprobe.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include "conversion/CompletionNotice.h"
#include "conversion/ConversionBuilder.h"
#include "conversion/ProgressWindow.h"
#include "conversion/QueueConversion.h"
#include "core/AppState.h"
#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "output/GridItems.h"
#include "output/OutputSettingsDialog.h"
#include "output/SettingsGrid.h"
#include "support/Fixtures.h"
#include "support/UiRecorder.h"
#include "support/WaitUntil.h"

namespace {

constexpr int kIPhoneH264 = 1055;
constexpr int kMp3Audio = 1185;

// What the progress window showed when the run ended.
struct RunRecord {
  bool ended = false;
  QString caption;
  QStringList progress;
  QStringList status;
  QStringList names;
};

ProgressWindow* VisibleProgressWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* form = qobject_cast<ProgressWindow*>(w); form && form->isVisible()) return form;
  }
  return nullptr;
}

// Runs `trigger` (which opens the modal progress window) while a timer watches the
// window: `onProgress` may act once a row is 10% done, and at the end of the
// run the rows are recorded and the window is closed with its button.
RunRecord RunAndClose(const std::function<void()>& trigger,
                      const std::function<void(ProgressWindow*)>& onProgress = nullptr) {
  RunRecord record;
  bool acted = false;
  QElapsedTimer clock;
  clock.start();
  QTimer watch;
  watch.setInterval(10);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    ProgressWindow* form = VisibleProgressWindow();
    if (!form) return;
    if (onProgress && !acted) {
      for (int row = 0; row < form->ProgressList()->topLevelItemCount(); ++row) {
        if (form->StatusText(row) == "Converting..." && form->ProgressText(row).chopped(1).toInt() >= 10) {
          acted = true;
          onProgress(form);
          break;
        }
      }
    }
    if (form->RunEnded() || clock.elapsed() > 120000) {
      record.ended = form->RunEnded();
      record.caption = form->windowTitle();
      for (int row = 0; row < form->ProgressList()->topLevelItemCount(); ++row) {
        record.progress << form->ProgressText(row);
        record.status << form->StatusText(row);
        record.names << form->ProgressList()->topLevelItem(row)->text(0);
      }
      watch.stop();
      form->StopButton()->click();  // "Close" after the end (or "Stop" on a timeout)
      if (form->isVisible()) form->StopButton()->click();
    }
  });
  watch.start();
  trigger();
  return record;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    savedCwd = QDir::currentPath();
    QDir(dir.path()).mkpath("in");
    QDir(dir.path()).mkpath("out folder");
    out = dir.path() + "/out folder/";
  }
  void TearDown() override {
    notice.CloseNotice();
    QDir::setCurrent(savedCwd);
  }

  QString In(const QString& name) const { return dir.path() + "/in/" + name; }

  QStringList OutputFiles() const { return QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System); }

  QTemporaryDir dir;
  QString savedCwd;
  QString out;
  UiRecorder ui;
  FFEncoder encoder;
  AppState state;
  CompletionNotice notice;
};

// Adds the three files the way the user does and returns the list's rows: a clip with
// sound, an audio-only file, and a clip that is deleted after it was added.
std::vector<FileRow> ListThreeFiles(const QString& withSound, const QString& audioOnly,
                                    const QString& deleted) {
  FFDecoder decoder;
  FileView view;
  QWidget owner;
  const AppState state;
  FileList files(&view, decoder, state, &owner);
  EXPECT_TRUE(files.AddFile(withSound));
  EXPECT_TRUE(files.AddFile(audioOnly));
  EXPECT_TRUE(files.AddFile(deleted));
  QFile::remove(deleted);
  return files.Rows();
}

FileRow ClipRow(const QString& path) {
  FileRow row;
  row.path = path;
  row.source.videoTracks = row.source.audioTracks = 1;
  row.source.storedWidth = row.source.uprightWidth = 320;
  row.source.storedHeight = row.source.uprightHeight = 240;
  row.source.videoCodec = "h264";
  row.source.audioCodec = "aac";
  return row;
}

}  // namespace

TEST_F(EndToEnd, ProfilesThroughTheSettingsDialog) {
  const QString withSound = In("clip one.mp4");
  const QString audioOnly = In(QString::fromUtf8("tone \xC3\xA9t\xC3\xA9.wav"));
  const QString deleted = In("gone.mp4");
  ASSERT_TRUE(Fixtures::VideoWithAudio(withSound, 1.0));
  ASSERT_TRUE(Fixtures::AudioOnly(audioOnly, 1.0));
  ASSERT_TRUE(Fixtures::VideoWithAudio(deleted, 1.0));
  const std::vector<FileRow> rows = ListThreeFiles(withSound, audioOnly, deleted);
  ASSERT_EQ(rows.size(), 3u);

  QWidget mainWindow;
  OutputSettingsDialog dialog(&mainWindow);
  dialog.SetOkHandler([&] { QueueConversion(dialog, rows, encoder, state, notice, &mainWindow); });
  auto* ok = dialog.findChild<QPushButton*>("BtnOK");
  ASSERT_NE(ok, nullptr);

  // iPhone H.264: both readable files converted at 480 x 320, 29.97 fps.
  dialog.ApplyProfile(kIPhoneH264, "iPhone - H.264 Video");
  dialog.FolderBox()->setText("  " + out + "  ");
  RunRecord run = RunAndClose([&] {  // OK pressed inside the modal dialog, as in the program
    QTimer::singleShot(0, ok, &QPushButton::click);
    dialog.exec();
  });
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_TRUE(run.ended);
  // The unreadable file is reported in its row, not in a box of its own, and the
  // run does not claim that everything converted.
  EXPECT_EQ(run.caption, "2 converted, 1 failed");
  ASSERT_EQ(run.status.size(), 3);
  EXPECT_EQ(run.status.mid(0, 2), QStringList({"OK", "OK"}));
  EXPECT_TRUE(run.status[2].startsWith("Failed: gone.mp4 cannot be opened: ")) << run.status[2].toStdString();
  EXPECT_EQ(run.progress, QStringList({"100%", "100%", ""}));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.sounds, 1);
  EXPECT_TRUE(notice.isVisible());
  EXPECT_EQ(state.outputFolder, out);

  const QString video = out + "clip one.mp4";
  EXPECT_EQ(Fixtures::Probe(video, "v:0", "stream=width"), "480");
  EXPECT_EQ(Fixtures::Probe(video, "v:0", "stream=height"), "320");
  EXPECT_EQ(Fixtures::Probe(video, "v:0", "stream=r_frame_rate"), "30000/1001");
  EXPECT_EQ(Fixtures::Probe(video, "a:0", "stream=channels"), "2");
  const QString sound = out + QString::fromUtf8("tone \xC3\xA9t\xC3\xA9.mp4");
  EXPECT_EQ(Fixtures::Probe(sound, "v", "stream=codec_type"), "");
  EXPECT_EQ(Fixtures::Probe(sound, "a:0", "stream=codec_type"), "audio");
  EXPECT_EQ(OutputFiles().size(), 2);

  // MP3: both files become MP3 audio.
  ui.messages.clear();
  dialog.ApplyProfile(kMp3Audio, "MP3 - MPEG Layer-3 Audio (*.mp3)");
  dialog.show();
  run = RunAndClose([&] { ok->click(); });
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.status.mid(0, 2), QStringList({"OK", "OK"}));
  EXPECT_TRUE(ui.messages.empty());
  for (const QString& name : {QString("clip one.mp3"), QString::fromUtf8("tone \xC3\xA9t\xC3\xA9.mp3")}) {
    EXPECT_EQ(Fixtures::Probe(out + name, "a:0", "stream=codec_name"), "mp3") << name.toStdString();
    EXPECT_EQ(Fixtures::Probe(out + name, "v", "stream=codec_type"), "") << name.toStdString();
  }

  // Crop, flip and a quarter turn on the iPhone size: the turn swaps width and height.
  ui.messages.clear();
  QFile::remove(video);
  dialog.ApplyProfile(kIPhoneH264, "iPhone - H.264 Video");
  SettingsGrid* grid = dialog.Grid();
  ASSERT_TRUE(grid->EditChecked(GridItem::Crop, true));
  ASSERT_TRUE(grid->EditValue(GridItem::CropTop, "20"));
  ASSERT_TRUE(grid->EditValue(GridItem::CropBottom, "20"));
  ASSERT_TRUE(grid->EditValue(GridItem::CropLeft, "40"));
  ASSERT_TRUE(grid->EditValue(GridItem::CropRight, "40"));
  ASSERT_TRUE(grid->EditChecked(GridItem::VerticalFlip, true));
  ASSERT_TRUE(grid->EditChecked(GridItem::HorizontalFlip, true));
  ASSERT_TRUE(grid->EditValue(GridItem::Rotate, "90"));
  dialog.show();
  run = RunAndClose([&] { ok->click(); });
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.status.value(0), "OK");
  const QString options = BuildConversion(dialog.Settings(), rows[0], out).options;
  EXPECT_TRUE(options.endsWith(" -vf \"crop=240:200:40:20,scale=480:320,vflip,hflip,rotate=90\""))
      << options.toStdString();
  EXPECT_EQ(Fixtures::Probe(video, "v:0", "stream=width"), "320");
  EXPECT_EQ(Fixtures::Probe(video, "v:0", "stream=height"), "480");
}

TEST_F(EndToEnd, RowsThatCannotBeQueuedKeepTheirPlace) {
  // Two sources with one base name both convert (the second gets a numbered name).
  // Under keep-both an output never replaces anything: a source whose output name is
  // another listed source, or itself, gets the next free name, the one the row showed
  // when it was queued; a source that is gone is refused and keeps its place.
  QDir(dir.path()).mkpath("in/other");
  const QString first = In("same.mp4");
  const QString second = In("other/same.mp4");
  const QString listed = out + "listed.mpg";
  const QString replacer = In("listed.wav");
  const QString fourth = In("fourth.wav");
  const QString gone = In("gone.wav");
  ASSERT_TRUE(Fixtures::VideoOnly(first, 1.0));
  ASSERT_TRUE(Fixtures::VideoOnly(second, 1.0));
  ASSERT_TRUE(Fixtures::VideoOnly(listed, 1.0));
  ASSERT_TRUE(Fixtures::AudioOnly(replacer, 1.0));
  ASSERT_TRUE(Fixtures::AudioOnly(fourth, 1.0));
  ASSERT_TRUE(Fixtures::AudioOnly(gone, 1.0));
  const QByteArray listedBytes = [&] {
    QFile f(listed);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  FFDecoder decoder;
  FileView view;
  QWidget owner;
  FileList files(&view, decoder, state, &owner);
  for (const QString& path : {first, second, replacer, listed, gone, fourth})
    ASSERT_TRUE(files.AddFile(path));
  QFile::remove(gone);

  OutputSettings settings;
  settings.outputFormatKey = "mpg";
  settings.threads = "2";
  QLineEdit folder(out);
  RunRecord run = RunAndClose([&] {
    QueueConversion(settings, &folder, nullptr, nullptr, files.Rows(), encoder, state, notice, &owner);
  });
  ASSERT_TRUE(run.ended);
  ASSERT_EQ(run.status.size(), 6);
  for (int row : {0, 1, 2, 3, 5})
    EXPECT_EQ(run.status[row], "OK") << row;
  EXPECT_TRUE(run.status[4].startsWith("Failed: gone.wav")) << run.status[4].toStdString();
  EXPECT_EQ(run.progress, QStringList({"100%", "100%", "100%", "100%", "", "100%"}));
  EXPECT_EQ(state.encoderThreads, 2);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(QFile::exists(out + "same.mpg"));
  EXPECT_TRUE(QFile::exists(out + "same (1).mpg"));
  EXPECT_EQ(Fixtures::Probe(out + "listed (1).mpg", "a:0", "stream=codec_type"), "audio");
  EXPECT_TRUE(QFile::exists(out + "listed (2).mpg"));
  QFile listedFile(listed);
  ASSERT_TRUE(listedFile.open(QIODevice::ReadOnly));
  EXPECT_EQ(listedFile.readAll(), listedBytes);
  EXPECT_EQ(Fixtures::Probe(out + "fourth.mpg", "a:0", "stream=codec_type"), "audio");
}

TEST_F(EndToEnd, StopInTheMiddleLeavesNoPartialOutput) {
  const QString clip = In("long clip.mp4");
  ASSERT_TRUE(Fixtures::VideoWithAudio(clip, 20.0));
  const FileRow row = ClipRow(clip);
  // Keep-both would write "long clip (1).mp4"; a stopped row must not name it.
  QFile older(out + "long clip.mp4");
  ASSERT_TRUE(older.open(QIODevice::WriteOnly));
  older.close();

  OutputSettings settings;  // H.264 at high quality: slow enough to stop midway
  settings.videoQuality = 0;
  settings.threads = "1";
  QLineEdit folder(out);
  RunRecord run = RunAndClose(
      [&] { QueueConversion(settings, &folder, nullptr, nullptr, {row}, encoder, state, notice, nullptr); },
      [](ProgressWindow* form) { form->StopButton()->click(); });
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.status.value(0), "Canceled");
  EXPECT_EQ(QFileInfo(run.names.value(0)).fileName(), "long clip.mp4");
  EXPECT_TRUE(state.stopRequested);
  EXPECT_TRUE(WaitUntil([&] { return !encoder.Running(); }, std::chrono::milliseconds(10000)));
  EXPECT_EQ(OutputFiles(), QStringList{"long clip.mp4"});
}
