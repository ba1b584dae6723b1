// The profile catalogue: rules every entry keeps, a few entries written out in full,
// what applying each entry leaves in the record, and profile sequences.
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>

#include "output/OutputCatalogue.h"
#include "output/OutputProfile.h"
#include "output/OutputSizes.h"

namespace {

struct Expected {
  int id;
  const char* menu;
  const char* caption;
  const char* key;
  const char* extension;
  const char* size;  // "W x H" or "Auto"
  const char* frameRate;
  const char* audioBitrate;
  const char* channels;
};

// A few entries written out in full: one per kind of row (audio, general video, a
// device with every value fixed, a device size with "Auto" rates, the odd DVD
// caption, a newer codec's).
const Expected kGolden[] = {
    {1186, "General Audio Format", "AAC - Advanced Audio Coding Files (*.aac)", "aac", "aac", "Auto", "Auto",
     "Auto", "Auto"},
    {1032, "General Video Format", "MP4 - MPEG-4 Video (*.mp4)", "mp4", "mp4", "Auto", "Auto", "Auto",
     "Auto"},
    {1091, "Android", "Motorola Droid - MPEG4 Video", "mp4", "mp4", "480 x 320", "23.97", "160k", "2"},
    {1176, "Web Video", "YOUTUBE - H264 HD Video", "mp4h264", "mp4", "1280 x 720", "Auto", "Auto", "2"},
    {1180, "VCD/DVD", "DVD NTSC - MPEG-2  Video", "ntsc-dvd", "mpg", "720 x 480", "29.97", "Auto", "Auto"},
    {1181, "VCD/DVD", "VCD PAL - MPEG-1 Video", "pal-vcd", "mpg", "352 x 288", "25", "Auto", "Auto"},
    {1138, "Xbox", "Xbox360 - Xvid HD Video", "avi", "avi", "1280 x 720", "Auto", "Auto", "2"},
    {1210, "Modern", "TV - HEVC Video 4K", "mp4hevc", "mp4", "3840 x 2160", "Auto", "Auto", "2"},
};

// The values an entry fixes, in the golden rows' words.
Expected Describe(const ProfileEntry& entry) {
  static std::deque<std::string> texts;  // keeps the composed sizes in place
  auto orAuto = [](const char* value) { return *value ? value : "Auto"; };
  const char* size = "Auto";
  if (entry.width > 0) {
    texts.push_back(std::to_string(entry.width) + " x " + std::to_string(entry.height));
    size = texts.back().c_str();
  }
  return {entry.id,
          entry.menu,
          entry.caption,
          entry.key,
          "",
          size,
          orAuto(entry.frameRate),
          orAuto(entry.audioBitrate),
          orAuto(entry.channels)};
}

// A record with user choices that a profile must carry over, and edits it must undo.
OutputSettings EditedRecord() {
  OutputSettings s;
  s.threads = "3";
  s.outputFolder = "/tmp/out dir/";
  s.videoQuality = 0;
  s.audioQuality = 2;
  s.sizeIndex = 3;
  s.width = "320";
  s.height = "240";
  s.grid.crop = true;
  s.grid.cropTop = 8;
  s.grid.cropBottom = 6;
  s.grid.cropLeft = 4;
  s.grid.cropRight = 2;
  s.grid.verticalFlip = true;
  s.grid.horizontalFlip = true;
  s.grid.rotate = 90;
  s.grid.videoBitrate = "1500k";
  s.grid.frameRate = "12";
  s.grid.aspect = "4:3";
  s.grid.audioBitrate = "64k";
  s.grid.sampleRate = "22050";
  s.grid.channels = 1;
  s.grid.removeAudio = true;
  return s;
}

}  // namespace

TEST(Catalogue, IdsAreUniqueAndEveryEntryIsFound) {
  const auto catalogue = ProfileCatalogue();
  // The 138 classic entries come first, as they always were; the newer codecs'
  // entries follow in their own submenu.
  ASSERT_EQ(catalogue.size(), 148u);
  std::set<int> ids;
  for (size_t i = 0; i < catalogue.size(); ++i) {
    const ProfileEntry& entry = catalogue[i];
    SCOPED_TRACE(entry.id);
    EXPECT_TRUE(ids.insert(entry.id).second) << "duplicate id";
    EXPECT_EQ(FindProfile(entry.id), &entry);
    const bool classic = i < 138;
    EXPECT_EQ(QString(entry.menu) == ModernMenu, !classic);
    if (classic) {
      EXPECT_GE(entry.id, 1028);
      EXPECT_LE(entry.id, 1194);
    } else {
      EXPECT_GT(entry.id, 1194);
    }
  }
  EXPECT_EQ(FindProfile(1000), nullptr);
  EXPECT_EQ(FindProfile(1183), nullptr);
}

TEST(Catalogue, SubmenusComeWholeAndInMenuOrder) {
  EXPECT_EQ(DeviceMenuNames(),
            QStringList({"Android", "Android Pad", "Apple TV", "iPad", "iPhone", "iPod", "BlackBerry",
                         "HD Video", "PMP", "PS3", "PSP", "VCD/DVD", "Web Video", "Windows Phone", "Xbox"}));
  const QStringList menuOrder =
      QStringList{AudioFormatMenu, VideoFormatMenu} + DeviceMenuNames() + QStringList{ModernMenu};
  QStringList seen;
  QStringList generalCaptions[2];
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    if (seen.isEmpty() || seen.back() != entry.menu) seen.push_back(entry.menu);
    const int general = menuOrder.indexOf(entry.menu);
    if (general == 0 || general == 1) generalCaptions[general].push_back(entry.caption);
  }
  EXPECT_EQ(seen, menuOrder) << "an entry outside its submenu, or submenus out of order";
  for (const QStringList& captions : generalCaptions) {
    QStringList sorted = captions;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(captions.join(" | ").toStdString(), sorted.join(" | ").toStdString())
        << "the general formats are listed by name";
  }
}

// The keys and the sound-only flag are checked against the format table in
// FormatTableTest.cpp.
TEST(Catalogue, EveryEntryHasSaneValues) {
  const QStringList rates = {"", "15", "23.97", "25", "29.97", "30"};
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    SCOPED_TRACE(testing::Message() << entry.id << " " << entry.caption);
    // A fixed size is a whole, even one (the encoders need even sides).
    EXPECT_EQ(entry.width == 0, entry.height == 0);
    EXPECT_GE(entry.width, 0);
    EXPECT_EQ(entry.width % 2, 0);
    EXPECT_EQ(entry.height % 2, 0);
    EXPECT_TRUE(rates.contains(entry.frameRate)) << entry.frameRate;
    const QString bitrate = entry.audioBitrate;
    EXPECT_TRUE(bitrate.isEmpty() || (bitrate.endsWith('k') && bitrate.chopped(1).toInt() > 0))
        << entry.audioBitrate;
    EXPECT_TRUE(QStringList({"", "1", "2"}).contains(entry.channels));
  }
}

TEST(Catalogue, GoldenRows) {
  for (const Expected& e : kGolden) {
    SCOPED_TRACE(e.id);
    const ProfileEntry* entry = FindProfile(e.id);
    ASSERT_NE(entry, nullptr);
    const Expected got = Describe(*entry);
    EXPECT_STREQ(got.menu, e.menu);
    EXPECT_STREQ(got.caption, e.caption);
    EXPECT_STREQ(got.key, e.key);
    EXPECT_EQ(ExtensionForKey(e.key), e.extension);
    EXPECT_STREQ(got.size, e.size);
    EXPECT_STREQ(got.frameRate, e.frameRate);
    EXPECT_STREQ(got.audioBitrate, e.audioBitrate);
    EXPECT_STREQ(got.channels, e.channels);
  }
}

TEST(Catalogue, EveryEntryLeavesItsValuesAndCarriesTheRest) {
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    const Expected e = Describe(entry);
    SCOPED_TRACE(testing::Message() << e.id << " " << e.caption);
    OutputSettings s = EditedRecord();
    OutputControls c;
    c.cropValuesEditable = true;
    ApplyProfile(s, c, e.id, e.caption);

    const bool audio = IsAudioProfile(e.id);
    EXPECT_EQ(s.profileCaption, e.caption);
    EXPECT_EQ(s.outputFormatKey, e.key);
    EXPECT_EQ(s.audioOnly, audio);
    EXPECT_EQ(s.grid.fileExtension, ExtensionForKey(e.key));

    const QString size = e.size;
    if (size == "Auto") {
      EXPECT_EQ(s.sizeIndex, 0);
      EXPECT_EQ(s.width, "");
      EXPECT_EQ(s.height, "");
    } else {
      EXPECT_EQ(s.sizeIndex, 15);
      EXPECT_EQ(s.width + " x " + s.height, size);
    }
    EXPECT_EQ(s.grid.frameRate, e.frameRate);
    EXPECT_EQ(s.grid.audioBitrate, e.audioBitrate);
    const QString channels = e.channels;
    EXPECT_EQ(s.grid.channels, channels == "Auto" ? 0 : channels.toInt());

    // Reset fields.
    EXPECT_EQ(s.videoQuality, 1);
    EXPECT_EQ(s.audioQuality, 1);
    EXPECT_EQ(s.grid.videoBitrate, "Auto");
    EXPECT_EQ(s.grid.aspect, "Auto");
    EXPECT_EQ(s.grid.sampleRate, "Auto");
    EXPECT_FALSE(s.grid.removeAudio);

    // Carried over.
    EXPECT_EQ(s.threads, "3");
    EXPECT_EQ(s.outputFolder, "/tmp/out dir/");
    EXPECT_TRUE(s.grid.crop);
    EXPECT_EQ(s.grid.cropTop, 8);
    EXPECT_EQ(s.grid.cropBottom, 6);
    EXPECT_EQ(s.grid.cropLeft, 4);
    EXPECT_EQ(s.grid.cropRight, 2);
    EXPECT_TRUE(s.grid.verticalFlip);
    EXPECT_TRUE(s.grid.horizontalFlip);
    EXPECT_EQ(s.grid.rotate, 90);
    EXPECT_TRUE(c.cropValuesEditable);

    // Video controls withdrawn only for audio entries.
    EXPECT_EQ(c.sizeEnabled, !audio);
    EXPECT_EQ(c.sizeBoxesEnabled, !audio);
    EXPECT_EQ(c.videoQualityEnabled, !audio);
    EXPECT_EQ(c.videoSettingsVisible, !audio);
    EXPECT_EQ(c.removeAudioVisible, !audio);
    EXPECT_TRUE(c.audioItemsVisible);
  }
}

TEST(ProfileSequence, AudioThenVideoRestoresTheVideoControls) {
  OutputSettings s;
  OutputControls c;
  ApplyProfile(s, c, 1185, "MP3 - MPEG Layer-3 Audio (*.mp3)");
  EXPECT_TRUE(s.audioOnly);
  EXPECT_FALSE(c.videoSettingsVisible);
  EXPECT_FALSE(c.sizeEnabled);

  ApplyProfile(s, c, 1055, "iPhone - H.264 Video");
  EXPECT_FALSE(s.audioOnly);
  EXPECT_EQ(s.outputFormatKey, "mp4h264");
  EXPECT_TRUE(c.videoSettingsVisible && c.removeAudioVisible && c.sizeEnabled && c.sizeBoxesEnabled &&
              c.videoQualityEnabled);
  EXPECT_EQ(s.sizeIndex, SizeCustomIndex);
  EXPECT_EQ(s.grid.fileExtension, "mp4");
}

TEST(ProfileSequence, CropSetBeforeAProfileStaysInForce) {
  OutputSettings s;
  OutputControls c;
  ApplyProfile(s, c, 1180, "DVD NTSC - MPEG-2  Video");
  s.grid.crop = true;
  s.grid.cropLeft = 10;
  c.cropValuesEditable = true;
  ApplyProfile(s, c, 1186, "AAC - Advanced Audio Coding Files (*.aac)");
  ApplyProfile(s, c, 1181, "VCD PAL - MPEG-1 Video");
  EXPECT_TRUE(s.grid.crop);
  EXPECT_EQ(s.grid.cropLeft, 10);
  EXPECT_TRUE(c.cropValuesEditable);
  EXPECT_EQ(s.outputFormatKey, "pal-vcd");
  EXPECT_EQ(s.width, "352");
  EXPECT_EQ(s.height, "288");
  EXPECT_EQ(s.grid.frameRate, "25");
}

TEST(ProfileSequence, SameProfileAgainUndoesEditsOfTheResetFields) {
  OutputSettings s;
  ApplyProfile(s, 1100);  // BlackBerry - 3GP Video
  s.grid.frameRate = "30";
  s.grid.channels = 1;
  s.width = "100";
  ApplyProfile(s, 1100);
  EXPECT_EQ(s.grid.frameRate, "15");
  EXPECT_EQ(s.grid.channels, 0);
  EXPECT_EQ(s.width, "352");
  EXPECT_EQ(s.profileCaption, "BlackBerry - 3GP Video");
}

TEST(ProfileSequence, UnknownIdChangesOnlyCaptionAndExtension) {
  OutputSettings s;
  OutputControls c;
  ApplyProfile(s, c, 1194, "WMA - Windows Media Audio (*.wma)");
  s.grid.audioBitrate = "96k";
  s.grid.fileExtension = "x";
  const OutputControls before = c;
  ApplyProfile(s, c, 4242, "Something else");
  EXPECT_EQ(s.profileCaption, "Something else");
  EXPECT_EQ(s.outputFormatKey, "wma");
  EXPECT_EQ(s.grid.fileExtension, "wma");
  EXPECT_EQ(s.grid.audioBitrate, "96k");
  // The record stays an audio record: the key still names an audio format.
  EXPECT_TRUE(s.audioOnly);
  EXPECT_EQ(c.videoSettingsVisible, before.videoSettingsVisible);
}
