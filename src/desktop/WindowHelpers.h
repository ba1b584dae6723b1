#pragma once
// Helpers that touch windows and views: the program icon, the web site, fitting a
// window to its screen, full-text tooltips.
#include <QString>

class QAbstractItemView;
class QModelIndex;
class QWidget;

void SetSmallIcon(QWidget* window);
// False where the window system places top-level windows itself and ignores requests
// to move them (Wayland): the program then leaves placing to it.
bool CanPlaceWindows();
// False where top-level windows cannot be made see-through (Wayland): no fading in.
bool CanFadeWindows();
void OpenWebSite();
// Shrinks a top-level window to its screen's free area and moves it inside, so its
// title bar and close box can always be reached, whatever the display scale.
void FitWindowToScreen(QWidget* window);
// Cells whose text is cut off show their whole text as a tooltip, above the cell's
// own tooltip if it has one.
void InstallFullTextToolTips(QAbstractItemView* view);
// The tooltip such a cell shows ("" for none).
QString FullTextToolTip(const QAbstractItemView* view, const QModelIndex& index);
