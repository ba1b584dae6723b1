#pragma once
// Text, number, file and platform helpers shared by every window.
#include <QRect>
#include <QString>
#include <cstdint>

class QAbstractItemView;
class QModelIndex;
class QWidget;

// Address of the product web site.
inline constexpr const char* WebSiteAddress = "https://www.veltrane-software.com/";

QString FormatDuration(double seconds);
double MicrosToSeconds(int64_t micros);
QString FileExtensionUpper(const QString& path);
QString FileBaseName(const QString& path);
double BytesToMegabytes(double bytes);
double GetFileSize(const QString& path);  // 0 when not found, -1 on error
int ProcessorCount();
bool FolderExists(const QString& path);
void SetSmallIcon(QWidget* window);
void OpenWebSite();
// Shrinks a top-level window to its screen's free area and moves it inside, so its
// title bar and close box can always be reached, whatever the display scale.
void FitWindowToScreen(QWidget* window);
// Cells whose text is cut off show their whole text as a tooltip, above the cell's
// own tooltip if it has one.
void InstallFullTextToolTips(QAbstractItemView* view);
// The tooltip such a cell shows ("" for none).
QString FullTextToolTip(const QAbstractItemView* view, const QModelIndex& index);

// The program folder, ending in "/".
QString ProgramFolder();
// The folder of the files the program reads at run time (icon, style sheet, help,
// pictures), ending in "/": beside the program in the build tree, or
// <prefix>/share/veltrane-video-converter/ when installed under <prefix>/bin.
QString ResourceFolder();
