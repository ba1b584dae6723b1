// The output settings dialog driven through its real widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <tuple>

#include "core/Helpers.h"
#include "core/Settings.h"
#include "desktop/UiServices.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSettingsDialog.h"
#include "output/PreviewPanel.h"
#include "output/PreviewRun.h"
#include "output/SettingsGrid.h"
#include "support/Fixtures.h"
#include "support/WaitUntil.h"

namespace {

class DialogTest : public testing::Test {
 protected:
  void SetUp() override { dlg = std::make_unique<OutputSettingsDialog>(nullptr, "/tmp/vidéos out/"); }
  void TearDown() override { Ui::SetFolderHandler({}); }

  template <typename T>
  T* Child(const char* name) const {
    T* widget = dlg->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // Picks a combo entry the way a click does.
  void Pick(const char* combo, int index) {
    auto* box = Child<QComboBox>(combo);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  void ShowActive() {
    dlg->show();
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
  }
  // Types into a size box and leaves it for the CPU combo.
  QString TypeAndLeave(const char* box, const QString& text) {
    auto* edit = Child<QLineEdit>(box);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
    Child<QComboBox>("ComboCPU")->setFocus();
    QApplication::processEvents();
    return edit->text();
  }
  QAction* MenuAction(int id) const {
    for (QAction* action : dlg->FormatMenu()->findChildren<QAction*>()) {
      if (!action->menu() && action->data().toInt() == id) return action;
    }
    return nullptr;
  }

  std::unique_ptr<OutputSettingsDialog> dlg;
};

}  // namespace

TEST_F(DialogTest, LoadsWithTheDefaultRecordCollapsed) {
  EXPECT_EQ(dlg->windowTitle(), "Output Settings");
  const OutputSettings s = dlg->Settings();
  EXPECT_EQ(s.outputFormatKey, "mp4h264");
  EXPECT_FALSE(s.audioOnly);
  EXPECT_EQ(s.profileCaption, "MP4 - H264 Video (*.mp4)");
  EXPECT_EQ(Child<QComboBox>("ComboFormat")->count(), 1);
  EXPECT_EQ(s.sizeIndex, 0);
  EXPECT_TRUE(s.width.isEmpty() && s.height.isEmpty());
  EXPECT_FALSE(Child<QLineEdit>("TextW")->isEnabled());
  EXPECT_FALSE(Child<QLineEdit>("TextH")->isEnabled());
  EXPECT_EQ(s.videoQuality, 1);
  EXPECT_EQ(s.audioQuality, 1);
  EXPECT_EQ(s.outputFolder, "/tmp/vidéos out/");
  EXPECT_EQ(s.grid.fileExtension, "mp4");
  EXPECT_EQ(s.grid.videoBitrate, "Auto");

  auto* cpu = Child<QComboBox>("ComboCPU");
  ASSERT_EQ(cpu->count(), ProcessorCount());
  EXPECT_EQ(cpu->itemText(0), "1");
  EXPECT_EQ(cpu->currentIndex(), cpu->count() - 1);
  EXPECT_EQ(s.threads, QString::number(ProcessorCount()));

  EXPECT_FALSE(dlg->MoreExpanded());
  EXPECT_EQ(Child<QPushButton>("BtnMore")->text(), "&More >>");  // Alt+M
  EXPECT_EQ(Child<QComboBox>("ComboSize")->count(), 16);
}

TEST_F(DialogTest, MoreSwitchesWidthAndGrid) {
  dlg->show();
  auto* more = Child<QPushButton>("BtnMore");
  EXPECT_EQ(dlg->width(), 487);
  EXPECT_FALSE(dlg->Grid()->isVisible());
  QTest::mouseClick(more, Qt::LeftButton);
  EXPECT_EQ(dlg->width(), 818);
  EXPECT_TRUE(dlg->MoreExpanded());
  EXPECT_TRUE(dlg->Grid()->isVisible());
  EXPECT_EQ(more->text(), "&More <<");
  QTest::mouseClick(more, Qt::LeftButton);
  EXPECT_EQ(dlg->width(), 487);
  EXPECT_FALSE(dlg->Grid()->isVisible());
  EXPECT_EQ(more->text(), "&More >>");
}

TEST_F(DialogTest, SizeComboStates) {
  ShowActive();
  auto* w = Child<QLineEdit>("TextW");
  auto* h = Child<QLineEdit>("TextH");
  Pick("ComboSize", 3);  // "320 x 240 (qvga)"
  EXPECT_EQ(w->text(), "320");
  EXPECT_EQ(h->text(), "240");
  EXPECT_FALSE(w->isEnabled() || h->isEnabled());

  Pick("ComboSize", 15);  // "Custom...": keeps the text, focus to the width box
  EXPECT_TRUE(w->isEnabled() && h->isEnabled());
  EXPECT_EQ(w->text(), "320");
  EXPECT_TRUE(w->hasFocus());

  Pick("ComboSize", 0);  // "Auto"
  EXPECT_TRUE(w->text().isEmpty() && h->text().isEmpty());
  EXPECT_FALSE(w->isEnabled() || h->isEnabled());
  EXPECT_TRUE(w->text().isEmpty()) << "disabling the focused box must not correct it";
}

TEST_F(DialogTest, WidthAndHeightTakeDigitsOnlyAndAreCorrectedOnLeaving) {
  ShowActive();
  Pick("ComboSize", 15);
  EXPECT_EQ(TypeAndLeave("TextH", "1a2-b"), "16");  // letters never reach the box
  EXPECT_EQ(TypeAndLeave("TextW", ""), "16");
  EXPECT_EQ(TypeAndLeave("TextW", "3"), "16");
  EXPECT_EQ(TypeAndLeave("TextW", "5001"), "5000");
  EXPECT_EQ(TypeAndLeave("TextW", "721"), "722");
  EXPECT_EQ(TypeAndLeave("TextH", "0320"), "0320");
  EXPECT_EQ(dlg->Settings().width, "722");
}

TEST_F(DialogTest, OkCorrectsTheFocusedBoxThenCallsTheHandler) {
  ShowActive();
  Pick("ComboSize", 15);
  auto* w = Child<QLineEdit>("TextW");
  w->setFocus();
  w->setText("33");
  int calls = 0;
  QString widthSeen;
  dlg->SetOkHandler([&] {
    ++calls;
    widthSeen = dlg->Settings().width;
  });
  QTest::keyClick(w, Qt::Key_Return);  // default button, focus stays in the box
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(widthSeen, "34");
  EXPECT_TRUE(dlg->isVisible()) << "the handler decides whether the dialog hides";
}

TEST_F(DialogTest, OkWithoutHandlerHides) {
  dlg->show();
  QTest::mouseClick(Child<QPushButton>("BtnOK"), Qt::LeftButton);
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(DialogTest, QualityChoicesResetTheirBitrates) {
  SettingsGrid* grid = dlg->Grid();
  grid->EditValue(GridItem::VideoBitrate, "1500k");
  grid->EditValue(GridItem::AudioBitrate, "192k");
  grid->EditValue(GridItem::SampleRate, "48000");
  Pick("ComboVideoQ", 0);
  EXPECT_EQ(grid->Text(GridItem::VideoBitrate), "Auto");
  EXPECT_EQ(grid->Text(GridItem::AudioBitrate), "192k");
  Pick("ComboAudioQ", 2);
  EXPECT_EQ(grid->Text(GridItem::AudioBitrate), "Auto");
  EXPECT_EQ(grid->Text(GridItem::SampleRate), "Auto");
  EXPECT_EQ(dlg->Settings().audioQuality, 2);
}

TEST_F(DialogTest, ProfileMenuHoldsTheCatalogueWithIds) {
  QMenu* menu = dlg->FormatMenu();
  ASSERT_EQ(menu->objectName(), "FormatMenu");
  QStringList top;
  for (QAction* action : menu->actions())
    top << action->text();
  EXPECT_EQ(top, QStringList({"General Audio Format", "General Video Format", "Device", "Modern"}));
  QMenu* device = menu->actions().at(2)->menu();
  ASSERT_NE(device, nullptr);
  QStringList devices;
  for (QAction* action : device->actions())
    devices << action->text();
  EXPECT_EQ(devices, DeviceMenuNames());

  int entries = 0;
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    QAction* action = MenuAction(entry.id);
    ASSERT_NE(action, nullptr) << entry.id;
    EXPECT_EQ(action->text(), entry.caption);
    auto* holder = qobject_cast<QMenu*>(action->parent());
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->title(), entry.menu);
    ++entries;
  }
  EXPECT_EQ(entries, 148);  // 138 classic entries and the newer codecs' 10
}

TEST_F(DialogTest, MenuEntriesApplyTheirProfiles) {
  ShowActive();
  SettingsGrid* grid = dlg->Grid();
  grid->EditChecked(GridItem::Crop, true);
  grid->EditValue(GridItem::CropTop, "12");

  MenuAction(1185)->trigger();  // MP3
  OutputSettings s = dlg->Settings();
  EXPECT_TRUE(s.audioOnly);
  EXPECT_EQ(s.grid.fileExtension, "mp3");
  EXPECT_EQ(Child<QComboBox>("ComboFormat")->currentText(), "MP3 - MPEG Layer-3 Audio (*.mp3)");
  EXPECT_EQ(Child<QComboBox>("ComboFormat")->count(), 1);
  EXPECT_TRUE(grid->IsCategoryHidden(GridCategory::Video));
  EXPECT_TRUE(grid->IsItemHidden(GridItem::RemoveAudio));
  EXPECT_FALSE(Child<QComboBox>("ComboSize")->isEnabled());
  EXPECT_FALSE(Child<QComboBox>("ComboVideoQ")->isEnabled());
  EXPECT_FALSE(Child<QLineEdit>("TextW")->isEnabled());
  EXPECT_TRUE(Child<QComboBox>("ComboAudioQ")->isEnabled());

  MenuAction(1055)->trigger();  // iPhone - H.264 Video
  s = dlg->Settings();
  EXPECT_FALSE(s.audioOnly);
  EXPECT_EQ(s.outputFormatKey, "mp4h264");
  EXPECT_EQ(Child<QComboBox>("ComboSize")->currentText(), "Custom...");
  EXPECT_EQ(s.width, "480");
  EXPECT_EQ(s.height, "320");
  EXPECT_TRUE(Child<QLineEdit>("TextW")->hasFocus());
  EXPECT_EQ(s.grid.frameRate, "29.97");
  EXPECT_EQ(s.grid.channels, 2);
  EXPECT_EQ(grid->Text(GridItem::Channels), "2");
  EXPECT_FALSE(grid->IsCategoryHidden(GridCategory::Video));
  EXPECT_TRUE(Child<QComboBox>("ComboSize")->isEnabled());
  EXPECT_TRUE(s.grid.crop);
  EXPECT_EQ(s.grid.cropTop, 12);
  EXPECT_FALSE(grid->IsItemReadOnly(GridItem::CropTop));

  MenuAction(1057)->trigger();  // back to the start profile: boxes left enabled, empty
  EXPECT_TRUE(Child<QLineEdit>("TextW")->isEnabled());
  EXPECT_TRUE(dlg->Settings().width.isEmpty());
}

TEST_F(DialogTest, CloseBoxAndCancelHideAndKeepState) {
  dlg->show();
  QTest::mouseClick(Child<QPushButton>("BtnMore"), Qt::LeftButton);
  MenuAction(1181)->trigger();  // VCD PAL
  dlg->Grid()->EditValue(GridItem::Aspect, "16:9");
  const OutputSettings before = dlg->Settings();

  EXPECT_TRUE(dlg->close());
  EXPECT_FALSE(dlg->isVisible());
  dlg->show();
  OutputSettings after = dlg->Settings();
  EXPECT_EQ(after.outputFormatKey, "pal-vcd");
  EXPECT_EQ(after.profileCaption, before.profileCaption);
  EXPECT_EQ(after.width, "352");
  EXPECT_EQ(after.grid.aspect, "16:9");
  EXPECT_TRUE(dlg->MoreExpanded());
  EXPECT_EQ(dlg->width(), 818);

  QTest::mouseClick(Child<QPushButton>("BtnCancel"), Qt::LeftButton);
  EXPECT_FALSE(dlg->isVisible());
  after = dlg->Settings();
  EXPECT_EQ(after.grid.frameRate, "25");
  EXPECT_EQ(after.height, "288");
}

TEST_F(DialogTest, BrowseWritesTheChosenFolderAndKeepsItOnCancel) {
  QString start;
  Ui::SetFolderHandler([&](const Ui::FolderRequest& request) {
    start = request.start;
    return QString("/media/disk/Ünïcode \"quoted\" folder");
  });
  QTest::mouseClick(Child<QPushButton>("BtnBrowse"), Qt::LeftButton);
  EXPECT_EQ(start, "/tmp/");  // the typed folder does not exist: its nearest existing parent
  EXPECT_EQ(dlg->FolderBox()->text(), "/media/disk/Ünïcode \"quoted\" folder");

  Ui::SetFolderHandler([](const Ui::FolderRequest&) { return QString(); });
  dlg->BrowseFolder();
  EXPECT_EQ(dlg->Settings().outputFolder, "/media/disk/Ünïcode \"quoted\" folder");
}

TEST_F(DialogTest, EnterInTheGridConfirmsTheValueNotTheDialog) {
  ShowActive();
  QTest::mouseClick(Child<QPushButton>("BtnMore"), Qt::LeftButton);
  int calls = 0;
  dlg->SetOkHandler([&] { ++calls; });
  SettingsGrid* grid = dlg->Grid();
  grid->Tree()->editItem(grid->TreeItem(GridItem::SampleRate), 1);
  auto* editor = qobject_cast<QComboBox*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->lineEdit()->setText("44100");
  QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(grid->Text(GridItem::SampleRate), "44100");
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(DialogTest, ReplacedWidthOrHeightIsNotedUnderTheForm) {
  ShowActive();
  Pick("ComboSize", 15);
  auto* note = Child<QLabel>("SizeNote");
  EXPECT_TRUE(dlg->SizeNote().isEmpty());
  EXPECT_EQ(TypeAndLeave("TextW", "1"), "16");
  EXPECT_TRUE(dlg->SizeNote().startsWith("Width: \"1\" was replaced by \"16\""))
      << dlg->SizeNote().toStdString();
  EXPECT_TRUE(dlg->SizeNote().contains("16 to 5000"));
  EXPECT_EQ(note->text(), dlg->SizeNote());
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(TypeAndLeave("TextH", "0320"), "0320");  // kept as typed: nothing to say
  EXPECT_TRUE(dlg->SizeNote().isEmpty());
  EXPECT_EQ(TypeAndLeave("TextH", "721"), "722");
  EXPECT_TRUE(dlg->SizeNote().startsWith("Height: \"721\""));
  EXPECT_EQ(TypeAndLeave("TextH", ""), "16");
  EXPECT_TRUE(dlg->SizeNote().contains("empty"));
  Pick("ComboSize", 3);  // a new size choice: the note is about the old boxes
  EXPECT_TRUE(dlg->SizeNote().isEmpty());
}

// Alt and each label's own letter puts the cursor into the field the label names.
TEST_F(DialogTest, AltAndALabelsLetterReachesItsField) {
  ShowActive();
  QString letters;
  for (QLabel* label : dlg->findChildren<QLabel*>()) {
    if (!label->buddy() || !label->buddy()->isEnabled()) continue;
    const qsizetype amp = label->text().indexOf('&');
    ASSERT_GE(amp, 0) << label->text().toStdString();
    const QChar letter = label->text().at(amp + 1).toLower();
    EXPECT_FALSE(letters.contains(letter)) << label->text().toStdString();
    letters += letter;
    QTest::keyClick(dlg.get(), static_cast<Qt::Key>(letter.toUpper().unicode()), Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), label->buddy()) << label->text().toStdString();
  }
  EXPECT_GE(letters.size(), 7);
}

TEST_F(DialogTest, IfExistsChoiceIsStoredOnOkAndReadBackWhenCreated) {
  EXPECT_EQ(Child<QLabel>("LabelIfExists")->text().remove('&'), "If the output file exists");
  auto* combo = Child<QComboBox>("ComboIfExists");
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i)
    entries << combo->itemText(i);
  EXPECT_EQ(entries, QStringList({"Keep both", "Overwrite", "Skip"}));
  EXPECT_EQ(dlg->Settings().ifExists, ExistingOutput::KeepBoth);

  dlg->SetOkHandler([] {});
  for (const auto& [index, rule, stored] : {std::tuple{1, ExistingOutput::Overwrite, "Overwrite"},
                                            {2, ExistingOutput::Skip, "Skip"},
                                            {0, ExistingOutput::KeepBoth, "KeepBoth"}}) {
    Pick("ComboIfExists", index);
    EXPECT_EQ(dlg->Settings().ifExists, rule);
    QTest::mouseClick(Child<QPushButton>("BtnOK"), Qt::LeftButton);
    EXPECT_EQ(ReadSetting("IfExists"), stored);
    OutputSettingsDialog again(nullptr);
    EXPECT_EQ(again.Settings().ifExists, rule) << stored;
  }
  // Cancel stores nothing.
  Pick("ComboIfExists", 2);
  QTest::mouseClick(Child<QPushButton>("BtnCancel"), Qt::LeftButton);
  EXPECT_EQ(ReadSetting("IfExists"), "KeepBoth");
  // Missing or unknown stored text means Keep both.
  for (const char* text : {"", "skip", "Delete"}) {
    WriteSetting("IfExists", text);
    EXPECT_EQ(OutputSettingsDialog(nullptr).Settings().ifExists, ExistingOutput::KeepBoth) << text;
  }
  // A record shown in the dialog carries its choice.
  OutputSettings s = dlg->Settings();
  s.ifExists = ExistingOutput::Overwrite;
  dlg->ShowSettings(s, dlg->Controls());
  EXPECT_EQ(combo->currentText(), "Overwrite");
}

TEST_F(DialogTest, ConstantQualityFollowsTheFormatsEncoderScale) {
  ShowActive();
  SettingsGrid* grid = dlg->Grid();
  ASSERT_TRUE(grid->EditValue(GridItem::QualityMode, "Constant quality"));
  ASSERT_TRUE(grid->EditValue(GridItem::ConstantQuality, "70"));
  EXPECT_EQ(grid->Text(GridItem::ConstantQuality), "51");  // x264's worst end
  EXPECT_NE(grid->Note(), "");

  MenuAction(1201)->trigger();  // MP4 - HEVC: its own starting value, the mode kept
  EXPECT_EQ(dlg->Settings().grid.constantQuality, 28);
  EXPECT_EQ(dlg->Settings().grid.qualityMode, 1);
  grid->Tree()->setCurrentItem(grid->TreeItem(GridItem::ConstantQuality));
  EXPECT_TRUE(grid->DescriptionText().contains("libx265 scale from 0"));

  MenuAction(1050)->trigger();  // MPEG-1 has no quality scale: both items are fixed and say why
  EXPECT_TRUE(grid->IsItemReadOnly(GridItem::ConstantQuality));
  EXPECT_TRUE(grid->IsItemReadOnly(GridItem::QualityMode));
  EXPECT_FALSE(grid->EditValue(GridItem::ConstantQuality, "30"));
  grid->Tree()->setCurrentItem(grid->TreeItem(GridItem::ConstantQuality));
  EXPECT_TRUE(grid->DescriptionText().contains("no constant quality mode"));
  MenuAction(1202)->trigger();  // VP9
  EXPECT_FALSE(grid->IsItemReadOnly(GridItem::ConstantQuality));
  EXPECT_EQ(grid->Text(GridItem::ConstantQuality), "32");
}

TEST(PreviewSpanTest, TheMiddleTenSecondsOfWhatTheSettingsKeep) {
  EXPECT_EQ(MiddleSpan(60000, 0, 0).startMs, 25000);  // a minute: 25 s to 35 s
  EXPECT_EQ(MiddleSpan(60000, 20000, 20000).startMs, 25000);
  EXPECT_EQ(MiddleSpan(60000, 56000, 0).lengthMs, 4000);  // what is left is shorter
  EXPECT_EQ(MiddleSpan(0, 3000, 0).startMs, 3000);        // unknown length: from the start
  EXPECT_EQ(MiddleSpan(0, 3000, 0).lengthMs, 10000);
}

// The sample is converted in the background, measured and handed to the player;
// its temporary file goes when the dialog closes, also after a canceled sample.
TEST_F(DialogTest, PreviewPlaysASampleAndRemovesItOnClose) {
  auto* button = Child<QPushButton>("BtnPreview");
  dlg->SetPreviewSource(std::nullopt);
  EXPECT_FALSE(button->isEnabled());
  EXPECT_FALSE(button->toolTip().isEmpty());

  QTemporaryDir dir;
  ASSERT_TRUE(Fixtures::VideoWithAudio(dir.path() + "/clip.mp4", 3.0));
  FileRow row;
  row.path = dir.path() + "/clip.mp4";
  row.source.durationUs = 3000000;
  row.source.videoTracks = row.source.audioTracks = 1;
  row.source.uprightWidth = row.source.storedWidth = 320;
  row.source.uprightHeight = row.source.storedHeight = 240;
  dlg->SetPreviewSource(row);
  QStringList played;
  dlg->Preview()->SetPlayer([&played](const QString& path) { played << path; });
  dlg->show();

  PreviewRun& run = dlg->Preview()->Run();
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_TRUE(run.Running()) << run.Error().toStdString();
  EXPECT_FALSE(button->isEnabled());
  ASSERT_TRUE(WaitUntil([&] { return !run.Running(); }));
  ASSERT_EQ(played.size(), 1) << dlg->Preview()->Result()->text().toStdString();
  EXPECT_TRUE(QFileInfo::exists(played[0]));
  EXPECT_NEAR(run.Seconds(), 3.0, 0.1);
  EXPECT_TRUE(dlg->Preview()->Result()->text().contains("kbit/s"));
  EXPECT_GT(run.BytesPerSecond(dlg->Settings()), 0);
  OutputSettings other = dlg->Settings();
  other.grid.videoBitrate = "300k";
  EXPECT_EQ(run.BytesPerSecond(other), 0);  // measured for other settings
  const QString folder = run.FolderPath();
  dlg->reject();
  EXPECT_FALSE(QFileInfo::exists(played[0]));
  EXPECT_FALSE(QFileInfo::exists(folder));

  // Canceled while converting, then closed: the folder goes once the sample has stopped.
  dlg->show();
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_TRUE(run.Running());
  const QString second = run.FolderPath();
  QTest::mouseClick(Child<QPushButton>("BtnPreviewCancel"), Qt::LeftButton);
  dlg->reject();
  ASSERT_TRUE(WaitUntil([&] { return !run.Running(); }));
  EXPECT_FALSE(QFileInfo::exists(second));
  EXPECT_EQ(played.size(), 1);
}
