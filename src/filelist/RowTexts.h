#pragma once
// The display texts of a file-list row.
#include <QDateTime>
#include <QString>

struct FileRow;

// "1,234.5 MB": the size in mebibytes, thousands grouped with ",", one decimal.
QString FormatFileSizeText(double bytes);
// "2024/03/05 17:04:09" (24-hour clock); empty for an invalid time.
QString FormatModifiedText(const QDateTime& time);
// "640 X 480".
QString FormatVideoSizeText(int width, int height);
// The row's tooltip: "Audio tracks: 2, subtitle tracks: 1".
QString TrackCountText(int audioTracks, int subtitleTracks);
// The message shown when a file cannot be opened.
QString OpenFailureText(const QString& path, const QString& engineError);

// The list's columns, left to right.
enum class ListColumn { Path, Type, Duration, VideoSize, FileSize, Modified, VideoCodec, AudioCodec, Count };
// The text a row shows in a column ("N/A" for the picture's size and codec, or the
// sound's codec, when the file has none).
QString RowColumnText(const FileRow& row, ListColumn column);
// The row's tooltip (the same in every column): the track counts, and ", interlaced"
// for a source whose header says so.
QString RowToolTip(const FileRow& row);
