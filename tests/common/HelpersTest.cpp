#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "core/Helpers.h"
#include "core/Settings.h"

TEST(FormatDuration, RoundsSecondsAndCarriesMinutesAndHours) {
  EXPECT_EQ(FormatDuration(0), "00:00:00");
  EXPECT_EQ(FormatDuration(-5), "00:00:00");
  EXPECT_EQ(FormatDuration(0.4), "00:00:00");
  EXPECT_EQ(FormatDuration(0.5), "00:00:01");  // halves go away from zero
  EXPECT_EQ(FormatDuration(59.4), "00:00:59");
  EXPECT_EQ(FormatDuration(59.6), "00:01:00");  // rounded before it is split: carries
  EXPECT_EQ(FormatDuration(60), "00:01:00");
  EXPECT_EQ(FormatDuration(119.6), "00:02:00");
  EXPECT_EQ(FormatDuration(3599.5), "01:00:00");
  EXPECT_EQ(FormatDuration(62.5), "00:01:03");
  EXPECT_EQ(FormatDuration(3725), "01:02:05");
  EXPECT_EQ(FormatDuration(359999), "99:59:59");
  EXPECT_EQ(FormatDuration(360000), "100:00:00");
}

TEST(FileNameParts, ExtensionAndBaseNameFollowTheLastSeparators) {
  EXPECT_EQ(FileExtensionUpper("/a/movie.avi"), "AVI");
  EXPECT_EQ(FileExtensionUpper("/a.b/movie"), "");
  EXPECT_EQ(FileExtensionUpper("/a/movie."), "");
  EXPECT_EQ(FileExtensionUpper("/a/movie.tar.gz"), "GZ");
  EXPECT_EQ(FileExtensionUpper("clip.Mp4"), "MP4");
  EXPECT_EQ(FileBaseName("/v/clip.mp4"), "clip");
  EXPECT_EQ(FileBaseName("/v/my.clip.mp4"), "my.clip");
  EXPECT_EQ(FileBaseName("/v/clip"), "");
  EXPECT_EQ(FileBaseName("/v.d/clip"), "");
  EXPECT_EQ(FileBaseName("/v/ünï cödé 'q'.mkv"), "ünï cödé 'q'");
}

TEST(FileHelpers, SizeTellsMissingFromPresentAndFoldersAreTested) {
  QTemporaryDir dir;
  const QString file = dir.filePath("one MiB.bin");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(1048576, 'x'));
  f.close();
  EXPECT_EQ(GetFileSize(file), 1048576.0);
  EXPECT_DOUBLE_EQ(BytesToMegabytes(GetFileSize(file)), 1.0);
  EXPECT_EQ(GetFileSize(dir.filePath("absent")), 0.0);
  EXPECT_EQ(GetFileSize(dir.path()), 0.0);  // a folder is not a file

  const QString before = QDir::currentPath();
  EXPECT_TRUE(FolderExists(dir.path()));
  EXPECT_TRUE(FolderExists(dir.path() + "/"));
  EXPECT_FALSE(FolderExists(dir.filePath("absent")));
  EXPECT_FALSE(FolderExists(file));  // a file is not a folder
  EXPECT_FALSE(FolderExists(""));
  EXPECT_EQ(QDir::currentPath(), before);  // testing a folder does not enter it
  EXPECT_GE(ProcessorCount(), 1);
}

TEST(Settings, RoundTripKeepsEmptyValuesAndStripsATrailingNul) {
  EXPECT_EQ(ReadSetting("NeverWritten"), "");
  WriteSetting("OutPath", "/home/user/Vidéos/out/");
  EXPECT_EQ(ReadSetting("OutPath"), "/home/user/Vidéos/out/");
  WriteSetting("OutPath", "");
  QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Veltrane Software",
                "Veltrane Video Converter");
  raw.sync();
  EXPECT_TRUE(raw.contains("OutPath"));  // written empty, still present
  EXPECT_EQ(ReadSetting("OutPath"), "");

  raw.setValue("Foreign", QString("abc") + QChar(0));
  raw.setValue("Number", 42);
  raw.setValue("LeadingNul", QString(QChar(0)) + "x");
  raw.sync();
  EXPECT_EQ(ReadSetting("Foreign"), "abc");
  EXPECT_EQ(ReadSetting("Number"), "42");
  EXPECT_EQ(ReadSetting("LeadingNul"), "");
}
