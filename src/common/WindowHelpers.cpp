// The helpers that touch windows: kept apart so the text and file helpers link
// without the widget library.
#include <QApplication>
#include <QIcon>
#include <QUrl>
#include <QWidget>

#include "common/Globals.h"
#include "common/Helpers.h"
#include "common/UiServices.h"

void SetSmallIcon(QWidget* window) {
  if (!window) return;
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = QIcon(Globals::AppFolder + "veltrane.png");
  if (!icon.isNull()) window->setWindowIcon(icon);
}

bool GetWindowBounds(const QWidget* window, QRect& rect) {
  if (!window) return false;
  rect = window->frameGeometry();
  return true;
}

void OpenWebSite() { Ui::OpenUrl(QUrl(WebSiteAddress)); }
