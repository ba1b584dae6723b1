// The end of a run and its progress as the desktop shows them, on a session bus of the
// test's own with a small notification service standing in for the desktop's.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantMap>

#include "conversion/CompletionNotice.h"
#include "conversion/ProgressWindow.h"
#include "core/AppState.h"
#include "core/ProgramInfo.h"
#include "desktop/DesktopNotifications.h"
#include "desktop/LauncherProgress.h"
#include "engine/FFEncoder.h"
#include "support/UiRecorder.h"
#include "support/WaitUntil.h"

namespace {

// dbus-daemon with a configuration of its own: no services it could start, so only
// what the test registers answers.
class PrivateBus {
 public:
  PrivateBus() {
    QFile config(dir_.filePath("bus.conf"));
    if (!config.open(QIODevice::WriteOnly)) return;
    config.write(
        QString("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                "<busconfig><type>session</type><listen>unix:dir=%1</listen>\n"
                "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
            .arg(dir_.path())
            .toUtf8());
    config.close();
    daemon_.start("dbus-daemon", {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
    while (daemon_.waitForReadyRead(5000) || daemon_.canReadLine()) {
      if (!daemon_.canReadLine()) continue;
      address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
      break;
    }
  }
  ~PrivateBus() {
    for (const QString& name : names_)
      QDBusConnection::disconnectFromBus(name);
    daemon_.terminate();
    daemon_.waitForFinished(5000);
  }
  const QString& Address() const { return address_; }
  QDBusConnection Connect(const QString& name) {
    names_ << name;
    return QDBusConnection::connectToBus(address_, name);
  }

 private:
  QTemporaryDir dir_;
  QProcess daemon_;
  QString address_;
  QStringList names_;
};

struct Shown {
  QString summary, body;
  QStringList actions;
};

// The desktop's side: takes notifications and listens to launcher updates.
class FakeDesktop : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  std::vector<Shown> shown;
  std::vector<QVariantMap> launcher;
  QString launcherUri;

 public slots:
  uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
              const QStringList& actions, const QVariantMap&, int) {
    shown.push_back({summary, body, actions});
    return static_cast<uint>(shown.size()) + 40;
  }
  void LauncherUpdate(const QString& uri, const QVariantMap& properties) {
    launcherUri = uri;
    launcher.push_back(properties);
  }
};

// The program's desktop side on the private bus while it exists.
struct DesktopOnBus {
  DesktopNotifications notifications;
  LauncherProgress launcher;
  explicit DesktopOnBus(const QDBusConnection& bus) : notifications(bus), launcher(bus) {
    DesktopNotifications::SetSession(&notifications);
    LauncherProgress::SetSession(&launcher);
  }
  ~DesktopOnBus() {
    DesktopNotifications::SetSession(nullptr);
    LauncherProgress::SetSession(nullptr);
  }
};

ProgressRow Row(const QString& output, int task) {
  ProgressRow row;
  row.outputName = output;
  row.task = task;
  row.durationSeconds = 10;
  return row;
}

}  // namespace

TEST(DesktopBus, RunEndIsNotifiedWithAnOpenFolderActionAndFallsBackWithoutAService) {
  PrivateBus bus;
  ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon did not start";
  QDBusConnection service = bus.Connect("fake-desktop");
  FakeDesktop desktop;
  ASSERT_TRUE(service.registerObject(DesktopNotifications::kPath, &desktop, QDBusConnection::ExportAllSlots));
  ASSERT_TRUE(service.registerService(DesktopNotifications::kService));
  ASSERT_TRUE(service.connect(QString(), LauncherProgress::kPath, LauncherProgress::kInterface, "Update",
                              &desktop, SLOT(LauncherUpdate(QString, QVariantMap))));
  DesktopOnBus program(bus.Connect("program"));

  UiRecorder ui;
  QTemporaryDir out;
  AppState state;
  state.outputFolder = out.path() + "/";
  FFEncoder encoder;
  CompletionNotice notice;
  auto form = std::make_unique<ProgressWindow>(
      encoder, state, std::vector<ProgressRow>{Row("a.mp4", 0), Row("b.mp4", 1)}, &notice);

  // Progress shows on the launcher while the run goes, and leaves it at the end.
  form->OnEncoderProgress(0, 5000000, 10000000);
  ASSERT_TRUE(WaitUntil([&] { return !desktop.launcher.empty(); }, std::chrono::milliseconds(10000)));
  EXPECT_EQ(desktop.launcherUri, "application://com.veltranesoftware.VideoConverter.desktop");
  const double share = desktop.launcher.back().value("progress").toDouble();
  EXPECT_GT(share, 0.0);
  EXPECT_LT(share, 1.0);
  EXPECT_TRUE(desktop.launcher.back().value("progress-visible").toBool());

  form->OnEncoderFinished(0, ConversionOutcome::Succeeded({}));
  form->OnEncoderFinished(1, ConversionOutcome::Succeeded({}));
  form->OnEncoderFinished(-1, ConversionOutcome::Succeeded({}));
  ASSERT_TRUE(WaitUntil([&] { return !desktop.shown.empty(); }, std::chrono::milliseconds(10000)));
  ASSERT_EQ(desktop.shown.size(), 1u);
  EXPECT_EQ(desktop.shown[0].summary, ProgramInfo::kTitle);
  EXPECT_EQ(desktop.shown[0].body, "Convert Finished. Click here to open the output folder");
  EXPECT_EQ(desktop.shown[0].actions, QStringList({"default", "Open Folder", "open-folder", "Open Folder"}));
  ASSERT_TRUE(WaitUntil([&] { return !desktop.launcher.back().value("progress-visible").toBool(); },
                        std::chrono::milliseconds(10000)));
  EXPECT_FALSE(notice.isVisible());  // the desktop took it: no second notice

  // The action opens the output folder, even after the window has gone.
  form.reset();
  QDBusMessage invoked = QDBusMessage::createSignal(DesktopNotifications::kPath,
                                                    DesktopNotifications::kService, "ActionInvoked");
  invoked << 41u << QString("open-folder");
  ASSERT_TRUE(service.send(invoked));
  ASSERT_TRUE(WaitUntil([&] { return !ui.openedUrls.empty(); }, std::chrono::milliseconds(10000)));
  EXPECT_EQ(ui.openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(state.outputFolder)});

  // Without a service on the bus, the corner notice says the same.
  ASSERT_TRUE(service.unregisterService(DesktopNotifications::kService));
  form = std::make_unique<ProgressWindow>(encoder, state, std::vector<ProgressRow>{Row("a.mp4", 0)}, &notice);
  form->OnEncoderFinished(0, ConversionOutcome::Failure("broken"));
  form->OnEncoderFinished(-1, ConversionOutcome::Succeeded({}));
  ASSERT_TRUE(WaitUntil([&] { return notice.isVisible(); }, std::chrono::milliseconds(10000)));
  EXPECT_EQ(notice.ItemAt(1).text, "0 converted, 1 failed. Nothing was converted.");
  EXPECT_EQ(desktop.shown.size(), 1u);
  notice.CloseNotice();
}

#include "DesktopBusTest.moc"
