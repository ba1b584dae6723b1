// Every window walked as a screen reader sees it: each control a user can act on has a
// name, and the self-drawn parts say what they show.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDate>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/UpdateCheck.h"
#include "conversion/CompletionNotice.h"
#include "conversion/ProgressWindow.h"
#include "core/AppState.h"
#include "core/Settings.h"
#include "engine/FFEncoder.h"
#include "filelist/WaitWindow.h"
#include "output/OutputSettingsDialog.h"
#include "player/PlayerSlider.h"
#include "player/PlayerWindow.h"
#include "support/UiRecorder.h"

namespace {

struct Walk {
  int walked = 0;
  QStringList unnamed;
};

QString Describe(QAccessibleInterface* iface) {
  const QObject* object = iface->object();
  return QStringLiteral("%1 '%2' (role %3, name '%4')")
      .arg(object ? object->metaObject()->className() : "item", object ? object->objectName() : QString())
      .arg(iface->role())
      .arg(iface->text(QAccessible::Name));
}

// Whether the user acts on it: then it must be named. A combo box's parts are named by
// the combo box, and a combo box (whose name on Linux is its choice) by its label.
bool Interactive(QAccessibleInterface* iface) {
  QAccessibleInterface* parent = iface->parent();
  if (parent && parent->role() == QAccessible::ComboBox) return false;
  switch (iface->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
      return true;
    default:
      return iface->state().editable || iface->state().checkable;
  }
}

bool Named(QAccessibleInterface* iface) {
  if (iface->role() == QAccessible::ComboBox) return !iface->relations(QAccessible::Label).isEmpty();
  return !iface->text(QAccessible::Name).trimmed().isEmpty();
}

void WalkFrom(QAccessibleInterface* iface, Walk& walk, int depth = 0) {
  ASSERT_LT(depth, 50);
  if (!iface || !iface->isValid()) return;
  ++walk.walked;
  if (Interactive(iface) && !Named(iface)) walk.unnamed << Describe(iface);
  for (int i = 0; i < iface->childCount(); ++i)
    WalkFrom(iface->child(i), walk, depth + 1);
}

void WalkWindow(QObject* window, Walk& walk) {
  WalkFrom(QAccessible::queryAccessibleInterface(window), walk);
  // Menus that pop up outside the menu bar (the list's context menu, the profile menu).
  for (QMenu* menu : window->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
    WalkFrom(QAccessible::queryAccessibleInterface(menu), walk);
}

// The object names of the controls Tab visits, from the window round to it again.
QStringList TabChain(QWidget* window) {
  QStringList names;
  for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
    if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
      names << w->objectName();
  return names;
}

// Whether `expected` appear in `chain` in this order (other controls may come between).
bool InOrder(const QStringList& chain, const QStringList& expected) {
  qsizetype at = 0;
  for (const QString& name : expected) {
    at = chain.indexOf(name, at);
    if (at < 0) return false;
  }
  return true;
}

}  // namespace

TEST(Accessibility, TabFollowsTheLayout) {
  UiRecorder desktop;
  PlayerWindow player("/nowhere/clip.mp4", "/nowhere/clip.mp4", nullptr);
  player.show();
  EXPECT_EQ(TabChain(&player),
            (QStringList{"btnPause", "VeSlider1", "PicMute", "VeSliderVol", "NoticeClose"}));

  FFEncoder encoder;
  AppState state;
  ProgressWindow progress(encoder, state, {ProgressRow{"clip.mp4", -1, "clip.mp4", 0, 0, "no room", ""}},
                          nullptr);
  progress.show();  // the refused file fills the problems box
  EXPECT_TRUE(InOrder(TabChain(&progress), {"ListView1", "TextProblems", "BtnStop"}))
      << TabChain(&progress).join(' ').toStdString();

  OutputSettingsDialog settings(nullptr);
  settings.show();
  QTest::mouseClick(settings.findChild<QPushButton*>("BtnMore"), Qt::LeftButton);  // shows the grid
  EXPECT_TRUE(InOrder(TabChain(&settings),
                      {"ComboFormat", "ComboSize", "ComboVideoQ", "ComboAudioQ", "ComboCPU", "TextFolder",
                       "BtnBrowse", "ComboIfExists", "BtnMore", "BtnOK", "BtnCancel", "GridTree"}))
      << TabChain(&settings).join(' ').toStdString();
}

TEST(Accessibility, EveryWindowNamesEveryControl) {
  WriteSetting("LastCheckUpdate", UpdateCheck::FormatCheckDate(QDate::currentDate()));
  QAccessible::setActive(true);
  UiRecorder desktop;
  AppState state;
  MainWindow main(state);
  ASSERT_TRUE(main.Load());
  main.show();

  Walk walk;
  WalkWindow(&main, walk);
  OutputSettingsDialog settings(&main);
  WalkWindow(&settings, walk);
  ProgressWindow progress(main.Encoder(), state, {ProgressRow{"clip.mp4", -1, "clip.mp4", 0, 0, {}, {}}},
                          nullptr, &main);
  WalkWindow(&progress, walk);
  PlayerWindow player("/nowhere/clip.mp4", "/nowhere/clip.mp4", &main);
  player.show();
  WalkWindow(&player, walk);
  AboutWindow about(&main);
  WalkWindow(&about, walk);
  WaitWindow wait(&main);
  wait.ShowCancel();
  WalkWindow(&wait, walk);

  // The notice is painted: its texts are what it says.
  CompletionNotice notice(&main);
  ShowCompletionNotice(notice);
  QAccessibleInterface* noticeIface = QAccessible::queryAccessibleInterface(&notice);
  EXPECT_EQ(noticeIface->text(QAccessible::Name), "Veltrane Video Converter");
  EXPECT_EQ(noticeIface->text(QAccessible::Description),
            "Convert Finished. Click here to open the output folder");

  std::printf("[ walked     ] %d accessible objects\n", walk.walked);
  EXPECT_GT(walk.walked, 200);  // the profile menu alone has more than a hundred entries
  EXPECT_TRUE(walk.unnamed.isEmpty()) << walk.unnamed.join("\n").toStdString();
}
