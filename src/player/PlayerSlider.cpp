#include "player/PlayerSlider.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>

#include "player/PlayerSliderAccessible.h"

// ---------------------------------------------------------------- key mapping

int SliderKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      break;
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

PlayerSlider::PlayerSlider(SliderKind kind, SliderBand band, QWidget* parent)
    : QWidget(parent), kind_(kind), model_(band, SliderBitmaps::Sizes(kind)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // moves are reported with no button held too
  const SliderImageSizes sizes = SliderBitmaps::Sizes(kind);
  resize(kind == SliderKind::Position ? 240 : 72, kind == SliderKind::Position ? sizes.trackHeight : 13);
  InitNew();
  // Assistive tools read the self-drawn slider through its own interface.
  static const bool accessible_registered = [] {
    QAccessible::installFactory(PlayerSliderAccessibleFactory);
    return true;
  }();
  Q_UNUSED(accessible_registered);
}

PositionSlider::PositionSlider(QWidget* parent)
    : PlayerSlider(SliderKind::Position, SliderBand::FromSelStart, parent) {}

VolumeSlider::VolumeSlider(QWidget* parent)
    : PlayerSlider(SliderKind::Volume, SliderBand::FromLeft, parent) {}

QFont PlayerSlider::AmbientFont() const {
  return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void PlayerSlider::InitNew() {
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

void PlayerSlider::SetValue(int value) {
  const int before = model_.value;
  model_.SetValue(value);
  update();
  ReportValueChange(before);
}

void PlayerSlider::EditValue(int value) {
  const int before = model_.value;
  SetValue(value);
  if (model_.value != before) emit valueEdited();
}

void PlayerSlider::ReportValueChange(int before) {
  if (model_.value == before || !QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(this, model_.value);
  QAccessible::updateAccessibility(&event);
}

void PlayerSlider::SetMin(int value) { model_.min = value; }

void PlayerSlider::SetMax(int value) { model_.max = value; }

void PlayerSlider::SetSmallChange(int value) { model_.smallChange = value; }

void PlayerSlider::SetLargeChange(int value) { model_.largeChange = value; }

void PlayerSlider::SetShowTicks(bool value) { model_.showTicks = value; }

void PlayerSlider::SetTickNumber(int value) { model_.tickNumber = value; }

void PlayerSlider::SetSelStart(int value) {
  model_.selStart = value;
  ClearAndRepaint();
}

void PlayerSlider::SetSelLength(int value) {
  model_.selLength = value;
  ClearAndRepaint();
}

void PlayerSlider::ClearAndRepaint() {
  // Every paint starts from a cleared surface here, so a repaint is all it takes.
  update();
}

void PlayerSlider::SetBackColor(quint32 color) {
  back_color_ = color;
  update();
}

void PlayerSlider::SetForeColor(quint32 color) {
  fore_color_ = color;
  update();
}

void PlayerSlider::SetEnabled(bool enabled) { setEnabled(enabled); }

void PlayerSlider::SetFont(const QFont& font) { setFont(font); }

bool PlayerSlider::SetBackStyle(short style) {
  if (style != 0 && style != 1) return false;
  back_style_ = style;
  update();
  return true;
}

bool PlayerSlider::SetBorderStyle(short style) {
  if (style != 0 && style != 1) return false;
  border_style_ = style;
  update();
  return true;
}

void PlayerSlider::Refresh() { repaint(); }

QColor PlayerSlider::ColorFromOle(quint32 color, const QPalette& palette) {
  if (color & 0x80000000u) {
    switch (color & 0xFF) {
      case 0x05:
        return palette.color(QPalette::Base);
      case 0x08:
        return palette.color(QPalette::Text);
      case 0x0F:
        return palette.color(QPalette::Button);
      case 0x12:
        return palette.color(QPalette::ButtonText);
      default:
        return palette.color(QPalette::Window);
    }
  }
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// ---------------------------------------------------------------- surface events

void PlayerSlider::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  model_.Resize(width() * SliderModel::kTwipsPerPixel, height() * SliderModel::kTwipsPerPixel);
}

void PlayerSlider::paintEvent(QPaintEvent* /*event*/) {
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
  if (hasFocus()) {
    p.resetTransform();
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }
}

void PlayerSlider::mousePressEvent(QMouseEvent* event) {
  const int button = SliderButtons(event->button());
  model_.MouseDown(button);
}

void PlayerSlider::mouseMoveEvent(QMouseEvent* event) {
  const int buttons = SliderButtons(event->buttons());
  const bool was_dragging = model_.Dragging();
  if (!model_.MouseMove(buttons, TwipsX(event))) return;
  if (was_dragging) update();
}

void PlayerSlider::mouseReleaseEvent(QMouseEvent* event) {
  const int button = SliderButtons(event->button());
  const bool inside = rect().contains(event->position().toPoint());
  model_.MouseUp(button, TwipsX(event));
  // The host's handler may process events (and even close the window) before
  // the click that follows the release.
  QPointer<PlayerSlider> alive(this);
  emit mouseUp(button, SliderShiftState(event->modifiers()), TwipsX(event), TwipsY(event));
  if (!alive || button != SliderModel::kLeftButton || !inside) return;
  model_.Click();
  update();
  emit clicked();
}

void PlayerSlider::keyPressEvent(QKeyEvent* event) {
  const int code = SliderKeyCode(event->key());
  const int before = model_.value;
  model_.KeyDown(code);
  if (full_keyboard_) {
    switch (event->key()) {
      case Qt::Key_Home:
        model_.SetValue(model_.min);
        break;
      case Qt::Key_End:
        model_.SetValue(model_.max);
        break;
      case Qt::Key_Up:
        model_.KeyDown(SliderModel::kKeyRight);
        break;
      case Qt::Key_Down:
        model_.KeyDown(SliderModel::kKeyLeft);
        break;
      default:
        break;
    }
  }
  update();
  ReportValueChange(before);
  if (model_.value != before) emit valueEdited();
}
