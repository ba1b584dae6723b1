// The command line, the hand-over from a second start to the running copy (two real
// processes), and how handed-over files wait for open dialogs.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/CommandLine.h"
#include "app/PathInbox.h"
#include "app/SingleInstance.h"
#include "core/AppState.h"
#include "core/Helpers.h"
#include "desktop/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "support/Fixtures.h"
#include "support/UiRecorder.h"

namespace {

QString Program() { return ProgramFolder() + "veltrane-video-converter"; }

// A private runtime folder for this test and the processes it starts, so the socket
// meets no running copy of anyone else's.
struct PrivateRuntime {
  QTemporaryDir dir;
  QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  PrivateRuntime() { qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit()); }
  ~PrivateRuntime() { qputenv("XDG_RUNTIME_DIR", saved); }
};

// Runs the program to its end; the event loop keeps running meanwhile, so a server in
// this process can answer it.
int RunProgram(const QStringList& args, const QString& folder, QString* out = nullptr,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(folder);
  process.start(Program(), args);
  if (!process.waitForStarted(5000)) return -1;
  const bool ended = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000);
  if (!ended) {
    process.kill();
    process.waitForFinished();
    return -2;
  }
  if (out) *out = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -3;
}

}  // namespace

TEST(CommandLine, PathsBecomeAbsoluteAndOptionsPrintOrFail) {
  CommandLine c = ParseCommandLine(
      {"prog", "a.mp4", "../b/c.avi", "/abs/d.mkv", "file:///x/y%20z.mp3", "--", "-dash.mp4"},
      "/home/u/films");
  EXPECT_EQ(c.action, CommandLine::Action::Run);
  EXPECT_EQ(c.paths, QStringList({"/home/u/films/a.mp4", "/home/u/b/c.avi", "/abs/d.mkv", "/x/y z.mp3",
                                  "/home/u/films/-dash.mp4"}));
  EXPECT_TRUE(ParseCommandLine({"prog"}, "/").paths.isEmpty());

  c = ParseCommandLine({"prog", "--version", "a.mp4"}, "/");
  EXPECT_EQ(c.action, CommandLine::Action::PrintAndExit);
  EXPECT_EQ(c.output, "Veltrane Video Converter 6.0\n");
  c = ParseCommandLine({"prog", "-h"}, "/");
  EXPECT_EQ(c.action, CommandLine::Action::PrintAndExit);
  EXPECT_TRUE(c.output.contains("--version") && c.output.contains("FILE|FOLDER")) << c.output.toStdString();

  c = ParseCommandLine({"prog", "--frobnicate"}, "/");
  EXPECT_EQ(c.action, CommandLine::Action::Fail);
  EXPECT_TRUE(c.output.contains("frobnicate"));
}

TEST(CommandLine, HelpAndVersionNeedNoWindowSystem) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "xcb");  // there is no X display: a window would fail
  env.insert("LANGUAGE", "en");          // the English texts, whatever the caller's language
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  QString out;
  EXPECT_EQ(RunProgram({"--version"}, QDir::tempPath(), &out, env), 0);
  EXPECT_EQ(out, "Veltrane Video Converter 6.0\n");
  EXPECT_EQ(RunProgram({"--help"}, QDir::tempPath(), &out, env), 0);
  EXPECT_TRUE(out.startsWith("Usage: veltrane-video-converter [options]")) << out.toStdString();
  EXPECT_EQ(RunProgram({"--nonsense"}, QDir::tempPath(), &out, env), 2);
  EXPECT_TRUE(out.contains("nonsense"));
}

TEST(SingleInstance, SecondStartHandsItsFilesToTheRunningCopyAndEnds) {
  PrivateRuntime runtime;
  SingleInstance running;
  ASSERT_TRUE(running.Listen());
  EXPECT_TRUE(SingleInstance::ServerName().startsWith(runtime.dir.path()));
  QSignalSpy received(&running, &SingleInstance::pathsReceived);

  QTemporaryDir work;
  EXPECT_EQ(RunProgram({"clip one.mp4", "sub/", QString::fromUtf8("caf\u00e9.avi")}, work.path()), 0);
  ASSERT_EQ(received.size(), 1);
  EXPECT_EQ(received[0][0].toStringList(), QStringList({work.path() + "/clip one.mp4", work.path() + "/sub",
                                                        work.path() + QString::fromUtf8("/caf\u00e9.avi")}));

  // A start with nothing to add is handed over too: the running window comes forward.
  EXPECT_EQ(RunProgram({}, work.path()), 0);
  ASSERT_EQ(received.size(), 2);
  EXPECT_TRUE(received[1][0].toStringList().isEmpty());

  // Only one copy listens; garbage on the socket is dropped without a word.
  SingleInstance second;
  EXPECT_FALSE(second.Listen());
  QLocalSocket stranger;
  stranger.connectToServer(SingleInstance::ServerName());
  ASSERT_TRUE(stranger.waitForConnected(2000));
  stranger.write("nonsense that is not a hand-over message");
  stranger.flush();
  QTest::qWait(100);
  EXPECT_EQ(received.size(), 2);
  // A message that claims to be huge is dropped before anything is read or
  // allocated for it.
  QLocalSocket boaster;
  boaster.connectToServer(SingleInstance::ServerName());
  ASSERT_TRUE(boaster.waitForConnected(2000));
  boaster.write(QByteArray::fromHex("56564332fffffff0") + QByteArray(64, 'x'));
  boaster.flush();
  QTest::qWait(100);
  EXPECT_EQ(received.size(), 2);
  EXPECT_EQ(boaster.state(), QLocalSocket::UnconnectedState);
}

TEST(SingleInstance, ASocketLeftByACrashedCopyIsTakenOver) {
  PrivateRuntime runtime;
  // A bound socket whose owner is gone, as a crash leaves it.
  const QByteArray path = QFile::encodeName(SingleInstance::ServerName());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path.constData());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ::close(fd);
  ASSERT_TRUE(QFile::exists(SingleInstance::ServerName()));

  EXPECT_FALSE(SingleInstance::HandOver({"/x.mp4"}, 500));
  SingleInstance instance;
  EXPECT_TRUE(instance.Listen());
  QSignalSpy received(&instance, &SingleInstance::pathsReceived);
  QTemporaryDir work;
  EXPECT_EQ(RunProgram({"/x.mp4"}, work.path()), 0);
  EXPECT_EQ(received.size(), 1);
}

TEST(SingleInstance, ManyHandOversToARunningProgramNeverCrashIt) {
  PrivateRuntime runtime;
  QTemporaryDir config, media;
  // The running copy must not stop at the start-up question.
  QDir().mkpath(config.path() + "/Veltrane Software");
  QFile conf(config.path() + "/Veltrane Software/Veltrane Video Converter.conf");
  ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
  conf.write("[General]\nLastCheckUpdate=" + QDate::currentDate().toString("yyyy-MM-dd").toUtf8() + "\n");
  conf.close();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", config.path());
  env.insert("QT_QPA_PLATFORM", "offscreen");

  const QString clip = media.path() + "/clip.mp4";
  ASSERT_TRUE(Fixtures::VideoWithAudio(clip, 1.0));
  QDir().mkpath(media.path() + "/folder");
  QStringList many;
  for (int i = 0; i < 200; ++i) {
    many << media.path() + QString("/folder/c%1.mp4").arg(i);
    ASSERT_TRUE(QFile::link(clip, many.back()));
  }

  QProcess running;
  running.setProcessEnvironment(env);
  running.start(Program(), {});
  ASSERT_TRUE(running.waitForStarted(5000));
  ASSERT_TRUE(QTest::qWaitFor([] { return QFile::exists(SingleInstance::ServerName()); }, 10000));
  for (int round = 0; round < 20; ++round) {
    for (const QStringList& paths :
         {many.mid(0, 2), many.mid(2, 10), many, QStringList{media.path() + "/folder"}})
      ASSERT_EQ(RunProgram(paths, media.path(), nullptr, env), 0) << "round " << round;
  }
  // The socket's time limit (5 s) once fired in the middle of the adding.
  QTest::qWait(5500);
  EXPECT_EQ(running.state(), QProcess::Running) << "the running copy ended: " << running.exitCode();
  running.kill();
  running.waitForFinished();
}

TEST(PathInbox, FilesWaitForTheListAndForDialogsThenComeInLikeADrop) {
  UiRecorder ui;
  QTemporaryDir media;
  const QString clip = media.path() + "/clip.mp4";
  ASSERT_TRUE(Fixtures::VideoWithAudio(clip, 1.0));
  QDir().mkpath(media.path() + "/more");
  QDir().mkpath(media.path() + "/empty");
  ASSERT_TRUE(QFile::copy(clip, media.path() + "/more/inner.mp4"));
  ASSERT_TRUE(QFile::copy(clip, media.path() + "/more/.hidden.mp4"));
  QFile broken(media.path() + "/broken.avi");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a video") > 0);
  broken.close();

  QWidget window;
  auto* list = new FileView(&window);
  FFDecoder decoder;
  AppState state;
  FileList files(list, decoder, state, &window);
  PathInbox inbox(&window);  // the list is not ready yet (a start-up question is open)
  inbox.SetRetryInterval(10);
  inbox.Receive({clip});
  QTest::qWait(50);
  EXPECT_TRUE(inbox.HasPending());

  QDialog dialog(&window);
  dialog.setModal(true);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
  inbox.SetFiles(&files);
  inbox.Receive(
      {media.path() + "/more", clip, broken.fileName(), media.path() + "/empty", media.path() + "/gone.avi"});
  QTest::qWait(50);
  EXPECT_EQ(files.RowCount(), 0);
  EXPECT_TRUE(inbox.HasPending());

  bool waitOpenAtMessage = false;
  ui.onMessage = [&] { waitOpenAtMessage = files.CurrentWaitWindow() != nullptr; };
  dialog.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !inbox.HasPending(); }, 5000));
  EXPECT_FALSE(waitOpenAtMessage);
  ASSERT_EQ(files.RowCount(), 2);
  EXPECT_EQ(files.Rows()[0].path, clip);
  EXPECT_EQ(files.Rows()[1].path, media.path() + "/more/inner.mp4");
  // Everything that could not be added in one box, shown after the wait window closed.
  ASSERT_EQ(ui.messages.size(), 1u);
  const QString text = ui.messages[0].text;
  EXPECT_TRUE(text.startsWith("2 file(s) could not be opened:\n" + broken.fileName())) << text.toStdString();
  EXPECT_TRUE(text.contains("No media files were found in " + media.path() + "/empty."))
      << text.toStdString();
  EXPECT_EQ(files.CurrentWaitWindow(), nullptr);
}
