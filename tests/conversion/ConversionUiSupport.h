#pragma once
// Answers the desktop seams during a test and records what was asked of them.
#include <QApplication>
#include <QElapsedTimer>
#include <QUrl>
#include <functional>
#include <vector>

#include "common/UiServices.h"

struct UiRecorder {
  std::vector<Ui::MessageRequest> messages;
  std::vector<QUrl> openedUrls;
  int sounds = 0;
  int folderDialogs = 0;
  // The answer to the next questions; NoButton answers Yes to a question, else Ok.
  QMessageBox::StandardButton answer = QMessageBox::NoButton;

  UiRecorder() {
    Ui::SetMessageHandler([this](const Ui::MessageRequest& r) {
      messages.push_back(r);
      if (answer != QMessageBox::NoButton) return answer;
      return (r.buttons & QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
    Ui::SetOpenUrlHandler([this](const QUrl& url) {
      openedUrls.push_back(url);
      return true;
    });
    Ui::SetSoundHandler([this] { ++sounds; });
    Ui::SetFolderHandler([this](const Ui::FolderRequest&) {
      ++folderDialogs;
      return QString();
    });
  }
  ~UiRecorder() {
    Ui::SetMessageHandler(nullptr);
    Ui::SetOpenUrlHandler(nullptr);
    Ui::SetSoundHandler(nullptr);
    Ui::SetFolderHandler(nullptr);
  }
};

// Processes events until `done` holds or `timeoutMs` passes; returns `done()`.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 30000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}
