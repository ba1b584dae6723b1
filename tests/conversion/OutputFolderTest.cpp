// The first output folder, folders offered for creation, and where the chooser opens.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "conversion/QueueConversion.h"
#include "core/AppState.h"
#include "core/FileNames.h"
#include "core/Settings.h"
#include "desktop/OutputFolders.h"
#include "output/OutputSettingsDialog.h"
#include "support/UiRecorder.h"

namespace {

// A home folder of the test's own, so the videos folder is made there.
struct PrivateHome {
  QTemporaryDir dir;
  QByteArray saved = qgetenv("HOME");
  PrivateHome() { qputenv("HOME", dir.path().toLocal8Bit()); }
  ~PrivateHome() { qputenv("HOME", saved); }
  QString Videos() const { return dir.path() + "/Videos/"; }
};

}  // namespace

TEST(OutputFolders, FirstFolderIsTheVideosFolderMadeWhenMissing) {
  PrivateHome home;
  ASSERT_FALSE(QFileInfo::exists(home.Videos()));
  EXPECT_EQ(DefaultOutputFolder(), home.Videos());
  EXPECT_TRUE(QFileInfo(home.Videos()).isDir());

  OutputSettingsDialog dialog(nullptr, "");  // nothing stored
  EXPECT_EQ(dialog.FolderBox()->text(), home.Videos());
  OutputSettingsDialog stored(nullptr, "/stored/");
  EXPECT_EQ(stored.FolderBox()->text(), "/stored/");
}

TEST(OutputFolders, WhatAFolderTextCanBecomeAndWhereTheChooserOpens) {
  PrivateHome home;
  QTemporaryDir dir;
  const QString root = dir.path() + "/";
  QDir().mkpath(root + "a/b");
  QFile file(root + "a/file.txt");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));

  EXPECT_EQ(ClassifyFolder(root + "a/"), FolderState::Usable);
  EXPECT_EQ(ClassifyFolder(root + "a/new/deeper/"), FolderState::Creatable);
  EXPECT_EQ(ClassifyFolder(root + "a/file.txt/"), FolderState::Impossible);
  EXPECT_EQ(ClassifyFolder(root + "a/file.txt/below/"), FolderState::Impossible);
  EXPECT_EQ(ClassifyFolder("relative/folder/"), FolderState::Impossible);
  EXPECT_EQ(ClassifyFolder("/"), FolderState::Usable);
  EXPECT_EQ(ClassifyFolder(" /"), FolderState::Impossible);

  EXPECT_EQ(FolderChooserStart(root + "a/b"), root + "a/b/");
  EXPECT_EQ(FolderChooserStart(root + "a/new/deeper/"), root + "a/");
  EXPECT_EQ(FolderChooserStart(root + "a/file.txt"), root + "a/");
  EXPECT_EQ(FolderChooserStart("/no such top folder/x/"), home.Videos());  // never "/"
  EXPECT_EQ(FolderChooserStart(""), home.Videos());
  EXPECT_EQ(FolderChooserStart("relative"), home.Videos());

  // The dialog's Browse... button opens the chooser there.
  UiRecorder ui;
  QString start;
  Ui::SetFolderHandler([&](const Ui::FolderRequest& r) {
    start = r.start;
    return QString();
  });
  OutputSettingsDialog dialog(nullptr, root + "a/not yet/");
  dialog.BrowseFolder();
  EXPECT_EQ(start, root + "a/");
  EXPECT_EQ(dialog.FolderBox()->text(), root + "a/not yet/");  // kept on cancel
}

TEST(OutputFolders, AMissingFolderIsOfferedForCreation) {
  UiRecorder ui;
  ui.answer = QMessageBox::No;
  QTemporaryDir dir;
  QWidget dialog;
  QLineEdit box(&dialog);
  int browsed = 0;
  const auto browse = [&] { ++browsed; };
  const QString wanted = dir.path() + "/Converted/2026";
  QString folder = "/previous/";

  box.setText(wanted);
  EXPECT_FALSE(
      CheckOutputFolder(&box, browse, &dialog, folder));  // declined: nothing made, nothing else asked
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Create " + wanted + "?");
  EXPECT_EQ(ui.messages[0].icon, Ui::MessageIcon::Question);
  EXPECT_FALSE(QFileInfo::exists(wanted));
  EXPECT_EQ(browsed, 0);
  EXPECT_EQ(folder, "/previous/");

  ui.answer = QMessageBox::Yes;
  EXPECT_TRUE(CheckOutputFolder(&box, browse, &dialog, folder));
  EXPECT_TRUE(QFileInfo(wanted).isDir());
  EXPECT_EQ(folder, wanted + "/");
  EXPECT_EQ(ReadSetting("OutPath"), wanted + "/");  // stored at once, not only at a clean exit
  EXPECT_EQ(ui.messages.size(), 2u);

  // A folder that cannot be made is said so, with its path.
  box.setText("/proc/veltrane-cannot-be-here");
  EXPECT_FALSE(CheckOutputFolder(&box, browse, &dialog, folder));
  ASSERT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(ui.messages[3].text, "The folder could not be created:\n/proc/veltrane-cannot-be-here");
  EXPECT_EQ(folder, wanted + "/");
}

// The folder dialog gives a name that is not UTF-8 with a replacement character:
// the folder used is the real one, never a look-alike.
TEST(OutputFolders, AFolderNamedInBytesThatAreNotTextIsTheRealOne) {
  UiRecorder ui;
  QTemporaryDir dir;
  const QByteArray real = QFile::encodeName(dir.path()) + "/o\xff";
  ASSERT_EQ(mkdir(real.constData(), 0755), 0);
  QWidget dialog;
  QLineEdit box(&dialog);
  box.setText(QFile::decodeName(real));  // how Qt shows it: "o\uFFFD"
  QString folder;
  EXPECT_TRUE(CheckOutputFolder(&box, nullptr, &dialog, folder));
  EXPECT_EQ(TextToName(folder), real + "/");
  EXPECT_TRUE(ui.messages.empty());
}
