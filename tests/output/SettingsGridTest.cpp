// The settings grid widget: build, switches, user edits and the all-item check.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "output/SettingsGrid.h"

namespace {

// Lets the view commit and close an editor (it does so through queued calls).
void FlushClosedEditors() { QApplication::processEvents(); }

// The editor the view has open; closed ones are hidden until they are deleted.
template <typename T>
T* OpenEditor(QTreeWidget* tree) {
  for (T* editor : tree->viewport()->findChildren<T*>()) {
    if (editor->isVisible()) return editor;
  }
  return nullptr;
}

class GridTest : public testing::Test {
 protected:
  void SetUp() override { grid.BuildSettingsGrid(); }
  SettingsGrid grid;
};

}  // namespace

TEST_F(GridTest, BuildGivesCategoriesItemsAndInitialValues) {
  QTreeWidget* tree = grid.Tree();
  ASSERT_EQ(tree->topLevelItemCount(), 4);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "Output File");
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "Video Settings");
  EXPECT_EQ(tree->topLevelItem(2)->text(0), "Audio Settings");
  EXPECT_EQ(tree->topLevelItem(3)->text(0), "Subtitle Settings");
  EXPECT_EQ(tree->topLevelItem(1)->childCount(), 11);
  EXPECT_EQ(grid.TreeItem(GridItem::Crop)->childCount(), 4);
  EXPECT_EQ(tree->topLevelItem(2)->child(4)->text(0), "Remove Audio");
  EXPECT_EQ(tree->topLevelItem(3)->child(0)->text(0), "Subtitles");
  // Every item sits under its own category (or under "Crop Video"), with its caption.
  for (const GridItemInfo& info : GridItemTable()) {
    const QTreeWidgetItem* row = grid.TreeItem(info.item);
    ASSERT_NE(row, nullptr) << info.caption;
    EXPECT_EQ(row->text(0), info.caption);
    EXPECT_EQ(row->parent(), info.cropChild ? grid.TreeItem(GridItem::Crop)
                                            : tree->topLevelItem(static_cast<int>(info.category)))
        << info.caption;
  }

  const GridValues v = grid.Values();
  EXPECT_EQ(grid.Text(GridItem::FileExtension), "");
  EXPECT_EQ(v.videoBitrate, "Auto");
  EXPECT_EQ(v.frameRate, "Auto");
  EXPECT_EQ(v.rotate, 0);
  EXPECT_EQ(grid.Text(GridItem::CropTop), "0");
  EXPECT_EQ(grid.Text(GridItem::Channels), "Auto");
  EXPECT_EQ(v.channels, 0);
  EXPECT_FALSE(v.crop || v.removeAudio || v.verticalFlip || v.horizontalFlip);
  // The new choices start at the engine's defaults: the date kept, all tracks, no enlarging limit.
  EXPECT_TRUE(v.keepFileDate);
  EXPECT_EQ(grid.TreeItem(GridItem::KeepFileDate)->checkState(1), Qt::Checked);
  EXPECT_EQ(grid.Text(GridItem::Upscale), "Allow");
  EXPECT_EQ(grid.Text(GridItem::AudioTracks), "All");
  EXPECT_EQ(grid.Text(GridItem::Subtitles), "Keep");
  EXPECT_EQ(v.upscale + v.audioTracks + v.subtitles + v.qualityMode + v.deinterlace, 0);
  EXPECT_EQ(grid.Text(GridItem::ConstantQuality), "22");  // the first format's (H.264) own value
  EXPECT_TRUE(grid.IsItemReadOnly(GridItem::FileExtension));
  EXPECT_TRUE(grid.IsItemReadOnly(GridItem::CropTop));
  EXPECT_FALSE(grid.IsItemReadOnly(GridItem::VideoBitrate));

  // Building twice must not duplicate anything.
  grid.BuildSettingsGrid();
  EXPECT_EQ(tree->topLevelItemCount(), 4);
}

TEST_F(GridTest, SelectedItemShowsItsDescription) {
  grid.Tree()->setCurrentItem(grid.TreeItem(GridItem::Rotate));
  EXPECT_TRUE(grid.DescriptionText().contains(
      "Rotate the video xx degrees clockwise. Valid number is from -270 to 270"));
  grid.Tree()->setCurrentItem(grid.TreeItem(GridItem::Channels));
  EXPECT_TRUE(grid.DescriptionText().contains("1 - Mono, 2 - Stereo"));
}

TEST_F(GridTest, RemoveAudioHidesAndRestoresTheAudioItems) {
  ASSERT_TRUE(grid.EditValue(GridItem::AudioBitrate, "192k"));
  ASSERT_TRUE(grid.EditChecked(GridItem::RemoveAudio, true));
  EXPECT_TRUE(grid.IsItemHidden(GridItem::AudioBitrate));
  EXPECT_TRUE(grid.IsItemHidden(GridItem::SampleRate));
  EXPECT_TRUE(grid.IsItemHidden(GridItem::Channels));
  EXPECT_TRUE(grid.IsItemHidden(GridItem::AudioTracks));
  EXPECT_FALSE(grid.IsItemHidden(GridItem::RemoveAudio));
  ASSERT_TRUE(grid.EditChecked(GridItem::RemoveAudio, false));
  EXPECT_FALSE(grid.IsItemHidden(GridItem::AudioBitrate));
  EXPECT_EQ(grid.Text(GridItem::AudioBitrate), "192k");
}

TEST_F(GridTest, CropSwitchUnlocksValuesAndKeepsThemWhenOff) {
  EXPECT_FALSE(grid.EditValue(GridItem::CropTop, "8"));  // read-only while off
  ASSERT_TRUE(grid.EditChecked(GridItem::Crop, true));
  EXPECT_EQ(grid.Tree()->currentItem(), grid.TreeItem(GridItem::CropTop));
  ASSERT_TRUE(grid.EditValue(GridItem::CropTop, " -8 "));
  ASSERT_TRUE(grid.EditValue(GridItem::CropLeft, ""));
  EXPECT_EQ(grid.Text(GridItem::CropTop), "8");
  EXPECT_EQ(grid.Text(GridItem::CropLeft), "0");
  // Space on the switch's row turns it off, as a click on its box does.
  grid.Tree()->setCurrentItem(grid.TreeItem(GridItem::Crop), 0);
  QTest::keyClick(grid.Tree(), Qt::Key_Space);
  EXPECT_FALSE(grid.Checked(GridItem::Crop));
  EXPECT_TRUE(grid.IsItemReadOnly(GridItem::CropTop));
  EXPECT_EQ(grid.Values().cropTop, 8);
  EXPECT_FALSE(grid.Values().crop);
}

TEST_F(GridTest, CheckBoxClickInTheViewRunsTheHandler) {
  QSignalSpy changed(&grid, &SettingsGrid::valueChanged);
  grid.TreeItem(GridItem::RemoveAudio)->setCheckState(1, Qt::Checked);  // as the view does
  EXPECT_EQ(changed.count(), 1);
  EXPECT_TRUE(grid.IsItemHidden(GridItem::SampleRate));
  // Values written by code raise nothing.
  grid.SetChecked(GridItem::RemoveAudio, false);
  grid.SetText(GridItem::VideoBitrate, "64k");
  EXPECT_EQ(changed.count(), 1);
}

TEST_F(GridTest, EditsAreCleanedAndEveryEditRechecksAllFiveTextSettings) {
  ASSERT_TRUE(grid.EditValue(GridItem::VideoBitrate, "  1200k "));
  EXPECT_EQ(grid.Text(GridItem::VideoBitrate), "1200k");
  ASSERT_TRUE(grid.EditValue(GridItem::FrameRate, "fast"));
  EXPECT_EQ(grid.Text(GridItem::FrameRate), "Auto");
  ASSERT_TRUE(grid.EditValue(GridItem::Rotate, "300"));
  EXPECT_EQ(grid.Text(GridItem::Rotate), "0");
  ASSERT_TRUE(grid.EditValue(GridItem::Rotate, "-90"));
  EXPECT_EQ(grid.Values().rotate, -90);

  // Bad values put in by code are caught by the next edit of any item, a check too.
  grid.SetText(GridItem::Aspect, "4:3:1");
  grid.SetText(GridItem::SampleRate, "44.1k");
  grid.SetText(GridItem::AudioBitrate, "1.5M");
  ASSERT_TRUE(grid.EditChecked(GridItem::VerticalFlip, true));
  EXPECT_EQ(grid.Text(GridItem::Aspect), "Auto");
  EXPECT_EQ(grid.Text(GridItem::SampleRate), "Auto");
  EXPECT_EQ(grid.Text(GridItem::AudioBitrate), "Auto");
  EXPECT_EQ(grid.Text(GridItem::VideoBitrate), "1200k");
}

TEST_F(GridTest, ChannelsTakeOnlyTheirEntries) {
  EXPECT_TRUE(grid.EditValue(GridItem::Channels, "2"));
  EXPECT_EQ(grid.Values().channels, 2);
  EXPECT_FALSE(grid.EditValue(GridItem::Channels, "5"));
  EXPECT_EQ(grid.Values().channels, 2);
  grid.SetListData(GridItem::Channels, 7);  // out of range: ignored
  EXPECT_EQ(grid.Text(GridItem::Channels), "2");
}

TEST_F(GridTest, RecordRoundTrip) {
  GridValues v;
  v.fileExtension = "mkv";
  v.videoBitrate = "800";
  v.frameRate = "23.976";
  v.aspect = "16:9";
  v.crop = true;
  v.cropTop = 2;
  v.cropRight = 6;
  v.horizontalFlip = true;
  v.rotate = 270;
  v.audioBitrate = "96k";
  v.sampleRate = "48000";
  v.channels = 1;
  v.removeAudio = true;
  v.keepFileDate = false;
  v.upscale = 1;
  v.audioTracks = 1;
  v.subtitles = 2;
  v.startTime = "1:02.5";
  v.duration = "30";
  grid.SetValues(v);
  const GridValues back = grid.Values();
  EXPECT_EQ(back.startTime, "1:02.5");
  EXPECT_EQ(back.duration, "30");
  EXPECT_FALSE(back.keepFileDate);
  EXPECT_EQ(grid.Text(GridItem::Upscale), "Never");
  EXPECT_EQ(back.audioTracks, 1);
  EXPECT_EQ(back.subtitles, 2);
  EXPECT_EQ(grid.Text(GridItem::Subtitles), "None");
  EXPECT_EQ(back.fileExtension, "mkv");
  EXPECT_EQ(back.videoBitrate, "800");
  EXPECT_EQ(back.frameRate, "23.976");
  EXPECT_EQ(back.aspect, "16:9");
  EXPECT_TRUE(back.crop);
  EXPECT_EQ(back.cropTop, 2);
  EXPECT_EQ(back.cropRight, 6);
  EXPECT_TRUE(back.horizontalFlip);
  EXPECT_FALSE(back.verticalFlip);
  EXPECT_EQ(back.rotate, 270);
  EXPECT_EQ(back.audioBitrate, "96k");
  EXPECT_EQ(back.sampleRate, "48000");
  EXPECT_EQ(back.channels, 1);
  EXPECT_TRUE(back.removeAudio);
}

TEST_F(GridTest, ValuesTypedInTheViewGoThroughTheSameRules) {
  grid.resize(330, 400);
  grid.show();
  QTreeWidget* tree = grid.Tree();

  // Free text with suggestions: an editable list.
  tree->editItem(grid.TreeItem(GridItem::VideoBitrate), 1);
  auto* combo = OpenEditor<QComboBox>(tree);
  ASSERT_NE(combo, nullptr);
  ASSERT_TRUE(combo->isEditable());
  EXPECT_GE(combo->findText("4000k"), 0);
  combo->lineEdit()->setText(" 2500k ");
  QTest::keyClick(combo, Qt::Key_Return);
  FlushClosedEditors();
  EXPECT_EQ(grid.Text(GridItem::VideoBitrate), "2500k");

  // Rotate takes integers only; an out-of-range one becomes 0.
  tree->editItem(grid.TreeItem(GridItem::Rotate), 1);
  combo = OpenEditor<QComboBox>(tree);
  ASSERT_NE(combo, nullptr);
  combo->lineEdit()->clear();
  QTest::keyClicks(combo->lineEdit(), "-3x00");
  EXPECT_EQ(combo->currentText(), "-300");
  QTest::keyClick(combo, Qt::Key_Return);
  FlushClosedEditors();
  EXPECT_EQ(grid.Text(GridItem::Rotate), "0");

  // A pick list offers its entries only and applies the pick at once.
  tree->editItem(grid.TreeItem(GridItem::Channels), 1);
  combo = OpenEditor<QComboBox>(tree);
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  FlushClosedEditors();
  EXPECT_EQ(grid.Values().channels, 1);

  // Read-only rows open no editor.
  ASSERT_EQ(OpenEditor<QComboBox>(tree), nullptr);
  tree->editItem(grid.TreeItem(GridItem::FileExtension), 1);
  EXPECT_EQ(OpenEditor<QLineEdit>(tree), nullptr);
}

namespace {

// Opens the item's editor, types `keys` into it key by key and presses Enter, as a
// user does; returns the value the grid keeps.
QString TypeIntoGrid(SettingsGrid& grid, GridItem item, const QString& keys) {
  QTreeWidget* tree = grid.Tree();
  tree->editItem(grid.TreeItem(item), 1);
  auto* combo = OpenEditor<QComboBox>(tree);
  EXPECT_NE(combo, nullptr);
  if (!combo) return {};
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
  QTest::keyClicks(combo->lineEdit(), keys);
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  FlushClosedEditors();
  return grid.Text(item);
}

}  // namespace

TEST_F(GridTest, TypedValuesAreKeptAsTypedNotCompletedFromTheList) {
  grid.resize(330, 400);
  grid.show();
  grid.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
  // Prefixes of list entries, other letter case than the entries, half-typed values.
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::VideoBitrate, "1000"), "1000");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::VideoBitrate, "1500"), "1500");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::VideoBitrate, "1500K"), "1500K");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::AudioBitrate, "192K"), "192K");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::AudioBitrate, "12"), "12");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::SampleRate, "4410"), "4410");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::FrameRate, "2"), "2");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::Aspect, "16:"), "Auto");  // not digits:digits
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::Aspect, "16:1"), "16:1");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::Rotate, "9"), "9");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::Rotate, "-9"), "-9");
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::VideoBitrate, "auto"), "Auto");  // fails the test
  // Typing a whole entry still gives that entry, and the list still offers it.
  EXPECT_EQ(TypeIntoGrid(grid, GridItem::VideoBitrate, "1000k"), "1000k");
  EXPECT_EQ(grid.Values().videoBitrate, "1000k");
}

TEST_F(GridTest, ReplacedValuesAreNotedAndKeptValuesClearTheNote) {
  EXPECT_TRUE(grid.Note().isEmpty());
  grid.EditValue(GridItem::VideoBitrate, "abc");
  EXPECT_EQ(grid.Text(GridItem::VideoBitrate), "Auto");
  EXPECT_TRUE(grid.Note().contains("Video Bitrate")) << grid.Note().toStdString();
  EXPECT_TRUE(grid.Note().contains("abc"));
  grid.EditValue(GridItem::VideoBitrate, " 900k ");  // trimming is no replacement
  EXPECT_TRUE(grid.Note().isEmpty()) << grid.Note().toStdString();
  grid.EditValue(GridItem::VideoBitrate, "abc");
  grid.EditValue(GridItem::VideoBitrate, "auto");  // nor is the letter case of "Auto"
  EXPECT_EQ(grid.Text(GridItem::VideoBitrate), "Auto");
  EXPECT_TRUE(grid.Note().isEmpty()) << grid.Note().toStdString();

  // A value that is almost surely missing its "k" stays, with a word about it.
  grid.EditValue(GridItem::VideoBitrate, "1500");
  EXPECT_EQ(grid.Text(GridItem::VideoBitrate), "1500");
  EXPECT_EQ(grid.Note(), "\"1500\" is 1500 bit/s, far below usual video bitrates. Did you mean \"1500k\"?");
  grid.EditValue(GridItem::AudioBitrate, "128");
  EXPECT_TRUE(grid.Note().contains("audio bitrates. Did you mean \"128k\"?")) << grid.Note().toStdString();
  grid.EditValue(GridItem::SampleRate, "4410");
  EXPECT_EQ(grid.Text(GridItem::SampleRate), "4410");
  EXPECT_TRUE(grid.Note().startsWith("\"4410\" is 4410 Hz, far below")) << grid.Note().toStdString();
  for (const char* fine : {"32000", "1500k"}) {
    grid.EditValue(GridItem::VideoBitrate, fine);
    EXPECT_TRUE(grid.Note().isEmpty()) << fine;
  }

  grid.EditValue(GridItem::FrameRate, "-5");
  EXPECT_EQ(grid.Text(GridItem::FrameRate), "Auto");
  EXPECT_TRUE(grid.Note().contains("Frame Rate (FPS)"));
  grid.EditValue(GridItem::Rotate, "400");
  EXPECT_EQ(grid.Text(GridItem::Rotate), "0");
  EXPECT_TRUE(grid.Note().contains("-270 to 270")) << grid.Note().toStdString();
  grid.EditValue(GridItem::Rotate, "45");  // any whole angle in range is kept
  EXPECT_EQ(grid.Values().rotate, 45);
  EXPECT_TRUE(grid.Note().isEmpty());
  grid.EditChecked(GridItem::Crop, true);
  grid.EditValue(GridItem::CropLeft, "-8");
  EXPECT_EQ(grid.Text(GridItem::CropLeft), "8");
  EXPECT_TRUE(grid.Note().contains("Left"));
  grid.EditValue(GridItem::CropLeft, "");  // clearing asks for the default: no note
  EXPECT_TRUE(grid.Note().isEmpty());
  // The note is shown under the grid while it has text.
  grid.show();
  grid.EditValue(GridItem::SampleRate, "44.1k");
  auto* label = grid.findChild<QLabel*>("GridNote");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->text(), grid.Note());
  grid.EditValue(GridItem::SampleRate, "44100");
  EXPECT_FALSE(label->isVisible());
}
