#include "conversion/QueueConversion.h"

#include <QFile>
#include <QLineEdit>
#include <QWidget>

#include "common/Globals.h"
#include "common/OutputFolders.h"
#include "common/UiServices.h"
#include "conversion/ConversionBuilder.h"
#include "engine/FFEncoder.h"
#include "output/FormVideoFormat.h"

namespace {

std::string EngineSourcePath(const FileRow& row) {
  const QByteArray bytes = row.nativePath.isEmpty() ? QFile::encodeName(row.path) : row.nativePath;
  return bytes.toStdString();
}

void ShowOpenFailure(QWidget* owner, const QString& source, const QString& error) {
  Ui::ShowMessage(owner, "Can not open file: \n" + source + "\n\nError: \n" + error,
                  Ui::MessageIcon::Critical);
}

void ShowOutputFailure(QWidget* owner, const QString& output, const QString& error) {
  Ui::ShowMessage(owner,
                  "Cannot convert." + output + "\nError: " + error +
                      "\nPlease try to convert it to another format",
                  Ui::MessageIcon::Critical, QMessageBox::Ok, "Error");
}

void RememberRowFacts(const FileRow& row) {
  const RowFacts facts = ReadRowFacts(row);
  Globals::HasVideo = facts.hasVideo;
  Globals::HasAudio = facts.hasAudio;
  if (facts.hasVideo && facts.sizeFound) {
    Globals::SourceWidth = facts.sourceWidth;
    Globals::SourceHeight = facts.sourceHeight;
  }
}

// Queues one row; returns its task handle or -1.
int QueueRow(const ConversionJob& job, const FileRow& row, FFEncoder& encoder, QWidget* owner) {
  if (!job.valid) {
    ShowOutputFailure(owner, job.outputPath, "unknown output format");
    return -1;
  }
  int handle = encoder.OpenInput(EngineSourcePath(row), std::string());
  if (handle < 0) {
    ShowOpenFailure(owner, row.path, QString::fromStdString(encoder.LastErrorMessage()));
    return -1;
  }
  const int result = encoder.SetOutput(handle, QFile::encodeName(job.outputPath).toStdString(),
                                       job.options.toStdString());
  if (result < 0) {
    encoder.CloseInput(handle);
    ShowOutputFailure(owner, job.outputPath, QString::fromStdString(encoder.LastErrorMessage()));
    return -1;
  }
  return handle;
}

}  // namespace

bool CheckOutputFolder(QLineEdit* folderBox, const std::function<void()>& browse,
                       QWidget* messageOwner) {
  QString text = folderBox ? folderBox->text() : QString();
  bool usable = NormaliseOutputFolder(text);
  if (folderBox) folderBox->setText(text);
  // A folder that is not there yet is offered for creation; declining keeps the dialog.
  if (!usable && ClassifyFolder(text) == FolderState::Creatable) {
    usable = OfferToCreateFolder(text, messageOwner) == CreateAnswer::Created;
    if (!usable && folderBox) folderBox->setFocus();
    if (!usable) return false;
  }
  if (!usable) {
    Ui::ShowMessage(messageOwner, "Invalid path!", Ui::MessageIcon::Critical, QMessageBox::Ok,
                    "Error");
    if (folderBox) folderBox->setFocus();
    if (browse) browse();
    return false;
  }
  Globals::OutputFolder = text;
  return true;
}

std::vector<ProgressRow> QueueRows(const OutputSettings& settings,
                                   const std::vector<FileRow>& rows, FFEncoder& encoder,
                                   QWidget* messageOwner) {
  encoder.ClearTasks();
  std::vector<ProgressRow> queued;
  queued.reserve(rows.size());
  qint64 pixelCount = 0;
  for (const FileRow& row : rows) {
    RememberRowFacts(row);
    const ConversionJob job = BuildConversion(settings, row, Globals::OutputFolder, &pixelCount);
    if (job.valid) {
      Globals::OutputExtension = job.extension;
      Globals::OutputOptions = job.options;
    }
    queued.push_back({job.outputPath, QueueRow(job, row, encoder, messageOwner)});
  }
  return queued;
}

void QueueConversion(const OutputSettings& settings, QLineEdit* folderBox,
                     const std::function<void()>& browse, QWidget* dialog,
                     const std::vector<FileRow>& rows, FFEncoder& encoder,
                     CompletionNotice& notice, QWidget* owner) {
  if (!CheckOutputFolder(folderBox, browse, dialog)) return;
  std::vector<ProgressRow> queued = QueueRows(settings, rows, encoder, dialog);

  bool ok = false;
  const int threads = settings.threads.trimmed().toInt(&ok);
  if (ok && threads > 0) Globals::EncoderThreads = threads;
  if (dialog) dialog->hide();
  Globals::StopRequested = false;

  FormConverting progress(encoder, std::move(queued), &notice, owner);
  progress.exec();
}

void QueueConversion(FormVideoFormat& dialog, const std::vector<FileRow>& rows,
                     FFEncoder& encoder, CompletionNotice& notice, QWidget* owner) {
  QueueConversion(dialog.Settings(), dialog.TextFolder(), [&dialog] { dialog.BrowseFolder(); },
                  &dialog, rows, encoder, notice, owner);
}
