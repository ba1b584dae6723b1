// The dialog filters, the row texts and the byte-exact file names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDateTime>
#include <QRegularExpression>

#include "FileListTestUtil.h"
#include "filelist/MediaFilters.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"

using namespace filelisttest;

namespace {
// Whether a Qt dialog filter accepts `fileName` (patterns from the last parentheses).
bool FilterAccepts(const QString& filter, const QString& fileName) {
  const qsizetype open = filter.lastIndexOf('(');
  const QStringList patterns = filter.mid(open + 1).chopped(1).split(' ');
  for (const QString& p : patterns) {
    // Qt's own file dialog matches names without regard to letter case.
    const QRegularExpression rx(QRegularExpression::wildcardToRegularExpression(p),
                                QRegularExpression::CaseInsensitiveOption);
    if (rx.match(fileName).hasMatch())
      return true;
  }
  return false;
}
}  // namespace

TEST(MediaFilters, ThirtyThreeEntriesInOrderMatchingAnyCase) {
  const QStringList filters = MediaDialogFilters();
  ASSERT_EQ(filters.size(), 33);
  ASSERT_EQ(MediaFilterTable().size(), 33u);
  EXPECT_TRUE(filters[0].startsWith("All Supported Media Files ("));
  EXPECT_TRUE(filters[17].startsWith("Video - 3GPP files(*.3gp,*.3g2,*.3gpp;*,3g,*.k3g,*,3gp2) ("));
  EXPECT_EQ(MediaFilterTable()[10].text, "Audio - MPEG-4 Audio (*.m4a,*.m4r)");
  EXPECT_EQ(MediaFilterTable()[32].text, "All Files (*.*)");
  EXPECT_EQ(MediaFilterTable()[0].pattern.split(';').size(), 31 + 16);
  EXPECT_EQ(MediaFilterTable()[0].pattern,
            MediaFilterTable()[2].pattern + ";" + MediaFilterTable()[1].pattern);

  for (const QString name : {"clip.mp4", "CLIP.MP4", "Clip.Mp4", "a.b.webm", "x.WV", "film,3g"})
    EXPECT_TRUE(FilterAccepts(filters[0], name)) << name.toStdString();
  EXPECT_FALSE(FilterAccepts(filters[0], "notes.txt"));
  EXPECT_FALSE(FilterAccepts(filters[0], "clip.mp4.part"));
  EXPECT_TRUE(FilterAccepts(filters[1], "SONG.FLAC"));
  EXPECT_FALSE(FilterAccepts(filters[1], "movie.avi"));
  EXPECT_FALSE(FilterAccepts(filters[2], "song.mp3"));
  EXPECT_TRUE(FilterAccepts(filters[19], "Holiday.AVI"));
  EXPECT_TRUE(FilterAccepts(filters[32], "README.anything"));
  EXPECT_EQ(filters[3], "Audio - Advanced Audio Coding Files (*.aac)");
  EXPECT_EQ(filters[4], "Audio - Audio InterChange File Format (*.aif;*.aiff) (*.aif *.aiff)");
  EXPECT_EQ(filters[10], "Audio - MPEG-4 Audio (*.m4a,*.m4r) (*.m4a *.m4r)");
  EXPECT_EQ(filters[32], "All Files (*.*)");
}

TEST(RowTexts, SizeTimePictureAndFailureMessage) {
  EXPECT_EQ(FormatFileSizeText(1048576), "1.0 MB");
  EXPECT_EQ(FormatFileSizeText(0), "0.0 MB");
  EXPECT_EQ(FormatFileSizeText(-1), "0.0 MB");
  EXPECT_EQ(FormatFileSizeText(1234.5 * 1048576), "1,234.5 MB");
  EXPECT_EQ(FormatFileSizeText(1048576.0 * 1048576 * 3), "3,145,728.0 MB");
  EXPECT_EQ(FormatFileSizeText(52429), "0.1 MB");  // 0.05 MiB rounds up
  EXPECT_EQ(FormatModifiedText(QDateTime(QDate(2024, 3, 5), QTime(17, 4, 9))), "2024/03/05 17:04:09");
  EXPECT_EQ(FormatModifiedText(QDateTime(QDate(1999, 12, 31), QTime(0, 0, 0))), "1999/12/31 00:00:00");
  EXPECT_EQ(FormatModifiedText(QDateTime()), "");
  EXPECT_EQ(FormatVideoSizeText(640, 480), "640 X 480");
  EXPECT_EQ(OpenFailureText("/m/a b.avi", "Invalid data"),
            "Can not open file: \n/m/a b.avi\n\nError: \nInvalid data");
}

TEST(NativePath, UriListsKeepExactBytes) {
  const QByteArray list =
      "# comment\r\n"
      "file:///tmp/a%20b.mp4\r\n"
      "file:///tmp/caf%E9.avi\r\n"           // Latin-1 byte, not UTF-8
      "file:///tmp/%D0%BA%D0%BE%D1%82.mkv\r\n"  // Cyrillic in UTF-8
      "http://example.invalid/remote.mp4\r\n"
      "file://otherhost/share/x.mp4\r\n"
      "\r\n"
      "file://localhost/tmp/semi%3Bcolon%22q%27.mp4";
  const QList<QByteArray> files = NativePath::LocalFilesFromUriList(list);
  ASSERT_EQ(files.size(), 4);
  EXPECT_EQ(files[0], "/tmp/a b.mp4");
  EXPECT_EQ(files[1], QByteArray("/tmp/caf\xE9.avi"));
  EXPECT_EQ(QString::fromUtf8(files[2]), QString::fromUtf8("/tmp/кот.mkv"));
  EXPECT_EQ(files[3], "/tmp/semi;colon\"q'.mp4");
  EXPECT_TRUE(NativePath::LocalFilesFromUriList("just some text").isEmpty());
}

TEST(NativePath, KindsSizesAndLossyNamesResolved) {
  const QByteArray odd = CopySample("odd\xE9\xFF name.mp4");
  const QString shown = NativePath::Display(odd);
  EXPECT_TRUE(shown.contains(QChar::ReplacementCharacter));
  EXPECT_TRUE(shown.endsWith(" name.mp4"));
  // A name that reached us already decoded finds its way back to the real bytes.
  EXPECT_EQ(NativePath::Resolve(shown), odd);
  EXPECT_EQ(NativePath::Resolve(AudioVideo()), Bytes(AudioVideo()));
  EXPECT_EQ(NativePath::Resolve(Folder() + "missing\uFFFD.mp4"), Bytes(Folder() + "missing\uFFFD.mp4"));

  EXPECT_EQ(NativePath::KindOf(odd), NativePath::Kind::Regular);
  EXPECT_EQ(NativePath::KindOf(Bytes(Folder())), NativePath::Kind::Directory);
  EXPECT_EQ(NativePath::KindOf("/dev/null"), NativePath::Kind::Other);
  EXPECT_EQ(NativePath::KindOf(Bytes(Folder() + "nothing-here")), NativePath::Kind::Missing);
  EXPECT_GT(NativePath::FileSize(odd), 1000);
  EXPECT_EQ(NativePath::FileSize(Bytes(Folder() + "nothing-here")), 0);
  EXPECT_EQ(NativePath::FileSize(Bytes(Folder())), 0);
  EXPECT_TRUE(NativePath::Modified(odd).isValid());
  EXPECT_FALSE(NativePath::Modified("").isValid());
  ::unlink(odd.constData());
}
