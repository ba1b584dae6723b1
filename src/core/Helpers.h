#pragma once
// Text, number, file and platform helpers shared by every window.
#include <QRect>
#include <QString>
#include <cstdint>

// Address of the product web site.
inline constexpr const char* WebSiteAddress = "https://www.veltrane-software.com/";

QString FormatDuration(double seconds);

// What separates the items of a list shown in a sentence (", " in English; Chinese and
// Japanese have their own commas).
QString ListSeparator();
double MicrosToSeconds(int64_t micros);
QString FileExtensionUpper(const QString& path);
QString FileBaseName(const QString& path);
double BytesToMegabytes(double bytes);
double GetFileSize(const QString& path);  // 0 when not found, -1 on error
int ProcessorCount();
bool FolderExists(const QString& path);

// The program folder, ending in "/".
QString ProgramFolder();
// The folder of the files the program reads at run time (icon, style sheet, help,
// pictures), ending in "/": beside the program in the build tree, or
// <prefix>/share/veltrane-video-converter/ when installed under <prefix>/bin.
QString ResourceFolder();
