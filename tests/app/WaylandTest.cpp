// The program's windows on a Wayland compositor: under_weston.sh starts a headless
// weston and runs this with QT_QPA_PLATFORM=wayland. The main window, the output
// settings dialog and the progress window open, one file converts, and the corner
// notice still takes its click where windows cannot be placed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/UpdateCheck.h"
#include "conversion/CompletionNotice.h"
#include "conversion/ProgressWindow.h"
#include "core/AppState.h"
#include "core/Settings.h"
#include "desktop/WindowHelpers.h"
#include "filelist/FileList.h"
#include "output/OutputSettingsDialog.h"
#include "support/Fixtures.h"
#include "support/UiRecorder.h"
#include "support/WaitUntil.h"

namespace {
bool Exposed(QWidget* w) {
  return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}
}  // namespace

TEST(Wayland, DialogProgressWindowAndOneConversion) {
  ASSERT_TRUE(QGuiApplication::platformName().startsWith("wayland"))
      << QGuiApplication::platformName().toStdString();
  EXPECT_FALSE(CanPlaceWindows());
  WriteSetting("LastCheckUpdate", UpdateCheck::FormatCheckDate(QDate::currentDate()));
  UiRecorder ui;
  ui.answer = QMessageBox::No;
  QTemporaryDir dir;
  const QString source = dir.filePath("clip.mp4");
  ASSERT_TRUE(Fixtures::VideoWithAudio(source, 1.0));
  const QString out = dir.filePath("out") + "/";
  ASSERT_TRUE(QDir().mkpath(out));

  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  ASSERT_TRUE(w.Files()->AddFile(source));

  // Each window is used once the compositor shows it.
  bool dialogShown = false, progressShown = false, ended = false;
  QTimer watch;
  watch.setInterval(10);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<OutputSettingsDialog*>(modal);
        dialog && !dialogShown && Exposed(dialog)) {
      dialogShown = true;
      dialog->FolderBox()->setText(out);
      // Pressed from the dialog's own loop: the progress window's loop runs inside the press.
      QTimer::singleShot(0, dialog->findChild<QPushButton*>("BtnOK"), &QPushButton::click);
    } else if (auto* form = qobject_cast<ProgressWindow*>(modal); form && Exposed(form)) {
      progressShown = true;
      if (!form->RunEnded()) return;
      ended = true;
      form->StopButton()->click();  // "Close"
    }
  });
  watch.start();
  w.OnCommand(Commands::ConvertFiles);
  watch.stop();
  EXPECT_TRUE(dialogShown);
  EXPECT_TRUE(progressShown);
  ASSERT_TRUE(ended);
  EXPECT_TRUE(QFile::exists(out + "clip.mp4"));
  EXPECT_TRUE(ui.messages.empty()) << ui.Texts().join('\n').toStdString();

  // No notification service here: the corner notice shows and opens the folder.
  CompletionNotice* notice = w.Popup();
  ASSERT_NE(notice, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return Exposed(notice); }, std::chrono::milliseconds(10000)));
  QTest::mouseClick(notice->windowHandle(), Qt::LeftButton, {}, QPoint(100, 50));
  ASSERT_EQ(ui.openedUrls.size(), 1u);
  EXPECT_EQ(ui.openedUrls[0], QUrl::fromLocalFile(out));
}
