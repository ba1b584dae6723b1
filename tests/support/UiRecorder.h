#pragma once
// Answers the desktop seams during a test (message boxes, opened URLs and folders,
// the folder dialog, the alert sound) and records what was asked of them.
#include <gtest/gtest.h>

#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

#include "desktop/UiServices.h"

struct UiRecorder {
  std::vector<Ui::MessageRequest> messages;
  std::vector<QUrl> openedUrls;
  int sounds = 0;
  int folderDialogs = 0;
  // The answer to questions (boxes that offer Yes); every other box gets Ok.
  QMessageBox::StandardButton answer = QMessageBox::Yes;
  // When set, every box must carry this icon.
  std::optional<Ui::MessageIcon> onlyIcon;
  // Runs inside each message box, while it would be open.
  std::function<void()> onMessage;

  UiRecorder() {
    Ui::SetMessageHandler([this](const Ui::MessageRequest& r) {
      messages.push_back(r);
      if (onlyIcon) {
        EXPECT_EQ(r.icon, *onlyIcon) << r.text.toStdString();
      }
      if (onMessage) onMessage();
      return (r.buttons & QMessageBox::Yes) ? answer : QMessageBox::Ok;
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
  UiRecorder(const UiRecorder&) = delete;
  UiRecorder& operator=(const UiRecorder&) = delete;

  QStringList Texts() const {
    QStringList texts;
    for (const Ui::MessageRequest& r : messages)
      texts << r.text;
    return texts;
  }
};
