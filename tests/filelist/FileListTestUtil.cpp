#include "FileListTestUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/Fixtures.h"

namespace filelisttest {
namespace {

QTemporaryDir& Dir() {
  static QTemporaryDir dir;
  return dir;
}

QString Made(const QString& name, bool (*make)(const QString&, double)) {
  const QString path = Folder() + name;
  if (!QFile::exists(path)) {
    EXPECT_TRUE(make(path, 1.0)) << "could not make " << path.toStdString();
  }
  return path;
}

}  // namespace

QString Folder() { return Dir().path() + "/"; }
QString AudioVideo() { return Made("av.mp4", &Fixtures::VideoWithAudio); }
QString AudioOnly() { return Made("tone.wav", &Fixtures::AudioOnly); }
QString VideoOnly() { return Made("picture.mkv", &Fixtures::VideoOnly); }

QString Broken() {
  const QString path = Folder() + "broken.avi";
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write("this is plain text, not a video\n");
  return path;
}

QByteArray CopySample(const QByteArray& name) {
  const QByteArray target = Bytes(Folder()) + name;
  QFile source(AudioVideo());
  EXPECT_TRUE(source.open(QIODevice::ReadOnly));
  const QByteArray data = source.readAll();
  FILE* out = std::fopen(target.constData(), "wb");
  EXPECT_NE(out, nullptr);
  if (out) {
    std::fwrite(data.constData(), 1, static_cast<size_t>(data.size()), out);
    std::fclose(out);
  }
  return target;
}

QByteArray Bytes(const QString& path) { return QFile::encodeName(path); }

MessageRecorder::MessageRecorder() {
  Ui::SetMessageHandler([this](const Ui::MessageRequest& request) {
    texts << request.text;
    EXPECT_EQ(request.icon, Ui::MessageIcon::Critical);
    if (onMessage) onMessage();
    return QMessageBox::Ok;
  });
}
MessageRecorder::~MessageRecorder() { Ui::SetMessageHandler({}); }

ListHarness::ListHarness() : list(new ListView1(&owner)) {
  owner.resize(900, 400);
  list->resize(900, 400);
  files = std::make_unique<FileList>(list, decoder, &owner);
}
ListHarness::~ListHarness() {
  files.reset();
  Ui::SetOpenFilesHandler({});
}

QStringList ListHarness::Texts(int column) const {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(column);
  return out;
}

QList<int> ListHarness::SelectedRows() const {
  QList<int> out;
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->isSelected()) out << i;
  return out;
}

int ListHarness::CurrentRow() const {
  return list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
}

}  // namespace filelisttest
