#include "desktop/UiServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QProcess>
#include <QStandardPaths>

#include "core/ProgramInfo.h"

namespace Ui {
namespace {
MessageHandler g_message;
OpenFilesHandler g_openFiles;
FolderHandler g_folder;
OpenUrlHandler g_openUrl;
SoundHandler g_sound;

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      return QMessageBox::NoIcon;
    case MessageIcon::Information:
      break;
  }
  return QMessageBox::Information;
}
}  // namespace

namespace {
QMessageBox::StandardButton Show(const MessageRequest& req) {
  if (g_message) return g_message(req);
  QMessageBox box(ToQt(req.icon), req.caption, req.text, req.buttons, req.owner);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // paths and addresses can be copied
  if (req.defaultButton != QMessageBox::NoButton) box.setDefaultButton(req.defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}
}  // namespace

QMessageBox::StandardButton ShowMessage(QWidget* owner, const QString& text, MessageIcon icon,
                                        QMessageBox::StandardButtons buttons, const QString& caption) {
  return Show({owner, text, caption.isEmpty() ? QString(ProgramInfo::kTitle) : caption, icon, buttons});
}

bool AskYesDefaultNo(QWidget* owner, const QString& text) {
  return Show({owner, text, QString(ProgramInfo::kTitle), MessageIcon::Question,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No}) == QMessageBox::Yes;
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

QString OpenFailureText(const QUrl& url) {
  if (!url.isLocalFile())
    return QCoreApplication::translate("UiServices", "No web browser could be started. The address is:\n%1")
        .arg(url.toString());
  const QString path = url.toLocalFile();
  const QFileInfo info(path);
  if (!info.exists())
    return QCoreApplication::translate("UiServices", "This does not exist (any more):\n%1").arg(path);
  return (info.isDir() ? QCoreApplication::translate(
                             "UiServices", "No program could be started to show this folder. It is here:\n%1")
                       : QCoreApplication::translate(
                             "UiServices", "No program could be started to show this file. It is here:\n%1"))
      .arg(path);
}

namespace {
// A web address goes to the desktop's opener as a process of its own, so its answer
// can be heard: it may start fine and then find no browser, which the desktop
// services would report as success. The answer arrives later, from the event loop.
bool OpenWebAddress(const QUrl& url) {
  const QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty()) return QDesktopServices::openUrl(url);
  auto* process = new QProcess(qApp);
  const auto failed = [process, url] {
    process->deleteLater();
    ShowMessage(QApplication::activeWindow(), OpenFailureText(url), MessageIcon::Critical);
  };
  QObject::connect(process, &QProcess::finished, process,
                   [process, failed](int code, QProcess::ExitStatus status) {
                     if (status == QProcess::NormalExit && code == 0) {
                       process->deleteLater();
                     } else {
                       failed();
                     }
                   });
  QObject::connect(process, &QProcess::errorOccurred, process, [failed](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) failed();
  });
  process->start(opener, {url.toString(QUrl::FullyEncoded)});
  return true;
}
}  // namespace

bool OpenUrl(const QUrl& url) {
  // The desktop may accept a path that is gone and then fail where nobody sees it.
  const bool missing = url.isLocalFile() && !QFileInfo::exists(url.toLocalFile());
  bool opened = false;
  if (g_openUrl) {
    opened = g_openUrl(url);
  } else {
    opened = url.isLocalFile() ? QDesktopServices::openUrl(url) : OpenWebAddress(url);
  }
  opened = opened && !missing;
  if (!opened) ShowMessage(QApplication::activeWindow(), OpenFailureText(url), MessageIcon::Critical);
  return opened;
}
bool OpenFolder(const QString& folder) { return OpenUrl(QUrl::fromLocalFile(folder)); }
void SetOpenUrlHandler(OpenUrlHandler handler) { g_openUrl = std::move(handler); }

void PlayAlertSound() {
  if (g_sound) return g_sound();
  QApplication::beep();
}
void SetSoundHandler(SoundHandler handler) { g_sound = std::move(handler); }

namespace {
InputHandler g_input;
SaveFileHandler g_saveFile;
}  // namespace

std::optional<QString> AskInput(const InputRequest& request) {
  if (g_input) return g_input(request);
  bool ok = false;
  QString answer;
  if (request.choices.isEmpty()) {
    answer = QInputDialog::getText(request.owner, request.title, request.label, QLineEdit::Normal,
                                   request.text, &ok);
  } else {
    const int current = std::max<int>(0, static_cast<int>(request.choices.indexOf(request.text)));
    answer = QInputDialog::getItem(request.owner, request.title, request.label, request.choices, current,
                                   false, &ok);
  }
  return ok ? std::optional<QString>(answer) : std::nullopt;
}
void SetInputHandler(InputHandler handler) { g_input = std::move(handler); }

QString GetSaveFileName(const SaveFileRequest& request) {
  if (g_saveFile) return g_saveFile(request);
  return QFileDialog::getSaveFileName(request.owner, request.title, request.path, request.filter);
}
void SetSaveFileHandler(SaveFileHandler handler) { g_saveFile = std::move(handler); }

}  // namespace Ui
