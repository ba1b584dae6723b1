#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>

#include "app/AboutWindow.h"
#include "app/CommandBars.h"
#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/PresetsMenu.h"
#include "app/UpdateCheck.h"
#include "core/AppState.h"
#include "core/Helpers.h"
#include "core/Settings.h"
#include "core/Translations.h"
#include "desktop/UiServices.h"
#include "desktop/WindowHelpers.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSettingsDialog.h"
#include "support/Fixtures.h"
#include "support/UiRecorder.h"

namespace {

// The desktop seams answered (questions with No unless a test says otherwise), the
// open-file dialog cancelled, and the program's ends recorded instead of made.
struct Desktop : UiRecorder {
  std::vector<int> ends;
  int openFileDialogs = 0;

  Desktop() {
    answer = QMessageBox::No;
    Ui::SetOpenFilesHandler([this](const Ui::OpenFilesRequest&) {
      ++openFileDialogs;
      return QStringList();
    });
    MainWindow::SetEndProgramHandler([this](int code) { ends.push_back(code); });
  }
  ~Desktop() {
    Ui::SetOpenFilesHandler({});
    MainWindow::SetEndProgramHandler({});
  }
};

void ClearSettings() {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Veltrane Software", "Veltrane Video Converter");
  s.clear();
  s.sync();
}

void MarkCheckedToday() {
  WriteSetting("LastCheckUpdate", UpdateCheck::FormatCheckDate(QDate::currentDate()));
}

QStringList Captions(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions)
    if (!a->isSeparator()) out << QString(a->text()).remove('&');
  return out;
}

// WCAG contrast of a widget's text against its background, both taken from a grab of its
// window: the background is the commonest colour, the text the one farthest from it.
double TextContrast(const QImage& window, QWidget* top, QWidget* w) {
  const qreal ratio = window.devicePixelRatio();
  const QRect area(w->mapTo(top, QPoint(0, 0)) * ratio, w->size() * ratio);
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      ++counts[window.pixel(x, y)];
  QRgb back = 0;
  int most = 0;
  for (const auto& [rgb, n] : counts)
    if (n > most) std::tie(back, most) = std::pair(rgb, n);
  const auto luminance = [](QRgb c) {
    const auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
  };
  const double lb = luminance(back);
  double best = 1;
  for (const auto& [rgb, n] : counts) {
    const double l = luminance(rgb);
    best = std::max(best, (std::max(l, lb) + 0.05) / (std::min(l, lb) + 0.05));
  }
  return best;
}
}  // namespace

TEST(UpdateCheck, DueMoreThanFifteenDaysBackInTheFutureOrUnreadable) {
  const QDate today(2026, 12, 7);
  EXPECT_TRUE(UpdateCheck::IsDue("", today));  // the 2005-1-1 default
  EXPECT_FALSE(UpdateCheck::IsDue(UpdateCheck::FormatCheckDate(today), today));
  EXPECT_FALSE(UpdateCheck::IsDue(UpdateCheck::FormatCheckDate(today.addDays(-15)), today));
  EXPECT_TRUE(UpdateCheck::IsDue(UpdateCheck::FormatCheckDate(today.addDays(-16)), today));
  EXPECT_TRUE(UpdateCheck::IsDue(UpdateCheck::FormatCheckDate(today.addDays(1)), today));
  EXPECT_TRUE(UpdateCheck::IsDue("not a date", today));
  EXPECT_FALSE(UpdateCheck::IsDue("2026-11-30", today));
  EXPECT_FALSE(UpdateCheck::IsDue("2026-12-1", today));
  EXPECT_EQ(UpdateCheck::ParseCheckDate("2005-1-1"), QDate(2005, 1, 1));
}

TEST(MainWindowStartup, FirstRunPromptsOnceAndStoresToday) {
  ClearSettings();
  Desktop desktop;
  desktop.answer = QMessageBox::Yes;
  {
    AppState state;
    MainWindow w(state);
    ASSERT_TRUE(w.Load());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text,
              "Do you want to visit our website to check if there is a new version released?");
    EXPECT_EQ(desktop.messages[0].icon, Ui::MessageIcon::Question);
    ASSERT_EQ(desktop.openedUrls.size(), 1u);
    EXPECT_EQ(desktop.openedUrls[0], QUrl(WebSiteAddress));
    EXPECT_EQ(UpdateCheck::ParseCheckDate(ReadSetting("LastCheckUpdate")), QDate::currentDate());
    EXPECT_EQ(state.outputFolder, "");
  }
  AppState againState;
  MainWindow again(againState);
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(desktop.messages.size(), 1u);  // checked today: no second prompt
}

TEST(MainWindowStartup, MissingEngineLibrariesEndTheProgram) {
  MarkCheckedToday();
  Desktop desktop;
  qputenv("VELTRANE_FAKE_MISSING_AVLIB", "1");
  AppState state;
  MainWindow w(state);
  const bool loaded = w.Load();
  qunsetenv("VELTRANE_FAKE_MISSING_AVLIB");
  EXPECT_FALSE(loaded);
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, "Video lib not found");
  EXPECT_EQ(desktop.messages[0].icon, Ui::MessageIcon::Critical);
  ASSERT_EQ(desktop.ends.size(), 1u);
  EXPECT_NE(desktop.ends[0], 0);
}

// The window speaks the user's language, chosen from LANG and LANGUAGE alone (CI has no
// de_DE locale installed): this test program runs itself again with only those set.
TEST(MainWindowLanguage, GermanMenusUnderAGermanLocale) {
  if (qEnvironmentVariableIsSet("VELTRANE_LANGUAGE_CHILD")) {
    const Translations translations;
    ASSERT_TRUE(translations.Loaded());
    MarkCheckedToday();
    Desktop desktop;
    AppState state;
    MainWindow w(state);
    ASSERT_TRUE(w.Load());
    const QList<QAction*> menus = w.menuBar()->actions();
    EXPECT_EQ(Captions(menus), (QStringList{"Datei", "Liste", "Hilfe", "Meine Voreinstellungen"}));
    EXPECT_EQ(Captions(menus[0]->menu()->actions()),
              (QStringList{"Dateien hinzufügen", "Ordner hinzufügen...", "Dateien konvertieren", "Beenden"}));
    // Qt's own texts too: the standard buttons of the questions.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    return;
  }
  QProcessEnvironment german;
  german.insert("PATH", "/usr/bin:/bin");
  german.insert("LANG", "de_DE.UTF-8");
  german.insert("LANGUAGE", "de");
  german.insert("QT_QPA_PLATFORM", "offscreen");
  german.insert("VELTRANE_LANGUAGE_CHILD", "1");
  QProcess child;
  child.setProcessEnvironment(german);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=MainWindowLanguage.GermanMenusUnderAGermanLocale"});
  ASSERT_TRUE(child.waitForFinished(120000));
  const QString output = QString::fromUtf8(child.readAll());
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

// A caption in a script without letters to type (Japanese here) reaches its menu with a
// letter of the English text: "ファイル(&F)".
TEST(MainWindowLanguage, CaptionsWithoutTypedLettersTakeTheEnglishOne) {
  struct Japanese : QTranslator {
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* text, const char*, int) const override {
      if (QByteArray(context) != "Commands") return {};
      if (QByteArray(text) == "File") return QString::fromUtf8("ファイル");
      if (QByteArray(text) == "Exit") return QString::fromUtf8("終了");
      return {};
    }
  } japanese;
  QCoreApplication::installTranslator(&japanese);
  MarkCheckedToday();
  Desktop desktop;
  AppState state;
  MainWindow w(state);
  const bool loaded = w.Load();
  QCoreApplication::removeTranslator(&japanese);
  ASSERT_TRUE(loaded);
  const QList<QAction*> menus = w.menuBar()->actions();
  EXPECT_EQ(menus[0]->text(), QString::fromUtf8("ファイル(&F)"));
  EXPECT_EQ(menus[1]->text(), "&List");
  EXPECT_EQ(w.Bars()->Action(Commands::Exit)->text(), QString::fromUtf8("終了(&E)"));
}

TEST(MainWindowLayout, MenusToolbarContextMenuAndPanes) {
  MarkCheckedToday();
  Desktop desktop;
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  EXPECT_EQ(w.windowTitle(), "Veltrane Video Converter");

  const QList<QAction*> menus = w.menuBar()->actions();
  ASSERT_EQ(Captions(menus), (QStringList{"File", "List", "Help", "My Presets"}));
  EXPECT_EQ(Captions(menus[0]->menu()->actions()),
            (QStringList{"Add Files", "Add Folder...", "Convert Files", "Exit"}));
  EXPECT_EQ(Captions(menus[1]->menu()->actions()),
            (QStringList{"Select All", "Invert Selection", "Remove Selected Files", "Clear All"}));
  EXPECT_EQ(Captions(menus[2]->menu()->actions()), (QStringList{"Help Contents", "Website", "About..."}));
  EXPECT_EQ(Captions(menus[3]->menu()->actions()), (QStringList{"Rename…", "Delete…", "Import…", "Export…"}));

  EXPECT_EQ(w.Bars()->Action(Commands::AddFiles)->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(w.Bars()->Action(Commands::Exit)->shortcut(), QKeySequence("Ctrl+E"));
  EXPECT_EQ(w.Bars()->Action(Commands::InvertSelection)->shortcut(), QKeySequence("Ctrl+Alt+I"));
  EXPECT_EQ(w.Bars()->Action(Commands::RemoveSelected)->shortcut(), QKeySequence(Qt::Key_Delete));
  EXPECT_EQ(w.Bars()->Action(Commands::ClearAll)->shortcut(), QKeySequence("Ctrl+L"));

  QToolBar* bar = w.Bars()->ToolBar();
  EXPECT_EQ(bar->windowTitle(), "Toobar");
  EXPECT_EQ(Captions(bar->actions()),
            (QStringList{"Add", "Remove", "Play", "Move Up", "Move Down", "Convert"}));
  EXPECT_EQ(w.Bars()->ToolBarAction(Commands::AddFiles)->toolTip(), "Add Files");
  EXPECT_EQ(w.Bars()->ToolBarAction(Commands::ConvertFiles)->toolTip(), "Convert Files");
  EXPECT_EQ(w.Bars()->ToolBarAction(Commands::RemoveSelected)->toolTip(), "Remove Selected Files");

  QList<QAction*> context = w.Bars()->ContextMenu()->actions();
  EXPECT_EQ(Captions(context),
            (QStringList{"Select All", "Invert Selection", "Remove Selected Files", "Clear All"}));
  for (QAction* a : context)
    EXPECT_FALSE(a->shortcut().isEmpty()) << a->text().toStdString();

  // Every entry of every bar carries an id the dispatcher knows.
  for (QAction* a : bar->actions())
    EXPECT_TRUE(w.Dispatcher().Has(a->data().toInt()));
  for (QAction* m : menus)
    for (QAction* a : m->menu()->actions())
      EXPECT_TRUE(w.Dispatcher().Has(a->data().toInt()));
  EXPECT_FALSE(w.Dispatcher().Dispatch(9999));
  EXPECT_FALSE(w.Dispatcher().Dispatch(0));

  QAbstractItemModel* list = w.FileListView()->model();
  ASSERT_EQ(list->columnCount(), 8);
  QStringList headers;
  for (int i = 0; i < 8; ++i)
    headers << list->headerData(i, Qt::Horizontal).toString();
  EXPECT_EQ(headers, (QStringList{"File Name", "Type", "Duration", "Video Size", "File Size", "Modified",
                                  "Video Codec", "Audio Codec"}));
  EXPECT_EQ(w.FilesPane()->text(), "Total Files: 0");
  EXPECT_EQ(w.FilesPane()->width(), 150);
  EXPECT_EQ(w.DurationPane()->text(), "Total Duration: 00:00:00");
  EXPECT_EQ(w.DurationPane()->width(), 200);
}

TEST(MainWindowCommands, ExitAndCloseBothAskOrStoreTheFolder) {
  MarkCheckedToday();
  WriteSetting("OutPath", "/stored/before/");
  Desktop desktop;
  {
    AppState state;
    MainWindow w(state);
    ASSERT_TRUE(w.Load());
    state.outputFolder = "/chosen/this/run/";
    desktop.answer = QMessageBox::No;
    w.Bars()->Action(Commands::Exit)->trigger();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Do you want to exit?");
    EXPECT_TRUE(desktop.ends.empty());

    desktop.answer = QMessageBox::Yes;
    w.OnCommand(Commands::Exit);
    EXPECT_EQ(desktop.ends, std::vector<int>{0});
    EXPECT_EQ(ReadSetting("OutPath"), "/chosen/this/run/");
  }
  WriteSetting("OutPath", "/stored/before/");
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  state.outputFolder = "/chosen/this/run/";
  w.show();
  w.close();
  EXPECT_EQ(ReadSetting("OutPath"), "/chosen/this/run/");
}

TEST(MainWindowCommands, ClosingDuringARunAsksAndCleansUp) {
  MarkCheckedToday();
  Desktop desktop;
  QTemporaryDir dir;
  const QString source = dir.filePath("long.mp4");
  ASSERT_TRUE(Fixtures::VideoWithAudio(source, 30.0));
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  w.show();
  FFEncoder& encoder = w.Encoder();
  encoder.ClearTasks();
  const int task = encoder.OpenInput(source.toStdString(), "");
  ASSERT_GE(encoder.SetOutput(task, dir.filePath("out.mp4").toStdString(),
                              "-ac 2 -vcodec libx264 -vpre libx264-default -vb 4000k -s 320x240"),
            0);
  encoder.Start(1);
  desktop.answer = QMessageBox::No;
  EXPECT_FALSE(w.close());
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, "Stop converting and quit?");
  EXPECT_EQ(desktop.messages[0].defaultButton, QMessageBox::No);
  EXPECT_TRUE(encoder.Running());
  desktop.answer = QMessageBox::Yes;
  EXPECT_TRUE(w.close());
  EXPECT_FALSE(encoder.Running());
  EXPECT_TRUE(QDir(dir.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_FALSE(QFile::exists(dir.filePath("out.mp4")));
}

TEST(MainWindowCommands, ShortcutReachesTheDispatcher) {
  MarkCheckedToday();
  Desktop desktop;
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.activateWindow();
  QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, "Do you want to exit?");
}

TEST(MainWindowCommands, HelpWebsiteConvertGuardAndNoticeClicks) {
  MarkCheckedToday();
  Desktop desktop;
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());

  w.OnCommand(Commands::HelpContents);
  w.OnCommand(Commands::Website);
  ASSERT_EQ(desktop.openedUrls.size(), 2u);
  EXPECT_EQ(desktop.openedUrls[0], QUrl::fromLocalFile(ResourceFolder() + "help/index.html"));
  EXPECT_EQ(desktop.openedUrls[1], QUrl(WebSiteAddress));

  // Convert on an empty list: guidance, then the Add Files dialog; no settings dialog.
  w.OnCommand(Commands::ConvertFiles);
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, "Please add file to the list.");
  EXPECT_EQ(desktop.messages[0].icon, Ui::MessageIcon::Information);
  EXPECT_EQ(desktop.openFileDialogs, 1);
  EXPECT_EQ(w.SettingsDialog(), nullptr);

  // Play with no selected row does nothing.
  w.OnCommand(Commands::Play);
  EXPECT_EQ(desktop.messages.size(), 1u);

  state.outputFolder = "/out/folder/";
  w.OnNoticeItemClicked(1);
  w.OnNoticeItemClicked(2);
  w.OnNoticeItemClicked(7);
  EXPECT_EQ(desktop.openedUrls.size(), 2u);
  w.OnNoticeItemClicked(3);
  ASSERT_EQ(desktop.openedUrls.size(), 3u);
  EXPECT_EQ(desktop.openedUrls[2], QUrl::fromLocalFile("/out/folder/"));
}

TEST(MainWindowCommands, KeyboardReachesMenusHelpQuitPlayAndUndo) {
  MarkCheckedToday();
  Desktop desktop;
  QTemporaryDir dir;
  const QString first = dir.filePath("first.wav"), second = dir.filePath("second.wav");
  ASSERT_TRUE(Fixtures::AudioOnly(first, 1.0));
  ASSERT_TRUE(QFile::copy(first, second));
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.activateWindow();

  // Every menu and entry has its own Alt letter.
  QString titles;
  for (QAction* m : w.menuBar()->actions()) {
    titles += m->text();
    QStringList letters;
    for (QAction* a : m->menu()->actions()) {
      const qsizetype amp = a->text().indexOf('&');
      ASSERT_GE(amp, 0) << a->text().toStdString();
      letters << a->text().mid(amp + 1, 1).toLower();
    }
    letters.removeDuplicates();
    EXPECT_EQ(letters.size(), m->menu()->actions().size());
  }
  EXPECT_EQ(titles, "&File&List&Help&My Presets");
  EXPECT_TRUE(w.Bars()->Action(Commands::Exit)->shortcuts().contains(QKeySequence("Ctrl+E")));
  EXPECT_EQ(w.Bars()->Action(Commands::ConvertFiles)->shortcut(), QKeySequence("Ctrl+Return"));
  EXPECT_EQ(w.Bars()->ToolBarAction(Commands::MoveUp)->shortcut(), QKeySequence("Alt+Up"));

  QTest::keyClick(&w, Qt::Key_F1);
  ASSERT_EQ(desktop.openedUrls.size(), 1u);
  EXPECT_EQ(desktop.openedUrls[0], QUrl::fromLocalFile(ResourceFolder() + "help/index.html"));
  QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, "Do you want to exit?");

  // Clear All comes back with Ctrl+Z until the list changes again.
  ASSERT_TRUE(w.Files()->AddFile(first));
  ASSERT_TRUE(w.Files()->AddFile(second));
  w.OnCommand(Commands::ClearAll);
  QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(w.Files()->RowCount(), 2);
  EXPECT_EQ(w.Files()->Rows()[1].path, second);
  w.OnCommand(Commands::ClearAll);
  ASSERT_TRUE(w.Files()->AddFile(first));
  QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w.Files()->RowCount(), 1);

  // Enter and a double-click on a row play it: the player opens (closed again here).
  int playersSeen = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->objectName() == "FormPlayer") {
      ++playersSeen;
      modal->close();
    }
  });
  closer.start(20);
  w.FileListView()->setCurrentIndex(w.FileListView()->model()->index(0, 0));
  w.FileListView()->setFocus();
  QTest::keyClick(w.FileListView(), Qt::Key_Return);
  EXPECT_EQ(playersSeen, 1);
  const QRect cell = w.FileListView()->visualRect(w.FileListView()->model()->index(0, 0));
  // Through the window system, which turns two quick clicks into a double-click.
  QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {},
                     w.FileListView()->viewport()->mapTo(&w, cell.center()));
  EXPECT_EQ(playersSeen, 2);
}

// Under a dark desktop palette the skin keeps text readable in the window and the dialog.
TEST(MainWindowLayout, TextIsReadableUnderADarkPalette) {
  MarkCheckedToday();
  Desktop desktop;
  const QPalette before = QApplication::palette();
  QPalette dark;
  const auto set = [&dark](QPalette::ColorRole role, const char* colour) {
    dark.setColor(role, QColor(colour));
  };
  set(QPalette::Window, "#2d2d2d");
  set(QPalette::WindowText, "#eeeeee");
  set(QPalette::Base, "#1e1e1e");
  set(QPalette::AlternateBase, "#262626");
  set(QPalette::Text, "#eeeeee");
  set(QPalette::Button, "#3a3a3a");
  set(QPalette::ButtonText, "#eeeeee");
  set(QPalette::Mid, "#5a5a5a");
  set(QPalette::Midlight, "#4a4a4a");
  QApplication::setPalette(dark);
  {
    AppState state;
    MainWindow w(state);
    ASSERT_TRUE(w.Load());
    ASSERT_FALSE(qApp->styleSheet().isEmpty());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QImage window = w.grab().toImage();
    for (QWidget* part : {static_cast<QWidget*>(w.menuBar()), w.findChild<QWidget*>("FilesPane"),
                          static_cast<QWidget*>(w.FileListView()->header())})
      EXPECT_GE(TextContrast(window, &w, part), 4.5) << part->metaObject()->className();

    OutputSettingsDialog dlg(&w);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const QImage dialog = dlg.grab().toImage();
    for (const char* name : {"Label1", "Label2", "LabelIfExists"}) {
      auto* label = dlg.findChild<QWidget*>(name);
      ASSERT_NE(label, nullptr) << name;
      EXPECT_GE(TextContrast(dialog, &dlg, label), 4.5) << name;
    }
  }
  qApp->setStyleSheet({});
  QApplication::setPalette(before);
}

TEST(MainWindowLayout, FitsTheScreenAndShowsCutTextInTooltips) {
  MarkCheckedToday();
  Desktop desktop;
  QTemporaryDir dir;
  const QString clip = dir.filePath("a rather long file name that does not fit a narrow column.wav");
  ASSERT_TRUE(Fixtures::AudioOnly(clip, 1.0));
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_TRUE(w.screen()->availableGeometry().contains(w.frameGeometry()))
      << w.frameGeometry().width() << "x" << w.frameGeometry().height();

  ASSERT_TRUE(w.Files()->AddFile(clip));
  w.FileListView()->setColumnWidth(0, 60);
  const QModelIndex path = w.FileListView()->model()->index(0, 0);
  EXPECT_TRUE(FullTextToolTip(w.FileListView(), path).startsWith(clip + "\n\nAudio tracks: 1"))
      << FullTextToolTip(w.FileListView(), path).toStdString();
  w.FileListView()->setColumnWidth(0, 2000);
  EXPECT_FALSE(FullTextToolTip(w.FileListView(), path).contains(clip));  // it fits: only the row's own note
}

TEST(AboutWindow, ShowsVersionOnTopAndClosesOnClickOrAfterTenSeconds) {
  AboutWindow about(nullptr);
  EXPECT_EQ(about.windowTitle(), "Veltrane Video Converter");
  EXPECT_EQ(about.VersionLabel()->text(), "Version 6.0");
  EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(about.CloseTimer().interval(), 10000);
  EXPECT_TRUE(about.CloseTimer().isActive());

  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_FALSE(about.isVisible());
  EXPECT_FALSE(about.CloseTimer().isActive());

  AboutWindow timed(nullptr);
  timed.CloseTimer().setInterval(50);  // the same timer, shortened for the test
  timed.CloseTimer().start();
  timed.show();
  QTRY_VERIFY_WITH_TIMEOUT(!timed.isVisible(), 2000);
}

TEST(MainWindowCommands, ListCommandsReachTheFileListThroughTheirActions) {
  MarkCheckedToday();
  Desktop desktop;
  QTemporaryDir dir;
  const QString first = dir.filePath("first clip.wav");
  const QString second = dir.filePath("second clip.wav");
  ASSERT_TRUE(Fixtures::AudioOnly(first, 1.0));
  ASSERT_TRUE(Fixtures::AudioOnly(second, 2.0));

  AppState state;

  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  ASSERT_TRUE(w.Files()->AddFile(first));
  ASSERT_TRUE(w.Files()->AddFile(second));
  FileView* list = w.FileListView();
  auto selectedCount = [list] { return list->selectionModel()->selectedRows().size(); };
  auto pathAt = [list](int row) { return list->Rows()->Row(row).path; };

  w.Bars()->Action(Commands::SelectAll)->trigger();
  EXPECT_EQ(selectedCount(), 2);
  w.Bars()->Action(Commands::InvertSelection)->trigger();
  EXPECT_EQ(selectedCount(), 0);

  list->setCurrentIndex(list->model()->index(1, 0));
  w.Bars()->ToolBarAction(Commands::MoveUp)->trigger();
  EXPECT_EQ(pathAt(0), second);
  w.Bars()->ToolBarAction(Commands::MoveDown)->trigger();
  EXPECT_EQ(pathAt(1), second);

  // The totals follow on the main window's timer.
  QTRY_COMPARE_WITH_TIMEOUT(w.FilesPane()->text(), QString("Total Files: 2"), 2000);
  EXPECT_EQ(w.DurationPane()->text(), "Total Duration: 00:00:03");

  list->clearSelection();
  list->SetRowSelected(0, true);
  w.Bars()->ToolBarAction(Commands::RemoveSelected)->trigger();
  ASSERT_EQ(list->Rows()->Count(), 1);
  EXPECT_EQ(pathAt(0), second);

  w.Bars()->Action(Commands::ClearAll)->trigger();
  EXPECT_EQ(list->Rows()->Count(), 0);
  QTRY_COMPARE_WITH_TIMEOUT(w.FilesPane()->text(), QString("Total Files: 0"), 2000);
  EXPECT_EQ(w.DurationPane()->text(), "Total Duration: 00:00:00");
  EXPECT_TRUE(desktop.messages.empty());
}

TEST(MainWindowCommands, MyPresetsListsSavedPresetsAndAppliesOneOnlyWhenItIsWhole) {
  MarkCheckedToday();
  Desktop desktop;
  AppState state;
  MainWindow w(state);
  ASSERT_TRUE(w.Load());
  PresetsMenu* presets = w.Presets();
  OutputSettings chosen;
  ApplyProfile(chosen, 1185);  // MP3
  chosen.audioQuality = 0;
  chosen.grid.audioBitrate = "192k";
  QString error;
  ASSERT_TRUE(presets->Store().Save(MakePreset("Music & more", chosen), error));
  ASSERT_TRUE(presets->Store().Save(MakePreset("Broken", chosen), error));
  QFile broken(presets->Store().Folder() + "/" + PresetFileName("Broken"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("{\"version\": 1, \"name\": ");
  broken.close();

  // Opening the menu lists what the folder holds now, each entry with its own Alt letter.
  QMenu* menu = w.Bars()->Menu("My Presets");
  emit menu->aboutToShow();
  ASSERT_EQ(presets->Entries().size(), 3u);  // two presets and a separator
  EXPECT_EQ(presets->Entries()[0]->text(), "&Broken");
  EXPECT_EQ(presets->Entries()[1]->text(), "&Music && more");

  presets->Entries()[1]->trigger();
  ASSERT_NE(w.SettingsDialog(), nullptr);
  const OutputSettings applied = w.SettingsDialog()->Settings();
  EXPECT_EQ(applied.profileCaption, QString::fromUtf8(FindProfile(1185)->caption));
  EXPECT_EQ(applied.audioQuality, 0);
  EXPECT_EQ(applied.grid.audioBitrate, "192k");
  EXPECT_TRUE(desktop.messages.empty());

  // A damaged file says so and leaves the dialog as it was.
  presets->Entries()[0]->trigger();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.contains("damaged")) << desktop.messages[0].text.toStdString();
  EXPECT_EQ(w.SettingsDialog()->Settings().grid.audioBitrate, "192k");

  // Deleting through the menu's command asks which one and whether to; the menu follows.
  Ui::SetInputHandler([](const Ui::InputRequest& r) { return std::optional<QString>(r.choices.value(0)); });
  desktop.answer = QMessageBox::Yes;
  w.Bars()->Action(Commands::PresetDelete)->trigger();
  Ui::SetInputHandler(nullptr);
  EXPECT_EQ(desktop.messages.back().text, "Delete the preset \"Broken\"?");
  ASSERT_TRUE(presets->Store().Remove("Music & more", error));
  emit menu->aboutToShow();
  EXPECT_TRUE(presets->Entries().empty());
}
