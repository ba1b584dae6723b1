#include "cli/CliJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli/CliProfiles.h"
#include "output/OutputCatalogue.h"

namespace {

// Seconds and percents with at most three decimals.
double Rounded(double value) {
  if (!std::isfinite(value)) return 0;
  return std::round(value * 1000) / 1000;
}

// A name as text, with U+FFFD for bytes that are not UTF-8; then the exact bytes in
// base64 under "<key>_bytes" when the text does not give them back.
void AddName(QJsonObject& object, const QString& key, const std::string& bytes) {
  const QByteArray raw = QByteArray::fromStdString(bytes);
  const QString text = QString::fromUtf8(raw);
  object[key] = text;
  if (text.toUtf8() != raw) object[key + "_bytes"] = QString::fromLatin1(raw.toBase64());
}

QJsonObject Event(const char* kind) {
  QJsonObject object;
  object["schema"] = kJsonSchema;
  object["event"] = kind;
  return object;
}

QJsonObject TaskEvent(const char* kind, const PlannedTask& task) {
  QJsonObject object = Event(kind);
  object["index"] = static_cast<qint64>(task.index);
  AddName(object, "source", task.source);
  return object;
}

std::string Line(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

double Percent(const PlannedTask& task) {
  if (!(task.duration > 0)) return 0;
  return std::floor(std::clamp(task.position / task.duration * 100.0, 0.0, 100.0));
}

// The notes of a converted-with-problems task.
QJsonArray Notes(const std::vector<std::string>& list) {
  QJsonArray notes;
  for (const std::string& note : list)
    if (!note.empty()) notes.append(QString::fromUtf8(note.c_str()));
  return notes;
}

}  // namespace

std::string JsonPlannedEvent(const PlannedTask& task) {
  QJsonObject object = TaskEvent("planned", task);
  AddName(object, "output", task.output);
  object["options"] = task.job.options;
  if (task.estimatedBytes >= 0) object["estimated_bytes"] = task.estimatedBytes;
  return Line(object);
}

std::string JsonQueuedEvent(const PlannedTask& task) {
  QJsonObject object = TaskEvent("queued", task);
  AddName(object, "output", task.output);
  object["options"] = task.job.options;
  object["duration"] = Rounded(task.duration);
  return Line(object);
}

std::string JsonProgressEvent(const PlannedTask& task) {
  QJsonObject object = TaskEvent("progress", task);
  object["position"] = Rounded(task.position);
  object["duration"] = Rounded(task.duration);
  object["percent"] = Percent(task);
  return Line(object);
}

std::string JsonFinishedEvent(const PlannedTask& task) {
  QJsonObject object = TaskEvent("finished", task);
  AddName(object, "output", task.output);
  object["outcome"] = OutcomeName(task.outcome);
  object["message"] = QString::fromUtf8(task.message.c_str());
  if (task.outcome == TaskOutcome::Warning) object["notes"] = Notes(task.notes);
  return Line(object);
}

std::string JsonSummaryEvent(const RunTotals& totals) {
  QJsonObject object = Event("summary");
  object["total"] = static_cast<qint64>(totals.total);
  object["converted"] = static_cast<qint64>(totals.converted);
  object["warnings"] = static_cast<qint64>(totals.warnings);
  object["failed"] = static_cast<qint64>(totals.failed);
  object["skipped"] = static_cast<qint64>(totals.skipped);
  object["stopped"] = static_cast<qint64>(totals.stopped);
  object["seconds"] = Rounded(totals.elapsed);
  object["exit"] = ExitCodeFor(totals);
  return Line(object);
}

std::string JsonProfileList() {
  QJsonArray list;
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    QJsonObject profile;
    profile["id"] = entry.id;
    profile["caption"] = QString::fromUtf8(entry.caption);
    profile["menu"] = QString::fromStdString(ProfileMenuPath(entry));
    profile["key"] = QString::fromUtf8(entry.key);
    profile["extension"] = ExtensionForKey(QString::fromUtf8(entry.key));
    list.append(profile);
  }
  return QJsonDocument(list).toJson(QJsonDocument::Compact).toStdString();
}
