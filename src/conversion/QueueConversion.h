#pragma once
// The OK handler of the output settings dialog: checks the output folder, queues one
// encoder task per file-list row and runs the progress window.
#include <QString>
#include <functional>
#include <vector>

#include "conversion/ProgressWindow.h"
#include "filelist/FileRow.h"
#include "output/OutputSettings.h"

struct AppState;
class CompletionNotice;
class FFEncoder;
class OutputSettingsDialog;
class QLineEdit;
class QWidget;

// Trims the folder box text and gives it a trailing "/" (shown in the box). When the
// folder is not usable: "Invalid path!" message, focus to the box, `browse` runs, and
// the result is false. Otherwise `outputFolder` takes the text.
bool CheckOutputFolder(QLineEdit* folderBox, const std::function<void()>& browse, QWidget* messageOwner,
                       QString& outputFolder);

// Clears the encoder's queue and queues every row in order. Returns one entry per
// row: its task, or task -1 with the reason in the user's words when the engine
// cannot open the source or refuses the output (shown together in the progress
// window, not one box per file). Outputs go to `outputFolder`. Each row carries its
// output's length and estimated size; `previewBytesPerSecond` > 0 is the rate a
// preview of these settings reached.
std::vector<ProgressRow> QueueRows(const OutputSettings& settings, const std::vector<FileRow>& rows,
                                   const QString& outputFolder, FFEncoder& encoder,
                                   double previewBytesPerSecond = 0);

// The whole OK handler, given the dialog's parts: `dialog` is hidden before the
// progress window opens modally on `owner`; returns when that window is closed. The
// accepted folder, the thread count and a fresh stop request go into `state`.
void QueueConversion(const OutputSettings& settings, QLineEdit* folderBox,
                     const std::function<void()>& browse, QWidget* dialog, const std::vector<FileRow>& rows,
                     FFEncoder& encoder, AppState& state, CompletionNotice& notice, QWidget* owner,
                     double previewBytesPerSecond = 0);

// The same, reading everything from the output settings dialog.
void QueueConversion(OutputSettingsDialog& dialog, const std::vector<FileRow>& rows, FFEncoder& encoder,
                     AppState& state, CompletionNotice& notice, QWidget* owner);
