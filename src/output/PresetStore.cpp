// The presets folder: names to file names, and atomic reads and writes.
#include "output/PresetStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

constexpr qsizetype kMaxFileNameBytes = 250;  // file systems take 255
constexpr qint64 kMaxPresetBytes = 1 << 20;   // far above any preset
const QString kSuffix = ".json";

QString Tr(const char* text) { return QCoreApplication::translate("Presets", text); }

bool KeptAsIs(char32_t c) {
  if (c >= 0x80) return QChar::isLetterOrNumber(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' ||
         c == '_';
}

// The name with every character but letters, digits, " ", "-" and "_" as "%XX" bytes
// (a leading "-" or " " too, which tools would misread): no "/", no leading ".", no
// control characters, and a different text for every name.
QString Encoded(const QString& name) {
  QString encoded;
  for (const char32_t c : name.toUcs4()) {
    const QString character = QString::fromUcs4(&c, 1);
    if (KeptAsIs(c) && !(encoded.isEmpty() && (c == '-' || c == ' '))) {
      encoded += character;
      continue;
    }
    for (const char byte : character.toUtf8())
      encoded += QString("%%1").arg(static_cast<unsigned char>(byte), 2, 16, QChar('0')).toUpper();
  }
  return encoded;
}

}  // namespace

QString PresetNameProblem(const QString& name) {
  if (name.trimmed().isEmpty()) return Tr("A preset needs a name.");
  if (!name.isValidUtf16()) return Tr("The name holds a character that is not valid text.");
  if ((Encoded(name) + kSuffix).toUtf8().size() > kMaxFileNameBytes)
    return Tr("The name is too long for a preset.");
  return {};
}

QString PresetFileName(const QString& name) {
  if (!PresetNameProblem(name).isEmpty()) return {};
  return Encoded(name) + kSuffix;
}

QString PresetNameOfFile(const QString& fileName) {
  if (!fileName.endsWith(kSuffix)) return {};
  const QString base = fileName.chopped(kSuffix.size());
  QByteArray bytes;
  for (qsizetype i = 0; i < base.size(); ++i) {
    if (base[i] != '%') {
      bytes += QString(base[i]).toUtf8();
      continue;
    }
    bool ok = false;
    const int byte = base.mid(i + 1, 2).toInt(&ok, 16);
    if (!ok || i + 2 >= base.size()) return {};
    bytes += static_cast<char>(byte);
    i += 2;
  }
  const QString name = QString::fromUtf8(bytes);
  // Only the one spelling that the name itself gives stands for it.
  return PresetFileName(name) == fileName ? name : QString();
}

PresetStore::PresetStore(const QString& folder) : folder_(folder.isEmpty() ? UserFolder() : folder) {}

QString PresetStore::UserFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return data.isEmpty() ? QString() : data + "/veltrane-video-converter/presets";
}

QString PresetStore::PathOf(const QString& name) const {
  const QString file = PresetFileName(name);
  return file.isEmpty() || folder_.isEmpty() ? QString() : folder_ + "/" + file;
}

QStringList PresetStore::Names() const {
  QStringList names;
  if (folder_.isEmpty()) return names;
  for (const QString& file : QDir(folder_).entryList({"*" + kSuffix}, QDir::Files | QDir::Hidden)) {
    const QString name = PresetNameOfFile(file);
    if (!name.isEmpty()) names << name;
  }
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int order = QString::localeAwareCompare(a.toCaseFolded(), b.toCaseFolded());
    return order != 0 ? order < 0 : a < b;
  });
  return names;
}

bool PresetStore::Contains(const QString& name) const {
  const QString path = PathOf(name);
  return !path.isEmpty() && QFile::exists(path);
}

std::optional<Preset> PresetStore::Load(const QString& name, QString& error) const {
  if (!Contains(name)) {
    error = Tr("There is no preset named \"%1\".").arg(name);
    return std::nullopt;
  }
  auto preset = ReadFile(PathOf(name), error);
  if (preset) preset->name = name;  // the file's name says which preset it is
  return preset;
}

bool PresetStore::Save(const Preset& preset, QString& error) const {
  const QString problem = PresetNameProblem(preset.name);
  if (!problem.isEmpty()) {
    error = problem;
    return false;
  }
  if (folder_.isEmpty()) {
    error = Tr("There is no folder for presets (neither XDG_DATA_HOME nor HOME is set).");
    return false;
  }
  if (!QDir().mkpath(folder_)) {
    error = Tr("Cannot make the presets folder \"%1\".").arg(folder_);
    return false;
  }
  return WriteFile(preset, PathOf(preset.name), error);
}

bool PresetStore::Rename(const QString& from, const QString& to, QString& error) const {
  if (from == to) return true;
  auto preset = Load(from, error);
  if (!preset) return false;
  if (Contains(to)) {
    error = Tr("A preset named \"%1\" already exists.").arg(to);
    return false;
  }
  preset->name = to;
  // The new file is complete before the old one goes, so a failure loses nothing.
  return Save(*preset, error) && Remove(from, error);
}

bool PresetStore::Remove(const QString& name, QString& error) const {
  if (!Contains(name)) {
    error = Tr("There is no preset named \"%1\".").arg(name);
    return false;
  }
  QFile file(PathOf(name));
  if (!file.remove()) {
    error = Tr("Cannot delete the preset \"%1\": %2").arg(name, file.errorString());
    return false;
  }
  return true;
}

bool PresetStore::Export(const QString& name, const QString& path, QString& error) const {
  const auto preset = Load(name, error);
  return preset && WriteFile(*preset, path, error);
}

std::optional<Preset> PresetStore::ReadFile(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = Tr("Cannot read the preset file \"%1\": %2").arg(path, file.errorString());
    return std::nullopt;
  }
  const QByteArray data = file.read(kMaxPresetBytes + 1);
  if (data.size() > kMaxPresetBytes) {
    error = Tr("\"%1\" is not a preset file: it is far too large.").arg(path);
    return std::nullopt;
  }
  return PresetFromJson(data, path, error);
}

bool PresetStore::WriteFile(const Preset& preset, const QString& path, QString& error) {
  QSaveFile file(path);
  const QByteArray data = PresetToJson(preset);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
    error = Tr("Cannot write the preset file \"%1\": %2").arg(path, file.errorString());
    return false;
  }
  return true;
}
