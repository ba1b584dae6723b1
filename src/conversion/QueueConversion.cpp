#include "conversion/QueueConversion.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QWidget>

#include "conversion/ConversionBuilder.h"
#include "conversion/OutputEstimate.h"
#include "conversion/UserMessages.h"
#include "core/AppState.h"
#include "core/FileNames.h"
#include "core/StoredValues.h"
#include "desktop/OutputFolders.h"
#include "desktop/UiServices.h"
#include "engine/FFEncoder.h"
#include "filelist/NativePath.h"
#include "output/OutputSettingsDialog.h"
#include "output/PreviewPanel.h"
#include "output/PreviewRun.h"

namespace {

std::string EngineSourcePath(const FileRow& row) {
  const QByteArray bytes = row.nativePath.isEmpty() ? TextToName(row.path) : row.nativePath;
  return bytes.toStdString();
}

// Queues one row: fills in its task handle, or its refusal in the user's words.
void QueueRow(const OutputSettings& settings, const ConversionJob& job, const FileRow& row,
              FFEncoder& encoder, ProgressRow* out) {
  if (!job.valid) {
    out->refusal = QCoreApplication::translate("QueueConversion",
                                               "%1 cannot be converted: the output format is unknown.")
                       .arg(row.path);
    return;
  }
  const QString crop = CropProblem(settings, ReadRowFacts(row), row.path);
  if (!crop.isEmpty()) {
    out->refusal = crop;
    return;
  }
  const int handle = encoder.OpenInput(EngineSourcePath(row), std::string());
  if (handle < 0) {
    out->refusal = ExplainOpenFailure(row.path, QString::fromStdString(encoder.LastErrorMessage()));
    return;
  }
  const int result = encoder.SetOutput(handle, TextToNameString(job.outputPath), job.options.toStdString());
  if (result < 0) {
    encoder.CloseInput(handle);
    out->refusal = ExplainConversionFailure(row.path, QString::fromStdString(encoder.LastErrorMessage()));
    return;
  }
  // The row names the file asked for; the progress window shows the name actually
  // written (numbered or shortened) once the task has written it.
  out->task = handle;
}

}  // namespace

bool CheckOutputFolder(QLineEdit* folderBox, const std::function<void()>& browse, QWidget* messageOwner,
                       QString& outputFolder) {
  QString text = folderBox ? folderBox->text() : QString();
  // A folder whose name is not UTF-8 comes from the folder dialog with replacement
  // characters: the real folder is found again, never a look-alike written to.
  if (text.contains(QChar::ReplacementCharacter)) {
    QString plain = text.trimmed();
    while (plain.size() > 1 && plain.endsWith('/'))
      plain.chop(1);
    text = NativePath::Display(NativePath::Resolve(plain));
  }
  bool usable = NormaliseOutputFolder(text);
  if (folderBox) folderBox->setText(text);
  // A folder that is not there yet is offered for creation; declining keeps the dialog.
  if (!usable && ClassifyFolder(text) == FolderState::Creatable) {
    usable = OfferToCreateFolder(text, messageOwner) == CreateAnswer::Created;
    if (!usable && folderBox) folderBox->setFocus();
    if (!usable) return false;
  }
  if (!usable) {
    Ui::ShowMessage(messageOwner, QCoreApplication::translate("QueueConversion", "Invalid path!"),
                    Ui::MessageIcon::Critical, QMessageBox::Ok,
                    QCoreApplication::translate("QueueConversion", "Error"));
    if (folderBox) folderBox->setFocus();
    if (browse) browse();
    return false;
  }
  outputFolder = text;
  Stored::Set(Setting::OutputFolder, text);  // kept even if the program does not end normally
  return true;
}

std::vector<ProgressRow> QueueRows(const OutputSettings& settings, const std::vector<FileRow>& rows,
                                   const QString& outputFolder, FFEncoder& encoder,
                                   double previewBytesPerSecond) {
  encoder.ClearTasks();
  encoder.IfExists = settings.ifExists;
  std::vector<ProgressRow> queued;
  queued.reserve(rows.size());
  qint64 pixelCount = 0;
  for (const FileRow& row : rows) {
    const ConversionJob job = BuildConversion(settings, row, outputFolder, &pixelCount);
    ProgressRow progressRow;
    progressRow.outputName = job.outputPath;
    progressRow.source = row.path;
    progressRow.durationSeconds = OutputSeconds(job, row);  // after the start and duration
    progressRow.sizeEstimate = EstimateText(EstimateRowBytes(job, row, previewBytesPerSecond));
    // What the time-left estimate weighs the task by: picture work or sound only.
    if (ReadRowFacts(row).hasVideo && !settings.audioOnly) progressRow.outputPixels = double(pixelCount);
    QueueRow(settings, job, row, encoder, &progressRow);
    queued.push_back(progressRow);
  }
  return queued;
}

void QueueConversion(const OutputSettings& settings, QLineEdit* folderBox,
                     const std::function<void()>& browse, QWidget* dialog, const std::vector<FileRow>& rows,
                     FFEncoder& encoder, AppState& state, CompletionNotice& notice, QWidget* owner,
                     double previewBytesPerSecond) {
  if (!CheckOutputFolder(folderBox, browse, dialog, state.outputFolder)) return;
  std::vector<ProgressRow> queued =
      QueueRows(settings, rows, state.outputFolder, encoder, previewBytesPerSecond);

  bool ok = false;
  const int threads = settings.threads.trimmed().toInt(&ok);
  if (ok && threads > 0) state.encoderThreads = threads;
  if (dialog) dialog->hide();
  state.stopRequested = false;

  ProgressWindow progress(encoder, state, std::move(queued), &notice, owner);
  progress.exec();
}

void QueueConversion(OutputSettingsDialog& dialog, const std::vector<FileRow>& rows, FFEncoder& encoder,
                     AppState& state, CompletionNotice& notice, QWidget* owner) {
  const OutputSettings settings = dialog.Settings();
  QueueConversion(
      settings, dialog.FolderBox(), [&dialog] { dialog.BrowseFolder(); }, &dialog, rows, encoder, state,
      notice, owner, dialog.Preview()->Run().BytesPerSecond(settings));
}
