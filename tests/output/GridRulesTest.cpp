// Value rules of the settings grid and the picture-size list, without any window.
#include <gtest/gtest.h>

#include "output/GridItems.h"
#include "output/OutputProfile.h"
#include "output/OutputSizes.h"

TEST(GridItemText, TrimsAndFillsEmptyValues) {
  EXPECT_EQ(CorrectGridItemText(GridItem::VideoBitrate, "  1200k \t"), "1200k");
  EXPECT_EQ(CorrectGridItemText(GridItem::FrameRate, "   "), "Auto");
  EXPECT_EQ(CorrectGridItemText(GridItem::Aspect, ""), "Auto");
  EXPECT_EQ(CorrectGridItemText(GridItem::CropTop, ""), "0");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, " "), "0");
}

TEST(GridItemText, CropValuesBecomeAbsoluteRotateStaysInRange) {
  EXPECT_EQ(CorrectGridItemText(GridItem::CropTop, "-8"), "8");
  EXPECT_EQ(CorrectGridItemText(GridItem::CropRight, " -2147483648 "), "2147483648");
  EXPECT_EQ(CorrectGridItemText(GridItem::CropLeft, "12"), "12");
  EXPECT_EQ(CorrectGridItemText(GridItem::CropBottom, "abc"), "abc");  // left as typed
  EXPECT_EQ(GridIntegerValue("abc"), 0);
  EXPECT_EQ(GridIntegerValue("2147483648"), 0);

  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "-300"), "0");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "300"), "0");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "271"), "0");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "-270"), "-270");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "270"), "270");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "90"), "90");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "ninety"), "0");
  EXPECT_EQ(CorrectGridItemText(GridItem::Rotate, "99999999999"), "0");
}

TEST(GridItemText, TrimTimesAreKeptAsTypedOrDroppedWithANote) {
  for (const char* good : {"90", "12.5", "1:30", "01:02:03.450", "0"})
    EXPECT_EQ(CorrectGridItemText(GridItem::StartTime, QString(" %1 ").arg(good)), good);
  for (const char* bad : {"-5", "1:75", "1:2:3:4", "abc", "12s", "1..5", ":30"}) {
    EXPECT_EQ(CorrectGridItemText(GridItem::StartTime, bad), "") << bad;
    EXPECT_TRUE(GridReplacementNote(GridItem::StartTime, bad, "").contains(bad)) << bad;
  }
  EXPECT_EQ(CorrectGridItemText(GridItem::Duration, "0"), "");  // no length at all
  EXPECT_EQ(CorrectGridItemText(GridItem::Duration, "0:10"), "0:10");
  EXPECT_EQ(CorrectGridItemText(GridItem::Duration, "  "), "");
  EXPECT_TRUE(GridReplacementNote(GridItem::Duration, " ", "").isEmpty());  // cleared: the whole file
  qint64 ms = 0;
  ASSERT_TRUE(ParseTimeText("1:02:03.45", &ms));
  EXPECT_EQ(ms, 3723450);
}

TEST(GridTextTests, BitratesSampleRateFrameRateAspect) {
  for (const char* good : {"Auto", "800", "1200k", "1500K", "0"}) {
    EXPECT_TRUE(IsBitrateText(good)) << good;
  }
  for (const char* bad : {"1200kbps", "1.5M", "fast", "k", "", "12 k", "-64k", "auto"}) {
    EXPECT_FALSE(IsBitrateText(bad)) << bad;
  }
  EXPECT_TRUE(IsSampleRateText("44100"));
  for (const char* bad : {"44.1k", "44100k", "", "-8000"}) {
    EXPECT_FALSE(IsSampleRateText(bad)) << bad;
  }
  for (const char* good : {"25", "23.976", "29.97", "0.5"}) {
    EXPECT_TRUE(IsFrameRateText(good)) << good;
  }
  for (const char* bad : {"fast", "", "29,97", "inf", "nan", "0", "-25"}) {
    EXPECT_FALSE(IsFrameRateText(bad)) << bad;
  }
  EXPECT_TRUE(IsAspectText("16:9"));
  EXPECT_TRUE(IsAspectText("4:3"));
  for (const char* bad : {"16/9", "4:3:1", "169", ":9", "16:", ":", "0:9", "4:0", " 4:3"}) {
    EXPECT_FALSE(IsAspectText(bad)) << bad;
  }
}

TEST(GridTextTests, NormaliserResetsOnlyFailingValuesAndKeepsTheRestAsTyped) {
  GridValues v;
  v.videoBitrate = "1500K";
  v.audioBitrate = "128kbps";
  v.sampleRate = "44100";
  v.frameRate = "word";
  v.aspect = "16/9";
  v.cropTop = -3;  // not the normaliser's business
  NormaliseGridValues(v);
  EXPECT_EQ(v.videoBitrate, "1500K");
  EXPECT_EQ(v.audioBitrate, "Auto");
  EXPECT_EQ(v.sampleRate, "44100");
  EXPECT_EQ(v.frameRate, "Auto");
  EXPECT_EQ(v.aspect, "Auto");
  EXPECT_EQ(v.cropTop, -3);
}

TEST(GridItemTable, OrderKindsIdsAndReadOnlyStates) {
  const auto table = GridItemTable();
  ASSERT_EQ(table.size(), 25u);
  QStringList captions;
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(static_cast<size_t>(table[i].item), i);
    captions << table[i].caption;
  }
  EXPECT_EQ(captions, QStringList({"Filename Extension",
                                   "Keep File Date",
                                   "Video Bitrate",
                                   "Frame Rate (FPS)",
                                   "Aspect Rate",
                                   "Crop Video",
                                   "Top",
                                   "Bottom",
                                   "Left",
                                   "Right",
                                   "Vertically Flip",
                                   "Horizontally Flip",
                                   "Rotate",
                                   "Upscale",
                                   "Video Quality Mode",
                                   "Constant Quality",
                                   "Deinterlace",
                                   "Audio Bitrate",
                                   "Sample Rate",
                                   "Channels",
                                   "Audio Tracks",
                                   "Remove Audio",
                                   "Subtitles",
                                   "Start Time",
                                   "Duration"}));
  EXPECT_EQ(GridItemInfoFor(GridItem::Upscale).entries, QStringList({"Allow", "Never"}));
  EXPECT_EQ(GridItemInfoFor(GridItem::AudioTracks).entries, QStringList({"All", "First"}));
  EXPECT_EQ(GridItemInfoFor(GridItem::QualityMode).entries, QStringList({"Bitrate", "Constant quality"}));
  EXPECT_EQ(GridItemInfoFor(GridItem::Deinterlace).entries, QStringList({"Off", "Auto", "Always"}));
  EXPECT_EQ(GridItemInfoFor(GridItem::Subtitles).category, GridCategory::Subtitle);
  EXPECT_EQ(GridItemInfoFor(GridItem::Subtitles).entries, QStringList({"Keep", "Burn In", "None"}));
  EXPECT_EQ(GridCategoryCaption(GridCategory::Subtitle), "Subtitle Settings");
  EXPECT_EQ(GridItemInfoFor(GridItem::Crop).id, 101);
  EXPECT_EQ(GridItemInfoFor(GridItem::RemoveAudio).id, 100);
  int withId = 0;
  int readOnly = 0;
  for (const GridItemInfo& info : table) {
    withId += info.id != 0;
    readOnly += info.readOnly;
  }
  EXPECT_EQ(withId, 2);
  EXPECT_EQ(readOnly, 5);  // the extension and the four crop values
  EXPECT_EQ(GridItemInfoFor(GridItem::VideoBitrate).entries.size(), 24);
  EXPECT_EQ(GridItemInfoFor(GridItem::AudioBitrate).entries.size(), 15);
  EXPECT_EQ(GridItemInfoFor(GridItem::Rotate).entries, QStringList({"-90", "90"}));
  EXPECT_EQ(GridItemInfoFor(GridItem::Channels).kind, GridItemKind::List);
}

TEST(SizeList, EveryNamedEntryParses) {
  const QStringList& entries = SizeEntries();
  ASSERT_EQ(entries.size(), 16);
  EXPECT_EQ(entries.first(), "Auto");
  EXPECT_EQ(entries.last(), "Custom...");
  QString w, h;
  for (int i = 1; i < 15; ++i) {
    ASSERT_TRUE(ParseSizeEntry(entries[i], w, h)) << i;
    EXPECT_EQ(entries[i].left(w.size() + 3 + h.size()), w + " x " + h);
  }
  EXPECT_TRUE(ParseSizeEntry("320 x 240 (qvga)", w, h));
  EXPECT_EQ(w, "320");
  EXPECT_EQ(h, "240");
  EXPECT_FALSE(ParseSizeEntry("Custom...", w, h));
}

TEST(SizeList, ChoosingEntriesSetsBoxesLikeTheCombo) {
  OutputSettings s;
  OutputControls c;
  s.width = "500";
  s.height = "400";
  SelectSize(s, c, SizeCustomIndex);
  EXPECT_TRUE(c.sizeBoxesEnabled);
  EXPECT_EQ(s.width, "500");  // "Custom..." keeps the text
  SelectSize(s, c, 3);
  EXPECT_FALSE(c.sizeBoxesEnabled);
  EXPECT_EQ(s.width, "320");
  EXPECT_EQ(s.height, "240");
  SelectSize(s, c, 0);
  EXPECT_FALSE(c.sizeBoxesEnabled);
  EXPECT_TRUE(s.width.isEmpty() && s.height.isEmpty());
  EXPECT_TRUE(ChooseSize(SizeCustomIndex).focusWidth);
  EXPECT_FALSE(ChooseSize(14).focusWidth);
  EXPECT_EQ(ChooseSize(14).width, "1920");
}

TEST(SizeList, WidthAndHeightCorrections) {
  EXPECT_EQ(CorrectDimensionText(""), "16");
  EXPECT_EQ(CorrectDimensionText("3"), "16");
  EXPECT_EQ(CorrectDimensionText("15"), "16");
  EXPECT_EQ(CorrectDimensionText("16"), "16");
  EXPECT_EQ(CorrectDimensionText("17"), "18");
  EXPECT_EQ(CorrectDimensionText("721"), "722");
  EXPECT_EQ(CorrectDimensionText("4999"), "5000");
  EXPECT_EQ(CorrectDimensionText("5000"), "5000");
  EXPECT_EQ(CorrectDimensionText("5001"), "5000");
  EXPECT_EQ(CorrectDimensionText("0320"), "0320");  // in range and even: kept as typed
  EXPECT_EQ(CorrectDimensionText("99999999999999999999"), "5000");
  EXPECT_EQ(LeadingNumber("  64px"), 64);
  EXPECT_EQ(LeadingNumber("x64"), 0);
}
