#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "player/PlayerSlider.h"

namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

TEST(PositionSlider, NewInstanceDefaults) {
  QWidget host;
  PositionSlider s(&host);
  EXPECT_EQ(s.Value(), 0);
  EXPECT_EQ(s.Min(), 0);
  EXPECT_EQ(s.Max(), 1000);
  EXPECT_EQ(s.SmallChange(), 1);
  EXPECT_EQ(s.LargeChange(), 10);
  EXPECT_TRUE(s.ShowTicks());
  EXPECT_EQ(s.TickNumber(), 10);
  EXPECT_EQ(s.SelStart(), 0);
  EXPECT_EQ(s.SelLength(), 0);
  EXPECT_EQ(s.BackColor(), 15916757u);
  EXPECT_EQ(PlayerSlider::ColorFromOle(s.BackColor(), s.palette()), QColor(213, 222, 242));
  EXPECT_EQ(s.Font(), host.font());
}

TEST(PositionSlider, SettersClampTheValueAndRefuseUnknownStyles) {
  PositionSlider s;
  s.SetMax(10);
  s.SetValue(20);
  EXPECT_FALSE(s.SetBackStyle(2));
  EXPECT_EQ(s.BackStyle(), 1);
  EXPECT_EQ(s.Value(), 10);
}

TEST(PositionSlider, LeftClickRaisesUpThenClickWithValueSetBeforeClick) {
  QWidget host;
  PositionSlider s(&host);
  s.resize(235, 24);
  host.show();
  QStringList order;
  QObject::connect(&s, &PlayerSlider::mouseUp, [&](int b, int, float x, float) {
    order << QString("up%1:%2:%3").arg(b).arg(s.Value()).arg(x);
  });
  QObject::connect(&s, &PlayerSlider::clicked, [&] { order << QString("click:%1").arg(s.Value()); });
  QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(66, 12));  // 990 twips
  EXPECT_EQ(order, (QStringList{"up1:0:990", "click:265"}));

  // A right click moves nothing.
  order.clear();
  QTest::mouseClick(&s, Qt::RightButton, Qt::NoModifier, QPoint(200, 12));
  EXPECT_EQ(order, (QStringList{"up2:265:3000"}));
}

TEST(PositionSlider, RightDragIsIgnoredLeftDragFollowsThePointer) {
  PositionSlider s;
  s.resize(235, 24);
  s.show();
  SendMouse(&s, QEvent::MouseButtonPress, {10, 5}, Qt::RightButton, Qt::RightButton);
  SendMouse(&s, QEvent::MouseMove, {150, 5}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(s.Value(), 0);
  SendMouse(&s, QEvent::MouseButtonRelease, {150, 5}, Qt::RightButton, Qt::NoButton);

  SendMouse(&s, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(&s, QEvent::MouseMove, {117, 5}, Qt::NoButton, Qt::LeftButton);  // 1755 twips: the middle
  EXPECT_EQ(s.Value(), 498);
  SendMouse(&s, QEvent::MouseMove, {900, 5}, Qt::NoButton, Qt::LeftButton);  // far beyond the end
  EXPECT_EQ(s.Value(), 1000);
}

TEST(PositionSlider, KeysMoveTheValue) {
  PositionSlider s;
  s.SetValue(500);
  QTest::keyClick(&s, Qt::Key_PageDown);
  QTest::keyClick(&s, Qt::Key_Home);
  QTest::keyClick(&s, Qt::Key_Left);
  QTest::keyClick(&s, Qt::Key_A);
  EXPECT_EQ(s.Value(), 509);
}

TEST(PositionSlider, PaintsFromItsBitmapsAtTheirSizes) {
  for (SliderKind kind : {SliderKind::Position, SliderKind::Volume}) {
    const SliderImageSizes sizes = SliderBitmaps::Sizes(kind);
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::Track).size(),
              QSize(sizes.trackWidth, sizes.trackHeight));
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::Thumb).size(),
              QSize(sizes.thumbWidth, sizes.thumbHeight));
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::ThumbDisabled).size(),
              QSize(sizes.thumbWidth, sizes.thumbHeight));
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::Selection).size(),
              QSize(sizes.selWidth, sizes.selHeight));
  }
  VolumeSlider s;
  s.resize(72, 13);
  s.SetMax(128);
  s.SetValue(128);
  const QImage shot = s.grab().toImage();
  // The thumb sits at the right end: its dark knob differs from the track's left part.
  EXPECT_NE(shot.pixelColor(66, 7), shot.pixelColor(3, 1));
}

}  // namespace
