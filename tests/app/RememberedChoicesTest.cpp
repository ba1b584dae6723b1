// Choices kept between runs: the output dialog, the main window, the player's sound;
// and what a damaged settings file does to them (nothing but lose the damaged values).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

#include "app/WindowMemory.h"
#include "core/AppState.h"
#include "core/Helpers.h"
#include "core/Settings.h"
#include "core/StoredValues.h"
#include "engine/FFDecoder.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSettingsDialog.h"
#include "output/SettingsGrid.h"
#include "player/StoredSound.h"

namespace {

QString SettingsFile() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Veltrane Software",
                   "Veltrane Video Converter")
      .fileName();
}

// Replaces the settings file with `content`, as a user's editor or a broken disk would.
void WriteSettingsFile(const QByteArray& content) {
  QSettings(QSettings::NativeFormat, QSettings::UserScope, "Veltrane Software", "Veltrane Video Converter")
      .clear();
  QDir().mkpath(QFileInfo(SettingsFile()).path());
  QFile file(SettingsFile());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(content);
  file.close();
  ReadSetting("OutPath");  // the store notices the new file
}

OutputSettings FreshDialogSettings() {
  OutputSettingsDialog dialog(nullptr);
  return dialog.Settings();
}

void ExpectSameChoices(const OutputSettings& a, const OutputSettings& b) {
  EXPECT_EQ(a.outputFormatKey, b.outputFormatKey);
  EXPECT_EQ(a.profileCaption, b.profileCaption);
  EXPECT_EQ(a.audioOnly, b.audioOnly);
  EXPECT_EQ(a.sizeIndex, b.sizeIndex);
  EXPECT_EQ(a.width, b.width);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.videoQuality, b.videoQuality);
  EXPECT_EQ(a.audioQuality, b.audioQuality);
  EXPECT_EQ(a.threads, b.threads);
  const GridValues &g = a.grid, &h = b.grid;
  EXPECT_EQ(g.fileExtension, h.fileExtension);
  EXPECT_EQ(g.videoBitrate, h.videoBitrate);
  EXPECT_EQ(g.frameRate, h.frameRate);
  EXPECT_EQ(g.aspect, h.aspect);
  EXPECT_EQ(g.crop, h.crop);
  EXPECT_EQ(g.cropTop, h.cropTop);
  EXPECT_EQ(g.cropBottom, h.cropBottom);
  EXPECT_EQ(g.cropLeft, h.cropLeft);
  EXPECT_EQ(g.cropRight, h.cropRight);
  EXPECT_EQ(g.verticalFlip, h.verticalFlip);
  EXPECT_EQ(g.horizontalFlip, h.horizontalFlip);
  EXPECT_EQ(g.rotate, h.rotate);
  EXPECT_EQ(g.audioBitrate, h.audioBitrate);
  EXPECT_EQ(g.sampleRate, h.sampleRate);
  EXPECT_EQ(g.channels, h.channels);
  EXPECT_EQ(g.removeAudio, h.removeAudio);
  EXPECT_EQ(g.qualityMode, h.qualityMode);
  EXPECT_EQ(g.constantQuality, h.constantQuality);
  EXPECT_EQ(g.deinterlace, h.deinterlace);
}

// A main-window stand-in with the real list.
struct MainStandIn {
  QMainWindow window;
  FileView* list = new FileView(&window);
  FFDecoder decoder;
  AppState state;
  FileList files{list, decoder, state, &window};
  WindowMemory memory{window, *list, files};
  MainStandIn() {
    window.setCentralWidget(list);
    window.resize(700, 400);
    memory.SetStoreDelay(0);
  }
};

}  // namespace

TEST(RememberedChoices, DialogChoicesComeBackAfterOkAndOnlyAfterOk) {
  WriteSettingsFile("[General]\nOutPath=/keep/this/\nLastCheckUpdate=2026-12-01\n");
  const OutputSettings defaults = FreshDialogSettings();
  OutputSettings chosen;
  {
    OutputSettingsDialog dialog(nullptr);
    dialog.ApplyProfile(1101, "BlackBerry - MPEG4 Video");
    OutputSettings s = dialog.Settings();
    OutputControls c = dialog.Controls();
    s.width = "400";
    s.height = "224";
    s.videoQuality = 0;
    s.audioQuality = 2;
    s.threads = "1";
    dialog.ShowSettings(s, c);
    SettingsGrid* grid = dialog.Grid();
    ASSERT_TRUE(grid->EditValue(GridItem::VideoBitrate, "1500k"));
    ASSERT_TRUE(grid->EditValue(GridItem::Aspect, "16:9"));
    ASSERT_TRUE(grid->EditChecked(GridItem::Crop, true));
    ASSERT_TRUE(grid->EditValue(GridItem::CropLeft, "8"));
    ASSERT_TRUE(grid->EditChecked(GridItem::HorizontalFlip, true));
    ASSERT_TRUE(grid->EditValue(GridItem::Rotate, "-90"));
    ASSERT_TRUE(grid->EditValue(GridItem::SampleRate, "22050"));
    ASSERT_TRUE(grid->EditValue(GridItem::Deinterlace, "Auto"));
    chosen = dialog.Settings();

    // Cancel stores nothing.
    dialog.findChild<QPushButton*>("BtnCancel")->click();
    ExpectSameChoices(FreshDialogSettings(), defaults);

    dialog.SetOkHandler([&dialog] { dialog.accept(); });
    dialog.findChild<QPushButton*>("BtnOK")->click();
  }
  // Crop, flip and rotation belong to that batch: the next start has none of them.
  EXPECT_TRUE(chosen.grid.crop && chosen.grid.horizontalFlip && chosen.grid.rotate == -90);
  chosen.grid.crop = defaults.grid.crop;
  chosen.grid.cropLeft = defaults.grid.cropLeft;
  chosen.grid.horizontalFlip = defaults.grid.horizontalFlip;
  chosen.grid.rotate = defaults.grid.rotate;
  OutputSettingsDialog next(nullptr);
  ExpectSameChoices(next.Settings(), chosen);
  EXPECT_TRUE(next.Grid()->IsItemReadOnly(GridItem::CropLeft));
  EXPECT_EQ(ReadSetting("OutPath"), "/keep/this/");
  EXPECT_EQ(ReadSetting("LastCheckUpdate"), "2026-12-01");

  // An audio profile comes back with its controls withdrawn.
  next.ApplyProfile(1185, "MP3 - MPEG Layer-3 Audio (*.mp3)");
  next.SetOkHandler([&next] { next.accept(); });
  next.findChild<QPushButton*>("BtnOK")->click();
  OutputSettingsDialog audio(nullptr);
  EXPECT_TRUE(audio.Settings().audioOnly);
  EXPECT_EQ(audio.Settings().grid.fileExtension, "mp3");
  EXPECT_FALSE(audio.Controls().sizeEnabled);
  EXPECT_FALSE(audio.Controls().videoSettingsVisible);

  // Constant quality comes back on the scale of the format it was chosen for.
  audio.ApplyProfile(1201, "MP4 - HEVC Video (*.mp4)");
  ASSERT_TRUE(audio.Grid()->EditValue(GridItem::QualityMode, "Constant quality"));
  ASSERT_TRUE(audio.Grid()->EditValue(GridItem::ConstantQuality, "24"));
  audio.SetOkHandler([&audio] { audio.accept(); });
  audio.findChild<QPushButton*>("BtnOK")->click();
  OutputSettingsDialog hevc(nullptr);
  EXPECT_EQ(hevc.Settings().grid.qualityMode, 1);
  EXPECT_EQ(hevc.Settings().grid.constantQuality, 24);
}

TEST(RememberedChoices, AHandCorruptedFileGivesDefaultsForEveryDamagedValue) {
  WriteSettingsFile("[General]\nOutPath=/keep/this/\n");
  const OutputSettings defaults = FreshDialogSettings();
  WriteSettingsFile(
      "[General]\nOutPath=/keep/this/\nLastCheckUpdate=not a date\n"
      "[OutputSettings]\nFormatKey=mp4h264\nProfileCaption=No Such Profile\n"
      "SizeIndex=16\nWidth=abc\nHeight=-5\nVideoQuality=3\nAudioQuality=1.5\nThreads=0\n"
      "VideoBitrate=fast\nFrameRate=-1\nAspect=0:9\nCrop=maybe\nCropTop=-3\nCropBottom=99999999999\n"
      "CropLeft=4px\nCropRight=0x10\nVerticalFlip=1\nHorizontalFlip=\nRotate=360\n"
      "AudioBitrate=@Invalid()\nSampleRate=44.1k\nChannels=3\nRemoveAudio=\"true, false\"\n"
      "[MainWindow]\nGeometry=!!!not base64!!!\nColumnWidths=10,abc,30\nLastOpenFolder=/no/such/folder\n"
      "[Player]\nVolume=129\nMute=yes\n"
      "garbage line without a section or equals\n\x01\x02\xff\xfe\n");
  ExpectSameChoices(FreshDialogSettings(), defaults);
  EXPECT_EQ(ReadSetting("OutPath"), "/keep/this/");

  MainStandIn main;
  const QByteArray geometry = main.window.saveGeometry();
  const int firstColumn = main.list->columnWidth(0);
  main.memory.Restore();
  EXPECT_EQ(main.window.saveGeometry(), geometry);
  EXPECT_EQ(main.list->columnWidth(0), firstColumn);
  EXPECT_TRUE(main.files.LastOpenFolder().isEmpty());

  const SoundLevel level = RestoreSoundLevel(128);
  EXPECT_EQ(level.volume, 128);
  EXPECT_FALSE(level.mute);

  // Readable values among damaged ones are still used, each on its own.
  WriteSettingsFile(
      "[OutputSettings]\nVideoQuality=2\nAudioQuality=7\nChannels=1\nRotate=abc\n[Player]\nVolume=0\n");
  const OutputSettings partly = FreshDialogSettings();
  EXPECT_EQ(partly.videoQuality, 2);
  EXPECT_EQ(partly.audioQuality, defaults.audioQuality);
  EXPECT_EQ(partly.grid.channels, 1);
  EXPECT_EQ(partly.grid.rotate, 0);
  EXPECT_EQ(RestoreSoundLevel(128).volume, 0);
}

TEST(RememberedChoices, WindowGeometryColumnsFolderAndSoundRoundTrip) {
  WriteSettingsFile("");
  QTemporaryDir folder;
  {
    MainStandIn main;
    main.window.resize(820, 510);
    main.list->setColumnWidth(0, 411);
    main.list->setColumnWidth(7, 77);
    main.files.SetLastOpenFolder(folder.path() + "/");
    main.memory.StoreLayout();
    main.memory.StoreLastOpenFolder();
  }
  MainStandIn next;
  next.memory.Restore();
  EXPECT_EQ(next.window.size(), QSize(820, 510));
  EXPECT_EQ(next.list->columnWidth(0), 411);
  EXPECT_EQ(next.list->columnWidth(7), 77);
  EXPECT_EQ(next.files.LastOpenFolder(), folder.path() + "/");

  // A column dragged wider is stored without any further step.
  next.list->header()->resizeSection(3, 155);
  QApplication::processEvents();
  MainStandIn third;
  third.memory.Restore();
  EXPECT_EQ(third.list->columnWidth(3), 155);

  StoreVolume(33);
  StoreMute(true);
  const SoundLevel level = RestoreSoundLevel(128);
  EXPECT_EQ(level.volume, 33);
  EXPECT_TRUE(level.mute);
  EXPECT_EQ(RestoreSoundLevel(20).volume, 20);  // above a smaller maximum: the default
}

// The table itself: one entry per key, every default a value its own entry accepts, and
// malformed or out-of-range stored text reading as the default.
TEST(RememberedChoices, SettingsTableKeysAreUniqueAndDamagedTextReadsAsTheDefault) {
  QSet<QString> names;
  for (const Setting::Entry* entry : Setting::kAll) {
    SCOPED_TRACE(entry->name);
    EXPECT_FALSE(names.contains(entry->name));
    names.insert(entry->name);
    const QString fallback = QString::fromUtf8(entry->fallback);
    const bool emptyMeansNone = entry->type == Setting::Type::Text || entry->type == Setting::Type::Bytes;
    if (!(emptyMeansNone && fallback.isEmpty())) {
      EXPECT_TRUE(Stored::Accepts(*entry, fallback));
    }
    if (entry->type != Setting::Type::Text) {
      EXPECT_FALSE(Stored::Accepts(*entry, "1 x!"));
    }
    if (entry->type == Setting::Type::Int) {
      EXPECT_LE(entry->min, entry->max);
      EXPECT_FALSE(Stored::Accepts(*entry, QString::number(entry->min - 1)));
      EXPECT_FALSE(Stored::Accepts(*entry, QString::number(entry->max + 1)));
    }
  }

  WriteSettingsFile(
      "[General]\nIfExists=\n[OutputSettings]\nVideoQuality=3\nKeepFileDate=1\nThreads=+2\n"
      "[MainWindow]\nGeometry=@@@\n[Player]\nVolume=-1\n");
  EXPECT_EQ(Stored::Get(Setting::IfExists), "KeepBoth");
  EXPECT_EQ(Stored::Get(Setting::VideoQuality), 1);
  EXPECT_TRUE(Stored::Get(Setting::KeepFileDate));
  EXPECT_EQ(Stored::Get(Setting::Threads), 1);
  EXPECT_FALSE(Stored::Find(Setting::WindowGeometry));
  EXPECT_EQ(Stored::Get(Setting::Volume, 100), 100);
  // A limit of this machine narrows the table's range: 8 threads on 4 cores is damage.
  WriteSettingsFile("[OutputSettings]\nThreads=8\n");
  EXPECT_FALSE(Stored::Find(Setting::Threads, 4));
  EXPECT_EQ(Stored::Find(Setting::Threads, 8), 8);
}
