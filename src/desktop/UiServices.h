#pragma once
// The seams between the program and the desktop: message boxes, file and folder
// dialogs, opening URLs and folders, the alert sound. Tests replace the handlers so
// nothing waits for a human.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class QWidget;

namespace Ui {

enum class MessageIcon { None, Critical, Information, Question };

struct MessageRequest {
  QWidget* owner = nullptr;
  QString text;
  QString caption;
  MessageIcon icon = MessageIcon::Information;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;  // Enter's answer
};
using MessageHandler = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

// Shows a modal message; the caption defaults to the program title.
QMessageBox::StandardButton ShowMessage(QWidget* owner, const QString& text, MessageIcon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString& caption = QString());
void SetMessageHandler(MessageHandler handler);  // empty handler restores the real box
// A Yes/No question whose default (Enter) is No: for questions whose Yes loses work.
bool AskYesDefaultNo(QWidget* owner, const QString& text);

struct OpenFilesRequest {
  QWidget* owner = nullptr;
  QString folder;
  QStringList filters;  // "Text (*.a *.b)" entries, first one selected
};
using OpenFilesHandler = std::function<QStringList(const OpenFilesRequest&)>;
QStringList GetOpenFileNames(QWidget* owner, const QString& folder, const QStringList& filters);
void SetOpenFilesHandler(OpenFilesHandler handler);

struct FolderRequest {
  QWidget* owner = nullptr;
  QString title;
  QString start;
};
using FolderHandler = std::function<QString(const FolderRequest&)>;
// Returns the chosen folder, or an empty string when cancelled.
QString BrowseForFolder(QWidget* owner, const QString& title, const QString& start);
void SetFolderHandler(FolderHandler handler);

using OpenUrlHandler = std::function<bool(const QUrl&)>;
// Opens a web address, file or folder with the desktop's program for it. When that
// fails (nothing installed, or the path is gone), a message says so and shows the
// address or path, so the user can copy it.
bool OpenUrl(const QUrl& url);
// The text of that message.
QString OpenFailureText(const QUrl& url);
bool OpenFolder(const QString& folder);
void SetOpenUrlHandler(OpenUrlHandler handler);

using SoundHandler = std::function<void()>;
void PlayAlertSound();
void SetSoundHandler(SoundHandler handler);

// A question answered by typing a text, or by picking one of `choices` when there are
// any. nullopt when the user cancels.
struct InputRequest {
  QWidget* owner = nullptr;
  QString title;
  QString label;
  QString text;  // the text offered, or the choice selected at first
  QStringList choices;
};
using InputHandler = std::function<std::optional<QString>(const InputRequest&)>;
std::optional<QString> AskInput(const InputRequest& request);
void SetInputHandler(InputHandler handler);

struct SaveFileRequest {
  QWidget* owner = nullptr;
  QString title;
  QString path;    // the name offered
  QString filter;  // "Text (*.ext)"
};
using SaveFileHandler = std::function<QString(const SaveFileRequest&)>;
// The chosen path, or an empty string when cancelled.
QString GetSaveFileName(const SaveFileRequest& request);
void SetSaveFileHandler(SaveFileHandler handler);

}  // namespace Ui
