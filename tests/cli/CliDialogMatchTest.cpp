// The same profile and values chosen in the output settings dialog and on the command
// line give the same option string and output path for the same files.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include "CliTestSupport.h"
#include "conversion/ConversionBuilder.h"
#include "core/AppState.h"
#include "engine/FFDecoder.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSettingsDialog.h"
#include "output/PresetStore.h"
#include "output/SettingsGrid.h"
#include "support/Fixtures.h"

namespace {

struct Case {
  int profile;
  QStringList cliValues;
  std::function<void(OutputSettingsDialog&)> dialogValues;
};

void PickCombo(OutputSettingsDialog& dialog, const char* name, int index) {
  auto* box = dialog.findChild<QComboBox*>(name);
  ASSERT_NE(box, nullptr) << name;
  box->setCurrentIndex(index);
  emit box->activated(index);
}

}  // namespace

TEST(CliDialogMatch, DryRunPrintsTheDialogsOptionStrings) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString in = dir.path() + "/in/";
  const QString out = dir.path() + "/out/";
  QDir().mkpath(in);
  QDir().mkpath(out);
  ASSERT_TRUE(Fixtures::VideoWithAudio(in + "clip.mp4"));
  ASSERT_TRUE(Fixtures::VideoOnly(in + "silent.mkv"));
  ASSERT_TRUE(Fixtures::AudioOnly(in + "tone.wav"));
  const QStringList files = {in + "clip.mp4", in + "silent.mkv", in + "tone.wav"};

  // The rows the window's file list makes for these files.
  FFDecoder decoder;
  FileView view;
  QWidget owner;
  const AppState state;
  FileList list(&view, decoder, state, &owner);
  for (const QString& f : files)
    ASSERT_TRUE(list.AddFile(f));
  const std::vector<FileRow> rows = list.Rows();

  const std::vector<Case> cases = {
      {1057, {}, nullptr},  // MP4 - H264, all "Auto"
      {1055, {}, nullptr},  // iPhone: size, rate, channels
      {1185,
       {"--audio-quality", "high"},  // MP3, high quality
       [](OutputSettingsDialog& d) { PickCombo(d, "ComboAudioQ", 0); }},
      {1046, {}, nullptr},  // 3GP: the fixed small size
      {1052,
       {"--vb", "1500k", "--crop", "4,2,4,2", "--vflip", "--rotate", "90"},  // RM cap
       [](OutputSettingsDialog& d) {
         SettingsGrid* g = d.Grid();
         g->EditValue(GridItem::VideoBitrate, "1500k");
         g->EditChecked(GridItem::Crop, true);
         g->EditValue(GridItem::CropLeft, "4");
         g->EditValue(GridItem::CropTop, "2");
         g->EditValue(GridItem::CropRight, "4");
         g->EditValue(GridItem::CropBottom, "2");
         g->EditChecked(GridItem::VerticalFlip, true);
         g->EditValue(GridItem::Rotate, "90");
       }},
      {1034,
       {"--video-quality", "low", "--fps", "25", "--aspect", "4:3", "--channels", "1"},
       [](OutputSettingsDialog& d) {
         PickCombo(d, "ComboVideoQ", 2);
         d.Grid()->EditValue(GridItem::FrameRate, "25");
         d.Grid()->EditValue(GridItem::Aspect, "4:3");
         d.Grid()->EditValue(GridItem::Channels, "1");
       }},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    OutputSettingsDialog dialog(nullptr);
    dialog.ApplyProfile(c.profile, QString::fromUtf8(FindProfile(c.profile)->caption));
    if (c.dialogValues) c.dialogValues(dialog);
    const OutputSettings settings = dialog.Settings();

    QStringList args = {"--dry-run", "-o", out, "--profile", QString::number(c.profile)};
    args += c.cliValues;
    args += files;
    const ProgramResult r = RunConvert(args);
    // Results on standard output, refusals on standard error, in the sources' order.
    const QStringList lines = (r.out + r.err).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);

    qint64 pixels = 0;
    bool refused = false;
    for (size_t i = 0; i < rows.size(); ++i) {
      const ConversionJob job = BuildConversion(settings, rows[i], out, &pixels);
      const QString file = files[static_cast<int>(i)];
      // A dry run says what the run would refuse (no sound for a sound-only output).
      if (r.err.contains("failed: " + file + ": Cannot convert")) {
        refused = true;
        continue;
      }
      const QStringList match = r.out.split('\n').filter(file + "\t");
      ASSERT_EQ(match.size(), 1);
      const QStringList fields = match[0].split('\t');
      ASSERT_EQ(fields.size(), 4);
      EXPECT_EQ(fields[0], file);
      EXPECT_EQ(fields[1], job.outputPath);
      EXPECT_EQ(fields[2], job.options);
      EXPECT_TRUE(fields[3].startsWith("size about ")) << fields[3].toStdString();
    }
    EXPECT_EQ(r.exitCode, refused ? 1 : 0) << r.err.toStdString();
  }
}

TEST(CliDialogMatch, APresetGivesTheOptionStringsOfItsFlagsAndLaterOptionsWin) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString out = dir.path() + "/";
  const QString clip = dir.path() + "/clip.mp4";
  ASSERT_TRUE(Fixtures::VideoWithAudio(clip));

  // Saved from the dialog into the user's presets, which the program reads too.
  OutputSettingsDialog dialog(nullptr);
  dialog.ApplyProfile(1052, QString::fromUtf8(FindProfile(1052)->caption));
  SettingsGrid* g = dialog.Grid();
  g->EditValue(GridItem::VideoBitrate, "600k");
  g->EditChecked(GridItem::Crop, true);
  g->EditValue(GridItem::CropLeft, "4");
  g->EditValue(GridItem::CropBottom, "2");
  g->EditChecked(GridItem::VerticalFlip, true);
  g->EditValue(GridItem::Rotate, "90");
  const QString name = "Film: RM & small";
  QString error;
  ASSERT_TRUE(PresetStore().Save(MakePreset(name, dialog.Settings()), error)) << error.toStdString();
  const QString file = dir.path() + "/film.json";
  ASSERT_TRUE(PresetStore().Export(name, file, error));

  const auto dryRun = [&](const QStringList& options) {
    const ProgramResult r = RunConvert(QStringList{"--dry-run", "-o", out} + options + QStringList{clip});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return r.out;
  };
  const QStringList flags = {"--profile", "1052", "--crop", "4,0,0,2", "--vflip", "--rotate", "90"};
  const QString expected = dryRun(flags + QStringList{"--vb", "600k"});
  ASSERT_TRUE(expected.contains("-vb 600k")) << expected.toStdString();
  EXPECT_EQ(dryRun({"--preset", name}), expected);
  EXPECT_EQ(dryRun({"--preset", file}), expected);
  EXPECT_EQ(dryRun({"--preset", name, "--vb", "500k"}), dryRun(flags + QStringList{"--vb", "500k"}));

  // A preset that cannot be used is a usage error that says why.
  QFile newer(dir.path() + "/newer.json");
  ASSERT_TRUE(newer.open(QIODevice::WriteOnly));
  newer.write(
      PresetToJson(MakePreset("Newer", dialog.Settings())).replace("\"version\": 1", "\"version\": 7"));
  newer.close();
  for (const QString& bad : {newer.fileName(), QString("No such preset")}) {
    const ProgramResult r = RunConvert({"--dry-run", "-o", out, "--preset", bad, clip});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("--preset: ") && r.err.contains(bad)) << r.err.toStdString();
  }
}
