#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "player/VeSlider.h"

namespace {

const QStringList kSurfaceKeys{"BackColor", "ForeColor", "Enabled", "Font", "BackStyle", "BorderStyle"};
const QStringList kSliderKeys{"Value", "Min", "SmallChange", "LargeChange", "ShowTicks",
                              "Max", "TickNumber", "SelStart", "SelLength"};

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

TEST(VeSlider, NewInstanceDefaults) {
  QWidget host;
  VeSlider s(&host);
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
  EXPECT_EQ(VeSliderBase::ColorFromOle(s.BackColor(), s.palette()), QColor(213, 222, 242));
  EXPECT_EQ(s.Font(), host.font());
}

TEST(VeSlider, SavingWritesOnlyChangedKeysInFixedOrder) {
  VeSlider1 s;
  SliderPropertyBag bag;
  s.WriteProperties(bag);
  // The stock back colour differs from the first pass's default only.
  EXPECT_EQ(bag.WrittenKeys(), QStringList{"backcolor"});

  s.SetBackColor(0x00112233);
  s.SetBorderStyle(1);
  s.SetMax(128);
  s.SetValue(100);
  s.SetSelLength(100);
  s.SetShowTicks(false);
  SliderPropertyBag changed;
  s.WriteProperties(changed);
  EXPECT_EQ(changed.WrittenKeys(), (QStringList{"backcolor", "borderstyle", "backcolor", "borderstyle", "value",
                                               "showticks", "max", "sellength"}));
}

TEST(VeSlider, LoadingReadsTwiceForSurfaceAndKeepsLaterDuplicates) {
  VeSlider s;
  SliderPropertyBag empty;
  ASSERT_TRUE(s.ReadProperties(empty));
  EXPECT_EQ(empty.ReadKeys(), kSurfaceKeys + kSurfaceKeys + kSliderKeys);
  EXPECT_EQ(s.BackColor(), 15916757u);  // the second read's default wins

  SliderPropertyBag stored;
  stored.Add("_extentx", 6218);
  QFont first("Serif", 9);
  QFont second("Monospace", 11);
  stored.Add("font", first);
  stored.Add("font", second);
  stored.Add("backcolor", static_cast<qint32>(0x8000000F));
  stored.Add("SMALLCHANGE", 0);
  stored.Add("max", 50);
  stored.Add("value", 80);  // beyond Max: loaded as is, no clamping
  ASSERT_TRUE(s.ReadProperties(stored));
  EXPECT_EQ(s.Font(), second);
  EXPECT_EQ(s.BackColor(), 0x8000000Fu);
  EXPECT_EQ(s.SmallChange(), 0);
  EXPECT_EQ(s.Max(), 50);
  EXPECT_EQ(s.Value(), 80);

  SliderPropertyBag bad;
  bad.Add("backstyle", 7);
  EXPECT_FALSE(s.ReadProperties(bad));
}

TEST(VeSlider, SaveThenLoadRoundTrips) {
  VeSlider a;
  a.SetBackColor(0x8000000F);  // equals the first pass's default: stored once
  a.SetForeColor(0x000000FF);
  a.SetEnabled(false);
  a.SetMin(-5);
  a.SetMax(300);
  a.SetValue(120);
  a.SetTickNumber(4);
  a.SetSelStart(20);
  a.SetSelLength(60);
  a.SetLargeChange(25);
  SliderPropertyBag bag;
  a.WriteProperties(bag);
  VeSlider b;
  ASSERT_TRUE(b.ReadProperties(bag));
  EXPECT_EQ(b.BackColor(), a.BackColor());
  EXPECT_EQ(b.ForeColor(), a.ForeColor());
  EXPECT_FALSE(b.Enabled());
  for (auto getter : {&VeSliderBase::Min, &VeSliderBase::Max, &VeSliderBase::Value, &VeSliderBase::TickNumber,
                      &VeSliderBase::SelStart, &VeSliderBase::SelLength, &VeSliderBase::LargeChange})
    EXPECT_EQ((b.*getter)(), (a.*getter)());
}

TEST(VeSlider, SettersReportTheChangedProperty) {
  VeSlider s;
  QSignalSpy spy(&s, &VeSliderBase::propertyChanged);
  s.SetMax(10);
  s.SetValue(20);
  s.SetSelStart(1);
  EXPECT_FALSE(s.SetBackStyle(2));
  ASSERT_EQ(spy.count(), 3);
  EXPECT_EQ(spy[0][0].toString(), "Max");
  EXPECT_EQ(spy[1][0].toString(), "Value");
  EXPECT_EQ(s.Value(), 10);
}

TEST(VeSlider, LeftClickRaisesDownUpClickWithValueSetBeforeClick) {
  QWidget host;
  VeSlider s(&host);
  s.resize(235, 24);
  host.show();
  QStringList order;
  QObject::connect(&s, &VeSliderBase::mouseDown, [&](int b, int, float, float) { order << QString("down%1:%2").arg(b).arg(s.Value()); });
  QObject::connect(&s, &VeSliderBase::mouseUp, [&](int b, int, float x, float) {
    order << QString("up%1:%2:%3").arg(b).arg(s.Value()).arg(x);
  });
  QObject::connect(&s, &VeSliderBase::clicked, [&] { order << QString("click:%1").arg(s.Value()); });
  QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(66, 12));  // 990 twips
  EXPECT_EQ(order, (QStringList{"down1:0", "up1:0:990", "click:265"}));

  // A right click moves nothing.
  order.clear();
  QTest::mouseClick(&s, Qt::RightButton, Qt::NoModifier, QPoint(200, 12));
  EXPECT_EQ(order, (QStringList{"down2:265", "up2:265:3000"}));
}

TEST(VeSlider, RightDragIsIgnoredLeftDragFollowsThePointer) {
  VeSlider s;
  s.resize(235, 24);
  s.show();
  QSignalSpy moves(&s, &VeSliderBase::mouseMoved);
  SendMouse(&s, QEvent::MouseButtonPress, {10, 5}, Qt::RightButton, Qt::RightButton);
  SendMouse(&s, QEvent::MouseMove, {150, 5}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(moves.count(), 0);
  EXPECT_EQ(s.Value(), 0);
  SendMouse(&s, QEvent::MouseButtonRelease, {150, 5}, Qt::RightButton, Qt::NoButton);

  SendMouse(&s, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(&s, QEvent::MouseMove, {117, 5}, Qt::NoButton, Qt::LeftButton);  // 1755 twips: the middle
  EXPECT_EQ(moves.count(), 1);
  EXPECT_EQ(s.Value(), 498);
  SendMouse(&s, QEvent::MouseMove, {900, 5}, Qt::NoButton, Qt::LeftButton);  // far beyond the end
  EXPECT_EQ(s.Value(), 1000);
}

TEST(VeSlider, KeysAreReportedWithTheirCodes) {
  VeSlider s;
  QList<int> codes;
  QObject::connect(&s, &VeSliderBase::keyDown, [&](int code, int) { codes << code; });
  QSignalSpy presses(&s, &VeSliderBase::keyPressed);
  s.SetValue(500);
  QTest::keyClick(&s, Qt::Key_PageDown);
  QTest::keyClick(&s, Qt::Key_Home);
  QTest::keyClick(&s, Qt::Key_Left);
  QTest::keyClick(&s, Qt::Key_A);
  EXPECT_EQ(codes, (QList<int>{34, 36, 37, 65}));
  EXPECT_EQ(s.Value(), 509);
  EXPECT_EQ(presses.count(), 1);
}

TEST(VeSlider, PaintsFromItsBitmapsAtTheirSizes) {
  for (SliderKind kind : {SliderKind::Position, SliderKind::Volume}) {
    const SliderImageSizes sizes = SliderBitmaps::Sizes(kind);
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::Track).size(), QSize(sizes.trackWidth, sizes.trackHeight));
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::Thumb).size(), QSize(sizes.thumbWidth, sizes.thumbHeight));
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::ThumbDisabled).size(),
              QSize(sizes.thumbWidth, sizes.thumbHeight));
    EXPECT_EQ(SliderBitmaps::Get(kind, SliderPicture::Selection).size(), QSize(sizes.selWidth, sizes.selHeight));
  }
  VeSlider1 s;
  s.resize(72, 13);
  s.SetMax(128);
  s.SetValue(128);
  QSignalSpy painted(&s, &VeSliderBase::painted);
  const QImage shot = s.grab().toImage();
  EXPECT_EQ(painted.count(), 1);
  // The thumb sits at the right end: its dark knob differs from the track's left part.
  EXPECT_NE(shot.pixelColor(66, 7), shot.pixelColor(3, 1));
}

}  // namespace
