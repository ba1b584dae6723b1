// The desktop entry offers the program for every file type the Add dialog lists.
#include <gtest/gtest.h>

#include <QFile>
#include <QMimeDatabase>
#include <QSettings>

#include "base/MediaExtensions.h"

TEST(DesktopEntry, MimeTypesCoverEveryListedExtensionTheSystemKnows) {
  const QString path =
      QString(VELTRANE_SOURCE_DIR) + "/resources/desktop/com.veltranesoftware.VideoConverter.desktop";
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
  QStringList offered;
  for (const QByteArray& line : file.readAll().split('\n'))
    if (line.startsWith("MimeType=")) offered = QString::fromUtf8(line.mid(9)).split(';', Qt::SkipEmptyParts);
  ASSERT_FALSE(offered.isEmpty());

  const QMimeDatabase mime;
  int known = 0;
  for (const std::string& ext : mediaext::SupportedExtensions()) {
    // Every type the system gives this extension, not only its first choice.
    const QList<QMimeType> types = mime.mimeTypesForFileName("x." + QString::fromStdString(ext));
    if (types.isEmpty()) continue;  // no registered type (e.g. .dpg, .tod): nothing to offer
    ++known;
    bool covered = false;
    for (const QMimeType& type : types) {
      covered = covered || offered.contains(type.name());
      for (const QString& alias : type.aliases())
        covered = covered || offered.contains(alias);
    }
    EXPECT_TRUE(covered) << ext << " (" << types.front().name().toStdString() << ") is not offered";
  }
  EXPECT_GT(known, 30);
}
