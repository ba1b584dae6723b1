#include "common/UiServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>

#include "common/Globals.h"

namespace Ui {
namespace {
MessageHandler g_message;
OpenFilesHandler g_openFiles;
FolderHandler g_folder;
OpenUrlHandler g_openUrl;
SoundHandler g_sound;

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: break;
  }
  return QMessageBox::Information;
}
}  // namespace

QMessageBox::StandardButton ShowMessage(QWidget* owner, const QString& text, MessageIcon icon,
                                        QMessageBox::StandardButtons buttons,
                                        const QString& caption) {
  MessageRequest req{owner, text, caption.isEmpty() ? QString(Globals::ProgramTitle) : caption,
                     icon, buttons};
  if (g_message) return g_message(req);
  QMessageBox box(ToQt(icon), req.caption, text, buttons, owner);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}
void SetMessageHandler(MessageHandler handler) { g_message = std::move(handler); }

QStringList GetOpenFileNames(QWidget* owner, const QString& folder, const QStringList& filters) {
  OpenFilesRequest req{owner, folder, filters};
  if (g_openFiles) return g_openFiles(req);
  QFileDialog dialog(owner);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setDirectory(folder);
  dialog.setNameFilters(filters);
  dialog.setOption(QFileDialog::ReadOnly, true);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.front());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}
void SetOpenFilesHandler(OpenFilesHandler handler) { g_openFiles = std::move(handler); }

QString BrowseForFolder(QWidget* owner, const QString& title, const QString& start) {
  FolderRequest req{owner, title, start};
  if (g_folder) return g_folder(req);
  return QFileDialog::getExistingDirectory(owner, title, start);
}
void SetFolderHandler(FolderHandler handler) { g_folder = std::move(handler); }

bool OpenUrl(const QUrl& url) {
  if (g_openUrl) return g_openUrl(url);
  return QDesktopServices::openUrl(url);
}
bool OpenFolder(const QString& folder) { return OpenUrl(QUrl::fromLocalFile(folder)); }
void SetOpenUrlHandler(OpenUrlHandler handler) { g_openUrl = std::move(handler); }

void PlayAlertSound() {
  if (g_sound) return g_sound();
  QApplication::beep();
}
void SetSoundHandler(SoundHandler handler) { g_sound = std::move(handler); }

}  // namespace Ui
