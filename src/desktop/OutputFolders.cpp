#include "desktop/OutputFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Helpers.h"
#include "desktop/UiServices.h"

namespace {

QString WithSlash(QString folder) {
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}

// The deepest part of `path` that exists (the path itself when it does).
QString ExistingPart(const QString& path) {
  QString part = QDir::cleanPath(path);
  while (!QFileInfo::exists(part) && part != "/")
    part = QFileInfo(part).path();
  return part;
}

}  // namespace

QString DefaultOutputFolder() {
  const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
  if (!videos.isEmpty() && (QFileInfo(videos).isDir() || QDir().mkpath(videos))) return WithSlash(videos);
  return WithSlash(QDir::homePath());
}

FolderState ClassifyFolder(const QString& folder) {
  if (folder.trimmed().isEmpty() || !QDir::isAbsolutePath(folder)) return FolderState::Impossible;
  if (FolderExists(folder)) return FolderState::Usable;
  const QString existing = ExistingPart(folder);
  if (existing == QDir::cleanPath(folder)) return FolderState::Impossible;  // there, but no usable folder
  return QFileInfo(existing).isDir() ? FolderState::Creatable : FolderState::Impossible;
}

QString FolderChooserStart(const QString& text) {
  const QString folder = text.trimmed();
  if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) return DefaultOutputFolder();
  QString existing = ExistingPart(folder);
  if (!QFileInfo(existing).isDir()) existing = QFileInfo(existing).path();  // a file's folder
  if (existing == "/") return DefaultOutputFolder();
  return WithSlash(existing);
}

CreateAnswer OfferToCreateFolder(const QString& folder, QWidget* owner) {
  const QString shown = folder.size() > 1 && folder.endsWith('/') ? folder.chopped(1) : folder;
  const auto answer =
      Ui::ShowMessage(owner, QCoreApplication::translate("OutputFolders", "Create %1?").arg(shown),
                      Ui::MessageIcon::Question, QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return CreateAnswer::Declined;
  if (QDir().mkpath(folder) && FolderExists(folder)) return CreateAnswer::Created;
  Ui::ShowMessage(
      owner, QCoreApplication::translate("OutputFolders", "The folder could not be created:\n%1").arg(shown),
      Ui::MessageIcon::Critical);
  return CreateAnswer::Failed;
}
