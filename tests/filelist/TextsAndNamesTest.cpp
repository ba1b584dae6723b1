// The dialog filters, the row texts and the byte-exact file names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>

#include "FileListTestUtil.h"
#include "filelist/MediaFilters.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"

using namespace filelisttest;

// Whether a dialog filter accepts `name` the way Qt's dialog matches (any letter case).
static bool Accepts(const QString& filter, const QString& name) {
  const QString group = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
  for (const QString& p : group.split(' ')) {
    const QRegularExpression rx(QRegularExpression::wildcardToRegularExpression(p),
                                QRegularExpression::CaseInsensitiveOption);
    if (rx.match(name).hasMatch()) return true;
  }
  return false;
}

TEST(MediaFilters, EntriesInOrder) {
  const QStringList f = MediaDialogFilters();
  ASSERT_EQ(f.size(), 37);
  EXPECT_EQ(MediaFilterTable()[0].pattern,
            MediaFilterTable()[2].pattern + ";" + MediaFilterTable()[1].pattern);
  EXPECT_EQ(f[3], "Audio - Advanced Audio Coding Files (*.aac)");
  EXPECT_EQ(f[4], "Audio - Audio InterChange File Format (*.aif;*.aiff) (*.aif *.aiff)");
  EXPECT_TRUE(f[19].startsWith("Video - 3GPP files(*.3gp,*.3g2,*.3gpp,*.3g,*.k3g,*.3gp2) (*.3gp "));
  EXPECT_EQ(f[36], "All Files (*.*)");
  for (const QString name : {"clip.mp4", "CLIP.MP4", "x.Wv", "film.3gp2", "a.m2ts", "b.opus"})
    EXPECT_TRUE(Accepts(f[0], name));
  EXPECT_FALSE(Accepts(f[0], "film,3g"));
  EXPECT_FALSE(Accepts(f[0], "clip.mp4.part"));
  EXPECT_FALSE(Accepts(f[1], "movie.avi"));
  EXPECT_FALSE(Accepts(f[2], "song.mp3"));
}

TEST(RowTexts, SizeTimePictureAndFailureMessage) {
  EXPECT_EQ(FormatFileSizeText(1048576), "1.0 MB");
  EXPECT_EQ(FormatFileSizeText(0), "0.0 MB");
  EXPECT_EQ(FormatFileSizeText(-1), "0.0 MB");
  EXPECT_EQ(FormatFileSizeText(1234.5 * 1048576), "1,234.5 MB");
  EXPECT_EQ(FormatFileSizeText(1048576.0 * 3145728), "3,145,728.0 MB");
  EXPECT_EQ(FormatModifiedText(QDateTime(QDate(2024, 3, 5), QTime(17, 4, 9))), "2024/03/05 17:04:09");
  EXPECT_EQ(FormatVideoSizeText(640, 480), "640 X 480");
  EXPECT_EQ(TrackCountText(2, 0), "Audio tracks: 2, subtitle tracks: 0");
  EXPECT_EQ(OpenFailureText("/m/a b.avi", "Invalid data"),
            "Can not open file: \n/m/a b.avi\n\nError: \nInvalid data");
}

TEST(NativePath, UriListsAndLossyNamesKeepExactBytes) {
  const QList<QByteArray> dropped = NativePath::LocalFilesFromUriList(
      "# comment\r\nfile:///tmp/a%20b.mp4\r\nfile:///tmp/caf%E9.avi\r\n"
      "http://example.invalid/remote.mp4\r\nfile://otherhost/x.mp4\r\n\r\n"
      "file://localhost/tmp/semi%3Bcolon%22q%27.mp4");
  EXPECT_EQ(dropped, QList<QByteArray>({"/tmp/a b.mp4", "/tmp/caf\xE9.avi", "/tmp/semi;colon\"q'.mp4"}));

  const QByteArray odd = CopySample("odd\xE9\xFF name.mp4");
  // Shown without losing a byte: the name given back is the file's own, and two
  // names that differ only in bytes that are not UTF-8 stay two names.
  const QString shown = NativePath::Display(odd);
  EXPECT_FALSE(shown.contains(QChar::ReplacementCharacter));
  EXPECT_EQ(NativePath::Encode(shown), odd);
  EXPECT_NE(NativePath::Display("x\xFE"), NativePath::Display("x\xFF"));
  EXPECT_EQ(NativePath::Display("caf\xC3\xA9 \xED\xB2\x80"),
            QString::fromUtf8("caf\xC3\xA9 ") + QChar(0xDCED) + QChar(0xDCB2) + QChar(0xDC80));
  EXPECT_EQ(NativePath::Encode(QString::fromUtf8("caf\xC3\xA9")), "caf\xC3\xA9");
  // A name that lost bytes elsewhere (Qt's own decoding) finds the file again.
  EXPECT_EQ(NativePath::Resolve(QFile::decodeName(odd)), odd);
  EXPECT_EQ(NativePath::Resolve(AudioVideo()), Bytes(AudioVideo()));
  EXPECT_EQ(NativePath::KindOf(Bytes(Folder())), NativePath::Kind::Directory);
  EXPECT_EQ(NativePath::KindOf("/dev/null"), NativePath::Kind::Other);
  EXPECT_EQ(NativePath::FileSize(Bytes(Folder() + "nothing-here")), 0);
  EXPECT_GT(NativePath::FileSize(odd), 1000);
  ::unlink(odd.constData());
}
