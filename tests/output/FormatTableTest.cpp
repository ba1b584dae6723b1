// The format table: one row per key, extensions the menus promise, the sound-only flag
// the profiles agree with, and option templates whose fields the builder can fill.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cctype>
#include <set>
#include <string>

#include "output/FormatTable.h"
#include "output/OutputCatalogue.h"

namespace {

bool AllSet(const QualityValues& values) {
  return values[0] != nullptr && values[1] != nullptr && values[2] != nullptr;
}
bool NoneSet(const QualityValues& values) {
  return values[0] == nullptr && values[1] == nullptr && values[2] == nullptr;
}

// The field names of a template, or {"?"} for a stray or unclosed brace.
std::multiset<std::string> Fields(const std::string& pattern) {
  std::multiset<std::string> names;
  size_t pos = 0;
  while ((pos = pattern.find_first_of("{}", pos)) != std::string::npos) {
    const size_t close = pattern.find_first_of("{}", pos + 1);
    if (pattern[pos] != '{' || close == std::string::npos || pattern[close] != '}') return {"?"};
    names.insert(pattern.substr(pos + 1, close - pos - 1));
    pos = close + 1;
  }
  return names;
}

}  // namespace

TEST(FormatTable, EveryKeyHasOneRowFoundOnlyByItsExactName) {
  std::set<std::string> keys;
  for (const FormatRow& row : FormatRows()) {
    SCOPED_TRACE(row.key);
    EXPECT_TRUE(keys.insert(row.key).second) << "a second row for the key";
    EXPECT_EQ(FindFormat(row.key), &row);
    std::string upper = row.key;
    for (char& c : upper)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(FindFormat(upper), nullptr);
  }
  EXPECT_EQ(FindFormat(""), nullptr);
  EXPECT_EQ(FindFormat("mp4 "), nullptr);
  // The command line lists the keys in this order; the classic ones keep theirs.
  EXPECT_EQ(
      FormatKeys().join(" "),
      "3gp asf avi f4v flv mkv mov mp4 mp4h264 mpg rm swf vob webm wmv mpg2 ntsc-dvd pal-dvd ntsc-vcd "
      "pal-vcd aac ac3 aiff flac m4a mp2 mp3 ogg ra wav wma mp4hevc webmvp9 mkvav1 webmav1 mkvh264 opus");
  EXPECT_FALSE(IsAudioKey("MP3"));
  EXPECT_EQ(ExtensionForKey("MP4H264"), "MP4H264");  // a key not in the table is its own extension
  EXPECT_EQ(ExtensionForKey(""), "");
}

TEST(FormatTable, ExtensionsArePlainNamesThatTheMenuCaptionsPromise) {
  const QRegularExpression plain("^[a-z0-9]+$");
  for (const FormatRow& row : FormatRows()) {
    SCOPED_TRACE(row.key);
    EXPECT_TRUE(plain.match(row.extension).hasMatch()) << row.extension;
    EXPECT_EQ(ExtensionForKey(row.key), row.extension);
  }
  // "MP4 - H264 Video (*.mp4)" promises files ending in ".mp4".
  const QRegularExpression promised(R"(\(\*\.([a-z0-9]+)\)$)");
  int captionsWithExtension = 0;
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    const QRegularExpressionMatch match = promised.match(entry.caption);
    if (!match.hasMatch()) continue;
    ++captionsWithExtension;
    EXPECT_EQ(match.captured(1), ExtensionForKey(entry.key)) << entry.id << " " << entry.caption;
  }
  EXPECT_GE(captionsWithExtension, 30);
}

TEST(FormatTable, EveryProfileKeyHasARowWhoseSoundOnlyFlagTheProfileShares) {
  std::set<std::string> used;
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    SCOPED_TRACE(testing::Message() << entry.id << " " << entry.caption);
    const FormatRow* row = FindFormat(entry.key);
    ASSERT_NE(row, nullptr) << "a profile key without a row: " << entry.key;
    used.insert(row->key);
    EXPECT_EQ(IsAudioProfile(entry.id), row->audioOnly);
    EXPECT_EQ(IsAudioKey(entry.key), row->audioOnly);
    const QString menu = entry.menu;
    if (menu == ModernMenu) {
      EXPECT_EQ(row->audioOnly, !QString(entry.caption).contains("Video"));
    } else {
      EXPECT_EQ(row->audioOnly, menu == AudioFormatMenu);
    }
    if (row->audioOnly) {
      EXPECT_EQ(entry.width, 0) << "a sound-only profile fixes a picture size";
    }
  }
  for (const FormatRow& row : FormatRows()) {
    EXPECT_TRUE(used.count(row.key)) << row.key << " has no profile to choose it by";
  }
}

TEST(FormatTable, TemplatesUseKnownFieldsAndEveryFieldUsedHasItsValues) {
  const std::set<std::string> known = {"VRATE", "ARATE", "SRATE", "PRESET", "SPEED", "SIZE"};
  for (const FormatRow& row : FormatRows()) {
    SCOPED_TRACE(row.key);
    const std::string pattern = row.pattern;
    const std::multiset<std::string> fields = Fields(pattern);
    for (const std::string& field : fields)
      EXPECT_TRUE(known.count(field)) << "field {" << field << "}";
    for (const QualityValues* values : {&row.fixedVideoRate, &row.audioRate, &row.sampleRate}) {
      EXPECT_TRUE(AllSet(*values) || NoneSet(*values)) << "a value for some qualities only";
    }
    // A field left without its values would put nothing into the option string.
    const bool videoRate = row.bitrateFactor > 0 || AllSet(row.fixedVideoRate);
    EXPECT_FALSE(row.bitrateFactor > 0 && AllSet(row.fixedVideoRate));
    EXPECT_EQ(fields.count("VRATE") == 1, videoRate);
    EXPECT_EQ(fields.count("ARATE") == 1, AllSet(row.audioRate));
    EXPECT_EQ(fields.count("SRATE") == 1, AllSet(row.sampleRate));
    EXPECT_EQ(row.autoWidth > 0, row.autoHeight > 0);
    EXPECT_EQ(row.autoWidth % 2 + row.autoHeight % 2, 0);
    if (row.audioOnly) {
      // Sound only: no picture, so no size, video rate, encoder speed or frame rate.
      EXPECT_EQ(pattern.rfind("-vn ", 0), 0u) << pattern;
      EXPECT_FALSE(videoRate || row.defaultFrameRate || row.videoRateCap > 0 || row.autoWidth > 0);
      EXPECT_EQ(fields.count("SIZE") + fields.count("PRESET") + fields.count("SPEED"), 0u);
    } else {
      EXPECT_EQ(fields.count("SIZE"), 1u) << "the picture size goes in once: " << pattern;
    }
  }
}
