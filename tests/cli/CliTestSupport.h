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

// The caller's environment with English messages: the tests read the same words in any
// language the caller uses.
inline QProcessEnvironment EnglishEnvironment() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LANGUAGE", "en");
  return environment;
}

inline ProgramResult RunConvert(const QStringList& args, int timeoutMs = 180000, const QByteArray& input = {},
                                const QProcessEnvironment& environment = EnglishEnvironment()) {
  QProcess p;
  p.setProcessEnvironment(environment);
  p.start(VELTRANE_CONVERT, args);
  p.write(input);
  p.closeWriteChannel();
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

// Checks every line of `text` (or the whole text when `wholeText`) against the JSON
// Schema in docs/; empty when all pass, else the validator's complaint.
inline QString SchemaProblems(const QString& text, bool wholeText = false) {
  QProcess p;
  p.start("python3", {"-c", R"(import json, sys, jsonschema
schema = json.load(open(sys.argv[1]))
checker = jsonschema.Draft202012Validator(schema)
data = sys.stdin.read()
for item in ([data] if sys.argv[2] == "whole" else data.splitlines()):
    checker.validate(json.loads(item))
)",
                      VELTRANE_SOURCE_DIR "/docs/json-events.schema.json", wholeText ? "whole" : "lines"});
  p.write(text.toUtf8());
  p.closeWriteChannel();
  if (!p.waitForFinished(60000)) return "the validator did not finish";
  return p.exitCode() == 0 ? QString() : QString::fromUtf8(p.readAllStandardError()).right(600);
}
