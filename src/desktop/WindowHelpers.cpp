// The helpers that touch windows: kept apart so the text and file helpers link
// without the widget library.
#include "desktop/WindowHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QScreen>
#include <QToolTip>
#include <QUrl>
#include <QWidget>

#include "core/AppState.h"
#include "core/Helpers.h"
#include "desktop/UiServices.h"

void SetSmallIcon(QWidget* window) {
  if (!window) return;
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = QIcon(ResourceFolder() + "veltrane.png");
  if (!icon.isNull()) window->setWindowIcon(icon);
}

bool CanPlaceWindows() { return !QGuiApplication::platformName().startsWith("wayland"); }
bool CanFadeWindows() { return !QGuiApplication::platformName().startsWith("wayland"); }

void OpenWebSite() { Ui::OpenUrl(QUrl(WebSiteAddress)); }

void FitWindowToScreen(QWidget* window) {
  if (!window) return;
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // The frame is known once the window is shown; before that, leave room for a usual one.
  const QRect frame = window->frameGeometry(), inner = window->geometry();
  const bool framed = window->isVisible() && frame != inner;
  const QSize decoration = framed ? frame.size() - inner.size() : QSize(16, 40);
  const QSize most = (area.size() - decoration).expandedTo(window->minimumSize());
  const QSize size = window->size().boundedTo(most);
  if (size != window->size()) window->resize(size);
  // A window not placed yet is left to the window manager, which centres it.
  if (!CanPlaceWindows() || (!window->isVisible() && !window->testAttribute(Qt::WA_Moved))) return;
  QRect placed(window->pos(), size + decoration);
  if (placed.right() > area.right()) placed.moveRight(area.right());
  if (placed.bottom() > area.bottom()) placed.moveBottom(area.bottom());
  if (placed.left() < area.left()) placed.moveLeft(area.left());
  if (placed.top() < area.top()) placed.moveTop(area.top());
  if (placed.topLeft() != window->pos()) window->move(placed.topLeft());
}

QString FullTextToolTip(const QAbstractItemView* view, const QModelIndex& index) {
  if (!view || !index.isValid()) return {};
  const QString text = index.data(Qt::DisplayRole).toString();
  const QString own = index.data(Qt::ToolTipRole).toString();
  // Room for the cell's margins, as the style draws them.
  const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
  const bool cut = view->fontMetrics().horizontalAdvance(text) + margin > view->visualRect(index).width();
  if (!cut || text.isEmpty()) return own;
  return own.isEmpty() ? text : text + "\n\n" + own;
}

namespace {
class FullTextToolTipFilter : public QObject {
 public:
  explicit FullTextToolTipFilter(QAbstractItemView* view) : QObject(view), view_(view) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || watched != view_->viewport()) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = view_->indexAt(help->pos());
    const QString tip = FullTextToolTip(view_, index);
    if (tip.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), tip, view_->viewport(), view_->visualRect(index));
    }
    return true;
  }

 private:
  QAbstractItemView* view_;
};
}  // namespace

void InstallFullTextToolTips(QAbstractItemView* view) {
  if (view) view->viewport()->installEventFilter(new FullTextToolTipFilter(view));
}
