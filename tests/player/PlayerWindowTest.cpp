#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "desktop/UiServices.h"
#include "player/PlayerSlider.h"
#include "player/PlayerVideoView.h"
#include "player/PlayerWindow.h"
#include "player/StoredSound.h"
#include "support/Fixtures.h"

namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

class PlayerWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    ASSERT_TRUE(Fixtures::VideoWithAudio(dir_->filePath("three seconds.mp4"), 3.0));
    QFile broken(dir_->filePath("broken.avi"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(
        "RIFF\x10\x00\x00\x00"
        "AVI LIST not really a movie");
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  void SetUp() override {
    // The sound level is remembered between players; each test starts from full sound.
    StoreVolume(128);
    StoreMute(false);
    Ui::SetMessageHandler([this](const Ui::MessageRequest& request) {
      messages_.append(request);
      return QMessageBox::Ok;
    });
  }
  void TearDown() override { Ui::SetMessageHandler({}); }

  static QString Path(const QString& name) { return dir_->filePath(name); }
  static std::unique_ptr<PlayerWindow> Open(const QString& name, int64_t listedDurationUs = 3000000) {
    auto form =
        std::make_unique<PlayerWindow>(Path(name), QFile::encodeName(Path(name)), nullptr, listedDurationUs);
    form->show();
    return form;
  }

  static QTemporaryDir* dir_;
  QList<Ui::MessageRequest> messages_;
};
QTemporaryDir* PlayerWindowTest::dir_ = nullptr;

template <typename T>
T* Child(PlayerWindow& form, const char* name) {
  T* child = form.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST_F(PlayerWindowTest, PlaysPausesSeeksAndRewindsAtTheEnd) {
  auto form = Open("three seconds.mp4");
  ASSERT_TRUE(form->Opened());
  EXPECT_TRUE(messages_.isEmpty());
  EXPECT_EQ(form->windowTitle(), Path("three seconds.mp4"));
  auto* position = Child<PositionSlider>(*form, "VeSlider1");
  auto* label = Child<QLabel>(*form, "Label1");
  auto* pause = Child<QPushButton>(*form, "btnPause");
  auto* video = Child<PlayerVideoView>(*form, "PicPlayer");
  EXPECT_EQ(form->PauseCaption(), ";");

  ASSERT_TRUE(QTest::qWaitFor([&] { return position->Max() == 30; }, 5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return label->text() == "00:00:01/00:00:03"; }, 5000));
  EXPECT_EQ(position->Value(), 10);
  EXPECT_EQ(position->SelLength(), 10);
  EXPECT_GT(video->FramesReceived(), 0);

  // Keys move the sliders and the player follows; so does a screen reader's value.
  QTest::keyClick(position, Qt::Key_Home);
  EXPECT_EQ(position->Value(), 0);
  EXPECT_EQ(position->SelLength(), 0);
  auto* volume = Child<VolumeSlider>(*form, "VeSliderVol");
  QTest::keyClick(volume, Qt::Key_Down);
  EXPECT_EQ(form->Player().AudioVolume(), 120);
  QTest::keyClick(volume, Qt::Key_PageUp);
  EXPECT_EQ(form->Player().AudioVolume(), 88);
  QAccessible::setActive(true);
  QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(volume)->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->maximumValue().toInt(), 128);
  value->setCurrentValue(64);
  EXPECT_EQ(volume->Value(), 64);
  EXPECT_EQ(form->Player().AudioVolume(), 64);
  EXPECT_EQ(RestoreSoundLevel(128).volume, 64);
  position->SetValue(20);  // tenths of a second, read out as a time
  EXPECT_EQ(QAccessible::queryAccessibleInterface(position)->text(QAccessible::Value), "00:00:02");
  position->SetValue(0);

  QTest::mouseClick(pause, Qt::LeftButton);
  EXPECT_EQ(form->PauseCaption(), "4");
  EXPECT_EQ(form->Player().PlayState(), FFPlayer::kStatePaused);
  QTest::mouseClick(pause, Qt::LeftButton);
  EXPECT_EQ(form->PauseCaption(), ";");
  EXPECT_EQ(form->Player().PlayState(), FFPlayer::kStatePlaying);
  QTest::mouseClick(pause, Qt::LeftButton);

  // A release in the middle of the slider seeks there; the paused picture follows.
  const int middle = position->width() / 2;
  QTest::mouseClick(position, Qt::LeftButton, Qt::NoModifier, QPoint(middle, 12));
  EXPECT_EQ(position->Value(), 15);
  EXPECT_EQ(position->SelLength(), 15);
  EXPECT_EQ(form->Player().PlayState(), FFPlayer::kStatePaused);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        auto frame = video->CurrentFrame();
        return frame && std::llabs(frame->position - 1500000) <= 40000;
      },
      3000));
  EXPECT_NEAR(static_cast<double>(form->Player().Position()), 1500000, 40000);

  // Play on to the end: rewound and paused, the label back at the start with the thumb.
  QTest::mouseClick(pause, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->PauseCaption() == "4"; }, 8000));
  EXPECT_EQ(position->Value(), 0);
  EXPECT_EQ(position->SelLength(), 0);
  EXPECT_EQ(label->text(), "00:00:00/00:00:03");
  EXPECT_EQ(form->Player().PlayState(), FFPlayer::kStatePaused);

  form->close();
  EXPECT_EQ(form->Player().PlayState(), FFPlayer::kStateStopped);
}

// A file that cannot be played says why inside the window, not in a stray box.
TEST_F(PlayerWindowTest, BrokenFileShowsTheReasonInsideTheWindow) {
  auto form = Open("broken.avi");
  EXPECT_TRUE(messages_.isEmpty());
  EXPECT_TRUE(form->NoticeText().contains("broken.avi")) << form->NoticeText().toStdString();
  EXPECT_FALSE(form->Opened());
  // The controls still work against an empty player, and the reason stays.
  QTest::mouseClick(Child<QPushButton>(*form, "btnPause"), Qt::LeftButton);
  QTest::mouseClick(Child<PositionSlider>(*form, "VeSlider1"), Qt::LeftButton, Qt::NoModifier,
                    QPoint(50, 12));
  QTest::mouseClick(Child<QLabel>(*form, "PicMute"), Qt::LeftButton);
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->NoticeText().isEmpty());
  QTest::mouseClick(Child<QPushButton>(*form, "NoticeClose"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
}

// Playback that stops short of the end keeps its place and says why.
TEST_F(PlayerWindowTest, AnEarlyEndKeepsThePositionAndSaysWhy) {
  ASSERT_TRUE(Fixtures::Recording(Path("whole.mp4"), 3));
  ASSERT_TRUE(Fixtures::CutShort(Path("whole.mp4"), Path("cut.mp4"), 0.5));
  auto form = Open("cut.mp4");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form->NoticeText().isEmpty(); }, 10000));
  EXPECT_TRUE(form->NoticeText().contains("incomplete")) << form->NoticeText().toStdString();
  EXPECT_GT(Child<PositionSlider>(*form, "VeSlider1")->Value(), 0);  // not rewound
  EXPECT_EQ(form->PauseCaption(), "4");
  EXPECT_TRUE(messages_.isEmpty());
  QTest::mouseClick(Child<QPushButton>(*form, "NoticeClose"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(PlayerWindowTest, MissingLibrariesEndTheProgram) {
  bool quit = false;
  PlayerWindow::SetQuitHandler([&] { quit = true; });
  setenv("VELTRANE_FAKE_MISSING_AVLIB", "1", 1);
  PlayerWindow form(Path("three seconds.mp4"), QFile::encodeName(Path("three seconds.mp4")), nullptr);
  unsetenv("VELTRANE_FAKE_MISSING_AVLIB");
  PlayerWindow::SetQuitHandler({});
  EXPECT_TRUE(quit);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_EQ(messages_[0].text, "Video lib not found");
  EXPECT_EQ(messages_[0].icon, Ui::MessageIcon::Critical);
  EXPECT_FALSE(form.Opened());
  EXPECT_TRUE(form.NoticeText().isEmpty());
}

TEST_F(PlayerWindowTest, ControlBarLayoutFollowsTheWindow) {
  auto form = Open("broken.avi");
  EXPECT_EQ(Child<PlayerVideoView>(*form, "PicPlayer")->geometry(), QRect(0, 0, 516, 315));
  EXPECT_EQ(Child<QWidget>(*form, "Picture2")->geometry(), QRect(0, 315, 516, 32));
  EXPECT_EQ(Child<QLabel>(*form, "Label1")->geometry(), QRect(401, 9, 105, 14));
  EXPECT_EQ(Child<QLabel>(*form, "PicMute")->geometry(), QRect(294, 9, 20, 15));
  EXPECT_EQ(Child<VolumeSlider>(*form, "VeSliderVol")->geometry(), QRect(319, 324, 72, 13));
  EXPECT_EQ(Child<PositionSlider>(*form, "VeSlider1")->geometry(), QRect(51, 320, 233, 24));
  EXPECT_EQ(Child<QPushButton>(*form, "btnPause")->geometry(), QRect(12, 4, 29, 25));

  form->resize(800, 400);
  QApplication::processEvents();
  EXPECT_EQ(Child<PositionSlider>(*form, "VeSlider1")->geometry(), QRect(51, 373, 233 + 284, 24));
  EXPECT_EQ(Child<QLabel>(*form, "Label1")->geometry().right(), 800 - 10 - 1);

  // The engine's display size catches up with the video area, one value per tick.
  FFPlayer& player = form->Player();
  for (int tick = 0; tick < 4; ++tick)
    QMetaObject::invokeMethod(form.get(), "onDisplaySizeTimer");
  EXPECT_EQ(player.ScreenWidth(), 800);
  EXPECT_EQ(player.ScreenHeight(), 368);
  EXPECT_EQ(player.FrameWidth(), 800);
  EXPECT_EQ(player.FrameHeight(), 368);
}

TEST_F(PlayerWindowTest, MuteAndVolumeReachTheEngine) {
  auto form = Open("broken.avi");
  FFPlayer& player = form->Player();
  auto* mute = Child<QLabel>(*form, "PicMute");
  auto* volume = Child<VolumeSlider>(*form, "VeSliderVol");
  EXPECT_EQ(volume->Max(), 128);
  EXPECT_EQ(volume->Value(), 128);
  const QImage sound = mute->pixmap().toImage();
  QTest::mouseClick(mute, Qt::LeftButton);
  EXPECT_TRUE(player.Mute());
  EXPECT_NE(mute->pixmap().toImage(), sound);
  QTest::mouseClick(mute, Qt::LeftButton);
  EXPECT_FALSE(player.Mute());
  EXPECT_EQ(mute->pixmap().toImage(), sound);
  EXPECT_EQ(volume->Value(), 128);
  // Space on the focused toggle mutes too.
  QTest::keyClick(mute, Qt::Key_Space);
  EXPECT_TRUE(player.Mute());
  EXPECT_EQ(mute->accessibleName(), "Unmute");
  QTest::keyClick(mute, Qt::Key_Space);
  EXPECT_FALSE(player.Mute());

  QTest::mouseClick(volume, Qt::LeftButton, Qt::NoModifier, QPoint(0, 6));
  EXPECT_EQ(player.AudioVolume(), 0);
  EXPECT_EQ(volume->SelLength(), volume->Value());
  // Dragging past the right end and releasing there gives full volume.
  SendMouse(volume, QEvent::MouseButtonPress, {30, 6}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(volume, QEvent::MouseMove, {200, 6}, Qt::NoButton, Qt::LeftButton);
  SendMouse(volume, QEvent::MouseButtonRelease, {200, 6}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(player.AudioVolume(), 128);
  EXPECT_EQ(volume->SelLength(), 128);
}

TEST_F(PlayerWindowTest, EngineEventsDriveSliderAndLabel) {
  auto form = Open("broken.avi", 200000000);
  auto* position = Child<PositionSlider>(*form, "VeSlider1");
  auto* label = Child<QLabel>(*form, "Label1");
  auto report = [&](const char* slot, qint64 value) {
    QMetaObject::invokeMethod(form.get(), slot, Q_ARG(qint64, value));
  };
  report("onPositionReported", 65000000);  // no duration yet: ignored
  EXPECT_EQ(label->text(), "00:00:00/00:00:00");
  report("onDurationReported", 200400000);
  EXPECT_EQ(position->Max(), 2000);
  report("onPositionReported", 65500000);
  EXPECT_EQ(label->text(), "00:01:06/00:03:20");
  EXPECT_EQ(position->Value(), 660);
  EXPECT_EQ(position->SelLength(), 660);
  report("onPositionReported", 64500000);
  EXPECT_EQ(label->text(), "00:01:04/00:03:20");
  report("onPositionReported", 0);
  EXPECT_EQ(position->Value(), 640);
  report("onPositionReported", 900000000);  // past the end: the slider clamps, the label agrees
  EXPECT_EQ(position->Value(), 2000);
  EXPECT_EQ(label->text(), "00:03:20/00:03:20");
  report("onPositionReported", 200400000);  // exactly the end
  EXPECT_EQ(position->Value(), 2000);
  EXPECT_EQ(label->text(), "00:03:20/00:03:20");
  report("onPositionReported", 65500000);

  // While the thumb is held, playback does not pull it back.
  QTest::mousePress(position, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  report("onPositionReported", 10000000);
  EXPECT_NE(position->Value(), 100);
  QTest::mouseRelease(position, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));

  QMetaObject::invokeMethod(form.get(), "onStateReported", Q_ARG(int, FFPlayer::kEventEndOfFile));
  EXPECT_EQ(position->Value(), 0);
  EXPECT_EQ(position->SelLength(), 0);
  EXPECT_EQ(form->PauseCaption(), "4");
  EXPECT_EQ(label->text(), "00:00:00/00:03:20");  // rewound: thumb and label both at the start
}

TEST_F(PlayerWindowTest, EscapeClosesWhicheverControlHasTheFocus) {
  for (const char* focus : {"VeSlider1", "VeSliderVol", "btnPause"}) {
    auto form = Open("broken.avi");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QWidget* control = Child<QWidget>(*form, focus);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible()) << focus;
    EXPECT_EQ(form->result(), QDialog::Rejected);
  }
}

TEST_F(PlayerWindowTest, SoundLevelCarriesOverToTheNextPlayer) {
  {
    auto form = Open("broken.avi");
    QTest::mouseClick(Child<QLabel>(*form, "PicMute"), Qt::LeftButton);
    QTest::mouseClick(Child<VolumeSlider>(*form, "VeSliderVol"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(0, 6));
  }
  auto next = Open("broken.avi");
  EXPECT_TRUE(next->Player().Mute());
  EXPECT_EQ(next->Player().AudioVolume(), 0);
  EXPECT_EQ(Child<VolumeSlider>(*next, "VeSliderVol")->Value(), 0);
}

}  // namespace
