// Saved presets: a round trip through the store, files it must refuse, and the file
// names that any preset name gets.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>

#include "conversion/ConversionBuilder.h"
#include "output/GridValueFields.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSettingsDialog.h"
#include "output/OutputSizes.h"
#include "output/PresetStore.h"
#include "output/SettingsGrid.h"
#include "support/UiRecorder.h"

namespace {

// Every field a preset carries, every grid item included, as one comparable text.
QString Choices(OutputSettings s) {
  QString text = s.outputFormatKey + "|" + s.profileCaption + "|" + QString::number(s.audioOnly) + "|" +
                 QString::number(s.sizeIndex) + "|" + s.width + "x" + s.height + "|" +
                 QString::number(s.videoQuality) + QString::number(s.audioQuality) + "|" +
                 IfExistsSettingText(s.ifExists);
  for (const GridItemInfo& info : GridItemTable()) {
    const GridField field = GridFieldOf(s.grid, info.item);
    text += "|" + QString::fromUtf8(info.caption) + "=";
    if (auto* t = std::get_if<QString*>(&field); t && *t) text += **t;
    if (auto* n = std::get_if<int*>(&field); n && *n) text += QString::number(**n);
    if (auto* b = std::get_if<bool*>(&field); b && *b) text += **b ? "true" : "false";
  }
  return text;
}

FileRow Clip() {
  FileRow row;
  row.path = "/videos/clip.mov";
  row.nativePath = row.path.toUtf8();
  row.source.videoTracks = row.source.audioTracks = 1;
  row.source.storedWidth = row.source.uprightWidth = 1280;
  row.source.storedHeight = row.source.uprightHeight = 720;
  row.source.durationUs = 5000000;
  return row;
}

QString WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(data);
  return path;
}

}  // namespace

TEST(Presets, RoundTripGivesTheSameChoicesAndOptionStringAfterARestart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  OutputSettingsDialog dialog(nullptr, "/tmp/out/");
  dialog.ApplyProfile(1052, QString::fromUtf8(FindProfile(1052)->caption));  // a fixed-size profile
  OutputSettings s = dialog.Settings();
  OutputControls c = dialog.Controls();
  SelectSize(s, c, SizeCustomIndex);
  s.width = "640";
  s.height = "360";
  SelectVideoQuality(s, 2);
  s.ifExists = ExistingOutput::Skip;
  dialog.ShowSettings(s, c);
  SettingsGrid* g = dialog.Grid();
  g->EditValue(GridItem::VideoBitrate, "1500k");
  g->EditChecked(GridItem::Crop, true);
  g->EditValue(GridItem::CropLeft, "4");
  g->EditValue(GridItem::Rotate, "-90");
  g->EditValue(GridItem::Channels, "1");
  g->EditValue(GridItem::Subtitles, "None");
  g->EditChecked(GridItem::KeepFileDate, false);
  const OutputSettings saved = dialog.Settings();

  const QString name = "Phone & TV: 50% \"small\"";
  QString error;
  ASSERT_TRUE(PresetStore(dir.path()).Save(MakePreset(name, saved), error)) << error.toStdString();

  // A new store and a new dialog, as after a restart; the folder and cores stay its own.
  const PresetStore store(dir.path());
  ASSERT_EQ(store.Names(), QStringList{name});
  const auto loaded = store.Load(name, error);
  ASSERT_TRUE(loaded) << error.toStdString();
  OutputSettingsDialog fresh(nullptr, "/tmp/elsewhere/");
  fresh.ApplyPreset(*loaded);
  const OutputSettings applied = fresh.Settings();
  EXPECT_EQ(Choices(applied), Choices(saved));
  EXPECT_EQ(applied.outputFolder, "/tmp/elsewhere/");
  EXPECT_FALSE(fresh.Grid()->IsItemReadOnly(GridItem::CropTop));  // crop is on: its values are editable
  EXPECT_EQ(BuildConversion(applied, Clip(), "/out/").options,
            BuildConversion(saved, Clip(), "/out/").options);

  // Export and import give the same file under the same name.
  QTemporaryDir other;
  const QString exported = other.path() + "/exported.json";
  ASSERT_TRUE(store.Export(name, exported, error)) << error.toStdString();
  const auto imported = PresetStore::ReadFile(exported, error);
  ASSERT_TRUE(imported) << error.toStdString();
  ASSERT_TRUE(PresetStore(other.path() + "/store").Save(*imported, error));
  QFile a(dir.path() + "/" + PresetFileName(name)), b(other.path() + "/store/" + PresetFileName(name));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(a.readAll(), b.readAll());

  // Rename keeps the choices; delete removes the file.
  ASSERT_TRUE(store.Rename(name, "Renamed", error));
  EXPECT_EQ(store.Names(), QStringList{"Renamed"});
  EXPECT_EQ(Choices(store.Load("Renamed", error)->settings), Choices(loaded->settings));
  ASSERT_TRUE(store.Remove("Renamed", error));
  EXPECT_TRUE(store.Names().isEmpty());
}

TEST(Presets, DamagedNewerOrUnknownFilesAreRefusedWithAMessageAndNothingApplied) {
  QTemporaryDir dir;
  Preset good = MakePreset("Good", OutputSettings());
  ApplyProfile(good.settings, 1057);
  const QByteArray text = PresetToJson(good);
  const auto with = [&text](const char* from, const char* to) { return QByteArray(text).replace(from, to); };
  const struct {
    QByteArray data;
    const char* says;
  } cases[] = {
      {text.left(text.size() / 2), "damaged"},
      {"[1, 2]", "damaged"},
      {with("\"version\": 1", "\"version\": 2"), "newer version"},
      {with("\"version\": 1", "\"version\": \"1\""), "damaged"},
      {with("\"mp4h264\"", "\"mp4h999\""), "profile"},
      {with("\"Rotate\": 0", "\"Rotate\": 400"), "Rotate"},
      {with("\"Video Bitrate\": \"Auto\"", "\"Video Bitrate\": \"fast\""), "Video Bitrate"},
      {with("\"Channels\": \"Auto\"", "\"Channels\": \"5\""), "Channels"},
      {with("\"Crop Video\": false", "\"Crop Video\": \"yes\""), "Crop Video"},
      {with("\"Subtitles\"", "\"Subtitle Font\""), "Subtitle Font"},
      {with("\"ifExists\": \"KeepBoth\"", "\"ifExists\": \"Shred\""), "ifExists"},
      {with("\"size\": \"Auto\"", "\"size\": \"9 x 9\""), "size"},
  };
  QString goodError;
  ASSERT_TRUE(PresetStore::ReadFile(WriteFile(dir.path() + "/good.json", text), goodError))
      << goodError.toStdString();
  OutputSettingsDialog dialog(nullptr, "/tmp/out/");
  const OutputSettings before = dialog.Settings();
  int n = 0;
  for (const auto& c : cases) {
    const QString path = WriteFile(dir.path() + QString("/bad%1.json").arg(n++), c.data);
    QString error;
    const auto preset = PresetStore::ReadFile(path, error);
    EXPECT_FALSE(preset) << c.data.toStdString();
    EXPECT_TRUE(error.contains(path) && error.contains(c.says)) << error.toStdString();
    if (preset) dialog.ApplyPreset(*preset);
  }
  EXPECT_EQ(Choices(dialog.Settings()), Choices(before));
}

TEST(Presets, AnyNameGivesItsOwnSafeFileName) {
  QTemporaryDir dir;
  const QStringList names = {"../../etc/passwd",
                             ".hidden",
                             "a/b",
                             "a%2Fb",
                             "a%252Fb",
                             "say \"hi\" 'now' `ls`",
                             "Ünïcödé 日本語",
                             "-rf *",
                             "a\nb\tc",
                             "  spaced  ",
                             "CON",
                             "con",
                             "x.json",
                             QString(60, QChar(0x65E5))};
  const PresetStore store(dir.path());
  QSet<QString> files;
  for (const QString& name : names) {
    const QString file = PresetFileName(name);
    SCOPED_TRACE(file.toStdString());
    EXPECT_FALSE(file.contains('/') || file.startsWith('.') || file.startsWith('-'));
    for (const QChar ch : file)
      EXPECT_TRUE(ch.isPrint());
    EXPECT_LE(file.toUtf8().size(), 255);
    EXPECT_EQ(PresetNameOfFile(file), name);
    files.insert(file);
    QString error;
    EXPECT_TRUE(store.Save(MakePreset(name, OutputSettings()), error)) << error.toStdString();
  }
  EXPECT_EQ(files.size(), names.size());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), names.size());
  const QStringList stored = store.Names();
  EXPECT_EQ(QSet<QString>(stored.begin(), stored.end()), QSet<QString>(names.begin(), names.end()));
  EXPECT_FALSE(PresetNameProblem(QString(300, 'a')).isEmpty());
  EXPECT_FALSE(PresetNameProblem(" ").isEmpty());
  EXPECT_TRUE(PresetNameOfFile("not%2a preset.json").isEmpty());  // only the one spelling counts
}

TEST(Presets, EveryGridItemHasAFieldOfItsOwnAndOfItsKind) {
  GridValues values;
  QSet<const void*> fields;
  for (const GridItemInfo& info : GridItemTable()) {
    SCOPED_TRACE(info.caption);
    const GridField field = GridFieldOf(values, info.item);
    const void* address = std::visit([](auto* p) { return static_cast<const void*>(p); }, field);
    ASSERT_NE(address, nullptr);
    fields.insert(address);
    const bool number = std::holds_alternative<int*>(field);
    switch (info.kind) {
      case GridItemKind::Check:
        EXPECT_TRUE(std::holds_alternative<bool*>(field));
        break;
      case GridItemKind::List:
        EXPECT_TRUE(number);
        break;
      case GridItemKind::Text:
      case GridItemKind::Number:
        EXPECT_TRUE(number || std::holds_alternative<QString*>(field));
        break;
    }
  }
  EXPECT_EQ(fields.size(), static_cast<qsizetype>(GridItemTable().size()));
}

TEST(Presets, SaveAsPresetAsksForANameAndBeforeReplacingOne) {
  UiRecorder desktop;
  desktop.answer = QMessageBox::No;
  Ui::SetInputHandler([](const Ui::InputRequest&) { return std::optional<QString>("  Mine  "); });
  OutputSettingsDialog dialog(nullptr);
  const QString first = dialog.Settings().grid.videoBitrate;
  auto* save = dialog.findChild<QPushButton*>("BtnSavePreset");
  ASSERT_NE(save, nullptr);
  save->click();
  const PresetStore store;
  EXPECT_EQ(store.Names(), QStringList{"Mine"});
  EXPECT_TRUE(desktop.messages.empty());

  // The same name again: the question comes first, and No keeps the saved preset.
  ASSERT_NE(first, "900k");
  dialog.Grid()->EditValue(GridItem::VideoBitrate, "900k");
  save->click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, "A preset named \"Mine\" already exists. Replace it?");
  QString error;
  EXPECT_EQ(store.Load("Mine", error)->settings.grid.videoBitrate, first);
  desktop.answer = QMessageBox::Yes;
  save->click();
  EXPECT_EQ(store.Load("Mine", error)->settings.grid.videoBitrate, "900k");
  Ui::SetInputHandler(nullptr);
  ASSERT_TRUE(store.Remove("Mine", error));
}
