#pragma once
// Running the built veltrane-convert and reading its --json lines.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <vector>

struct ProgramResult {
  int exitCode = -1;
  QString out;
  QString err;
};

inline ProgramResult RunConvert(const QStringList& args, int timeoutMs = 180000) {
  QProcess p;
  p.start(VELTRANE_CONVERT, args);
  ProgramResult r;
  if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.exitCode = p.exitCode();
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  return r;
}

inline std::vector<QJsonObject> JsonLines(const QString& text) {
  std::vector<QJsonObject> events;
  for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
    events.push_back(QJsonDocument::fromJson(line.toUtf8()).object());
  return events;
}
