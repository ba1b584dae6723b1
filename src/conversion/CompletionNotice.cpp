#include "conversion/CompletionNotice.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/ProgramInfo.h"
#include "desktop/UiServices.h"
#include "desktop/WindowHelpers.h"

namespace {
constexpr int kMessageId = 3;
constexpr int kCloseId = 2;
}  // namespace

CompletionNotice::CompletionNotice(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      hide_timer_(new QTimer(this)),
      fade_(new QPropertyAnimation(this, "windowOpacity", this)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMouseTracking(true);
  setWindowTitle(ProgramInfo::kTitle);
  hide_timer_->setSingleShot(true);
  connect(hide_timer_, &QTimer::timeout, this, &CompletionNotice::CloseNotice);
}

int CompletionNotice::AddItem(const QRect& rect, const QString& text, int id) {
  Item item;
  item.rect = rect;
  item.text = text;
  item.id = id;
  items_.push_back(item);
  update();
  return ItemCount() - 1;
}

void CompletionNotice::RemoveAllItems() {
  items_.clear();
  hovered_id_ = 0;
  update();
}

void CompletionNotice::ShowNotice() {
  setFixedSize(popup_size_);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen && CanPlaceWindows()) {
    const QRect area = screen->availableGeometry();
    move(area.right() - popup_size_.width() + 1, area.bottom() - popup_size_.height() + 1);
  }
  fade_->stop();
  const bool fades = animate_ms_ > 0 && CanFadeWindows();
  if (fades) {
    fade_->setDuration(animate_ms_);
    fade_->setStartValue(0.0);
    fade_->setEndValue(1.0);
    setWindowOpacity(0.0);
  } else if (CanFadeWindows()) {
    setWindowOpacity(1.0);
  }
  ExposeText();
  show();
  raise();
  if (fades) fade_->start();
  hide_timer_->start(show_ms_);
  // Screen readers announce the notice as it appears; it never takes the focus.
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void CompletionNotice::ExposeText() {
  // The items are painted, not widgets: in reading order, the first text names the
  // notice and the others describe it.
  std::vector<const Item*> texts;
  for (const Item& item : items_)
    if (!item.text.isEmpty()) texts.push_back(&item);
  std::stable_sort(texts.begin(), texts.end(), [](const Item* a, const Item* b) {
    return a->rect.top() != b->rect.top() ? a->rect.top() < b->rect.top() : a->rect.left() < b->rect.left();
  });
  QStringList rest;
  for (size_t i = 1; i < texts.size(); ++i)
    rest << texts[i]->text;
  setAccessibleName(texts.empty() ? windowTitle() : texts.front()->text);
  setAccessibleDescription(rest.join('\n'));
}

void CompletionNotice::CloseNotice() {
  hide_timer_->stop();
  fade_->stop();
  hide();
}

int CompletionNotice::ItemIdAt(const QPoint& pos) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    if (it->id != 0 && it->rect.contains(pos)) return it->id;
  }
  return 0;
}

void CompletionNotice::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Item& item : items_)
    PaintItem(painter, item, item.id != 0 && item.id == hovered_id_);
  painter.setPen(QColor(160, 160, 130));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CompletionNotice::PaintItem(QPainter& painter, const Item& item, bool hovered) const {
  if (item.backColor.isValid()) painter.fillRect(item.rect, item.backColor);
  if (!item.icon.isNull()) {
    item.icon.paint(&painter, item.rect);
  } else if (item.id == kCloseId && item.text.isEmpty()) {
    // Close button without a picture: a small cross.
    const QRect box = item.rect.adjusted(5, 5, -5, -5);
    painter.setPen(QPen(hovered ? QColor(200, 0, 0) : QColor(90, 90, 90), 1.6));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
  }
  if (item.text.isEmpty()) return;
  QFont textFont = font();
  textFont.setBold(item.bold);
  textFont.setUnderline(item.hyperlink && hovered);
  if (item.textFlags & Qt::TextSingleLine) {
    // A single line shrinks a little rather than losing its end.
    while (textFont.pointSizeF() > 6 &&
           QFontMetrics(textFont).horizontalAdvance(item.text) > item.rect.width()) {
      textFont.setPointSizeF(textFont.pointSizeF() - 0.5);
    }
  }
  painter.setFont(textFont);
  painter.setPen(item.hyperlink && hovered ? QColor(0, 0, 200) : QColor(0, 0, 0));
  painter.drawText(item.rect, item.textFlags, item.text);
}

void CompletionNotice::mouseMoveEvent(QMouseEvent* event) {
  const int id = ItemIdAt(event->position().toPoint());
  if (id != hovered_id_) {
    hovered_id_ = id;
    setCursor(id != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
  }
  QWidget::mouseMoveEvent(event);
}

void CompletionNotice::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const int id = ItemIdAt(event->position().toPoint());
    if (id != 0) emit itemClicked(id);
  }
  QWidget::mouseReleaseEvent(event);
}

void CompletionNotice::enterEvent(QEnterEvent* event) {
  // Keep the notice while the user is reading it.
  hide_timer_->stop();
  QWidget::enterEvent(event);
}

void CompletionNotice::leaveEvent(QEvent* event) {
  hovered_id_ = 0;
  update();
  if (isVisible()) hide_timer_->start(show_ms_);
  QWidget::leaveEvent(event);
}

void ShowCompletionNotice(CompletionNotice& notice, const QIcon& closeIcon, const QString& text) {
  notice.CloseNotice();
  notice.RemoveAllItems();

  const int background = notice.AddItem(QRect(QPoint(0, 0), QPoint(219, 69)), QString());
  notice.ItemAt(background).backColor = QColor(255, 255, 225);

  const int message = notice.AddItem(QRect(QPoint(20, 30), QPoint(199, 99)), text, kMessageId);
  notice.ItemAt(message).textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  notice.ItemAt(message).hyperlink = true;

  const int title = notice.AddItem(QRect(QPoint(5, 0), QPoint(169, 24)), ProgramInfo::kTitle);
  notice.ItemAt(title).textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
  notice.ItemAt(title).bold = true;

  const int close = notice.AddItem(QRect(QPoint(200, 2), QPoint(217, 19)), QString(), kCloseId);
  notice.ItemAt(close).icon = closeIcon;

  notice.SetPopupSize(QSize(220, 70));
  notice.SetAnimateDelay(256);
  notice.SetShowDelay(5000);
  notice.ShowNotice();
}

void HandleCompletionNoticeClick(CompletionNotice& notice, int id, const QString& outputFolder) {
  if (id == 1 || id == kCloseId) {
    notice.CloseNotice();
  } else if (id == kMessageId) {
    notice.CloseNotice();
    Ui::OpenFolder(outputFolder);
  }
}
