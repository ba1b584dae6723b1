#include "player/VeSlider.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

// ---------------------------------------------------------------- property bag

QVariant SliderPropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const {
  read_keys_.append(key);
  for (auto it = entries_.crbegin(); it != entries_.crend(); ++it)
    if (it->key.compare(key, Qt::CaseInsensitive) == 0) return it->value;
  return defaultValue;
}

void SliderPropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                      const QVariant& defaultValue) {
  if (value == defaultValue) return;
  entries_.append({key.toLower(), value});
}

QStringList SliderPropertyBag::WrittenKeys() const {
  QStringList keys;
  for (const Entry& e : entries_) keys.append(e.key);
  return keys;
}

// ---------------------------------------------------------------- key mapping

int SliderKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: break;
  }
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
  return 0;
}

int SliderShiftState(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  return shift;
}

int SliderButtons(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code |= 1;
  if (buttons & Qt::RightButton) code |= 2;
  if (buttons & Qt::MiddleButton) code |= 4;
  return code;
}

namespace {
constexpr double kTwips = SliderModel::kTwipsPerPixel;

float TwipsX(const QMouseEvent* event) { return static_cast<float>(event->position().x() * kTwips); }
float TwipsY(const QMouseEvent* event) { return static_cast<float>(event->position().y() * kTwips); }
}  // namespace

// ---------------------------------------------------------------- slider

VeSliderBase::VeSliderBase(SliderKind kind, SliderBand band, QWidget* parent)
    : QWidget(parent), kind_(kind), model_(band, SliderBitmaps::Sizes(kind)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // moves are reported with no button held too
  const SliderImageSizes sizes = SliderBitmaps::Sizes(kind);
  resize(kind == SliderKind::Position ? 240 : 72, kind == SliderKind::Position ? sizes.trackHeight : 13);
  InitNew();
}

VeSlider::VeSlider(QWidget* parent) : VeSliderBase(SliderKind::Position, SliderBand::FromSelStart, parent) {}

VeSlider1::VeSlider1(QWidget* parent) : VeSliderBase(SliderKind::Volume, SliderBand::FromLeft, parent) {}

QFont VeSliderBase::AmbientFont() const {
  return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void VeSliderBase::InitNew() {
  setFont(AmbientFont());
  model_.value = 0;
  model_.min = 0;
  model_.smallChange = 1;
  model_.largeChange = 10;
  model_.showTicks = true;
  model_.max = 1000;
  model_.tickNumber = 10;
  model_.selStart = 0;
  model_.selLength = 0;
}

void VeSliderBase::SetValue(int value) {
  model_.SetValue(value);
  emit propertyChanged("Value");
  update();
}

void VeSliderBase::SetMin(int value) {
  model_.min = value;
  emit propertyChanged("Min");
}

void VeSliderBase::SetMax(int value) {
  model_.max = value;
  emit propertyChanged("Max");
}

void VeSliderBase::SetSmallChange(int value) {
  model_.smallChange = value;
  emit propertyChanged("SmallChange");
}

void VeSliderBase::SetLargeChange(int value) {
  model_.largeChange = value;
  emit propertyChanged("LargeChange");
}

void VeSliderBase::SetShowTicks(bool value) {
  model_.showTicks = value;
  emit propertyChanged("ShowTicks");
}

void VeSliderBase::SetTickNumber(int value) {
  model_.tickNumber = value;
  emit propertyChanged("TickNumber");
}

void VeSliderBase::SetSelStart(int value) {
  model_.selStart = value;
  emit propertyChanged("SelStart");
  ClearAndRepaint();
}

void VeSliderBase::SetSelLength(int value) {
  model_.selLength = value;
  emit propertyChanged("SelLength");
  ClearAndRepaint();
}

void VeSliderBase::ClearAndRepaint() {
  // Every paint starts from a cleared surface here, so a repaint is all it takes.
  update();
}

void VeSliderBase::SetBackColor(quint32 color) {
  back_color_ = color;
  emit propertyChanged("BackColor");
  update();
}

void VeSliderBase::SetForeColor(quint32 color) {
  fore_color_ = color;
  emit propertyChanged("ForeColor");
  update();
}

void VeSliderBase::SetEnabled(bool enabled) {
  setEnabled(enabled);
  emit propertyChanged("Enabled");
}

void VeSliderBase::SetFont(const QFont& font) {
  setFont(font);
  emit propertyChanged("Font");
}

bool VeSliderBase::SetBackStyle(short style) {
  if (style != 0 && style != 1) return false;
  back_style_ = style;
  emit propertyChanged("BackStyle");
  update();
  return true;
}

bool VeSliderBase::SetBorderStyle(short style) {
  if (style != 0 && style != 1) return false;
  border_style_ = style;
  emit propertyChanged("BorderStyle");
  update();
  return true;
}

void VeSliderBase::Refresh() { repaint(); }

QColor VeSliderBase::ColorFromOle(quint32 color, const QPalette& palette) {
  if (color & 0x80000000u) {
    switch (color & 0xFF) {
      case 0x05: return palette.color(QPalette::Base);
      case 0x08: return palette.color(QPalette::Text);
      case 0x0F: return palette.color(QPalette::Button);
      case 0x12: return palette.color(QPalette::ButtonText);
      default: return palette.color(QPalette::Window);
    }
  }
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void VeSliderBase::WriteSurface(SliderPropertyBag& bag, quint32 backColorDefault) const {
  bag.WriteProperty("BackColor", static_cast<qint32>(back_color_), static_cast<qint32>(backColorDefault));
  bag.WriteProperty("ForeColor", static_cast<qint32>(fore_color_), static_cast<qint32>(kDefaultForeColor));
  bag.WriteProperty("Enabled", Enabled(), true);
  bag.WriteProperty("Font", font(), AmbientFont());
  bag.WriteProperty("BackStyle", QVariant::fromValue<short>(back_style_), QVariant::fromValue<short>(1));
  bag.WriteProperty("BorderStyle", QVariant::fromValue<short>(border_style_), QVariant::fromValue<short>(0));
}

void VeSliderBase::WriteProperties(SliderPropertyBag& bag) const {
  WriteSurface(bag, kFirstPassBackColor);
  WriteSurface(bag, kDefaultBackColor);
  bag.WriteProperty("Value", model_.value, 0);
  bag.WriteProperty("Min", model_.min, 0);
  bag.WriteProperty("SmallChange", model_.smallChange, 1);
  bag.WriteProperty("LargeChange", model_.largeChange, 10);
  bag.WriteProperty("ShowTicks", model_.showTicks, true);
  bag.WriteProperty("Max", model_.max, 1000);
  bag.WriteProperty("TickNumber", model_.tickNumber, 10);
  bag.WriteProperty("SelStart", model_.selStart, 0);
  bag.WriteProperty("SelLength", model_.selLength, 0);
}

bool VeSliderBase::ReadSurface(const SliderPropertyBag& bag, quint32 backColorDefault) {
  SetBackColor(static_cast<quint32>(bag.ReadProperty("BackColor", static_cast<qint32>(backColorDefault)).toLongLong()));
  SetForeColor(static_cast<quint32>(bag.ReadProperty("ForeColor", static_cast<qint32>(kDefaultForeColor)).toLongLong()));
  SetEnabled(bag.ReadProperty("Enabled", true).toBool());
  const QVariant font_value = bag.ReadProperty("Font", AmbientFont());
  SetFont(font_value.canConvert<QFont>() ? font_value.value<QFont>() : AmbientFont());
  if (!SetBackStyle(static_cast<short>(bag.ReadProperty("BackStyle", 1).toInt()))) return false;
  return SetBorderStyle(static_cast<short>(bag.ReadProperty("BorderStyle", 0).toInt()));
}

bool VeSliderBase::ReadProperties(const SliderPropertyBag& bag) {
  if (!ReadSurface(bag, kFirstPassBackColor)) return false;
  if (!ReadSurface(bag, kDefaultBackColor)) return false;
  // Slider values go straight into place: no clamping, no repaint.
  model_.value = bag.ReadProperty("Value", 0).toInt();
  model_.min = bag.ReadProperty("Min", 0).toInt();
  model_.smallChange = bag.ReadProperty("SmallChange", 1).toInt();
  model_.largeChange = bag.ReadProperty("LargeChange", 10).toInt();
  model_.showTicks = bag.ReadProperty("ShowTicks", true).toBool();
  model_.max = bag.ReadProperty("Max", 1000).toInt();
  model_.tickNumber = bag.ReadProperty("TickNumber", 10).toInt();
  model_.selStart = bag.ReadProperty("SelStart", 0).toInt();
  model_.selLength = bag.ReadProperty("SelLength", 0).toInt();
  return true;
}

// ---------------------------------------------------------------- surface events

void VeSliderBase::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  model_.Resize(width() * SliderModel::kTwipsPerPixel, height() * SliderModel::kTwipsPerPixel);
  emit resized();
}

void VeSliderBase::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  if (back_style_ == 1) p.fillRect(rect(), ColorFromOle(back_color_, palette()));
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(1.0 / kTwips, 1.0 / kTwips);
  const QImage track = SliderBitmaps::Get(kind_, SliderPicture::Track);
  const QImage selection = SliderBitmaps::Get(kind_, SliderPicture::Selection);
  const QImage thumb = SliderBitmaps::Get(kind_, SliderPicture::Thumb);
  const QImage thumb_disabled = SliderBitmaps::Get(kind_, SliderPicture::ThumbDisabled);
  for (const SliderDrawOp& op : model_.Paint(isEnabled())) {
    const QRectF target(op.x, op.y, op.width, op.height);
    switch (op.kind) {
      case SliderDrawOp::TrackSlice:
        p.drawImage(target, track, QRectF(op.sourceX / kTwips, 0, op.sourceWidth / kTwips, track.height()));
        break;
      case SliderDrawOp::Tick:
        p.setPen(QPen(QColor(120, 120, 120), 0));
        p.drawLine(QPointF(op.x, op.y), QPointF(op.x, op.y - op.height));
        break;
      case SliderDrawOp::Band:
        p.drawImage(target, selection);
        break;
      case SliderDrawOp::Thumb:
        p.drawImage(target, op.disabled ? thumb_disabled : thumb);
        break;
    }
  }
  if (border_style_ == 1) {
    p.resetTransform();
    p.setPen(ColorFromOle(fore_color_, palette()));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  emit painted();
}

void VeSliderBase::mousePressEvent(QMouseEvent* event) {
  const int button = SliderButtons(event->button());
  model_.MouseDown(button);
  emit mouseDown(button, SliderShiftState(event->modifiers()), TwipsX(event), TwipsY(event));
}

void VeSliderBase::mouseMoveEvent(QMouseEvent* event) {
  const int buttons = SliderButtons(event->buttons());
  const bool was_dragging = model_.Dragging();
  if (!model_.MouseMove(buttons, TwipsX(event))) return;
  if (was_dragging) update();
  emit mouseMoved(buttons, SliderShiftState(event->modifiers()), TwipsX(event), TwipsY(event));
}

void VeSliderBase::mouseReleaseEvent(QMouseEvent* event) {
  const int button = SliderButtons(event->button());
  const bool inside = rect().contains(event->position().toPoint());
  model_.MouseUp(button, TwipsX(event));
  // The host's handler may process events (and even close the window) before
  // the click that follows the release.
  QPointer<VeSliderBase> alive(this);
  emit mouseUp(button, SliderShiftState(event->modifiers()), TwipsX(event), TwipsY(event));
  if (!alive || button != SliderModel::kLeftButton || !inside) return;
  model_.Click();
  update();
  emit clicked();
}

void VeSliderBase::mouseDoubleClickEvent(QMouseEvent* /*event*/) { emit doubleClicked(); }

void VeSliderBase::keyPressEvent(QKeyEvent* event) {
  const int code = SliderKeyCode(event->key());
  model_.KeyDown(code);
  update();
  QPointer<VeSliderBase> alive(this);
  emit keyDown(code, SliderShiftState(event->modifiers()));
  if (alive && !event->text().isEmpty()) emit keyPressed(event->text().at(0).unicode());
}

void VeSliderBase::keyReleaseEvent(QKeyEvent* event) {
  emit keyUp(SliderKeyCode(event->key()), SliderShiftState(event->modifiers()));
}
