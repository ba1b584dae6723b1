// The preset file format: writing, and reading with every value checked.
#include "output/PresetFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <limits>
#include <utility>

#include "output/GridItems.h"
#include "output/GridValueFields.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSizes.h"

namespace {

const QStringList kQualityWords = {"high", "normal", "low"};
const QStringList kTopKeys = {"version", "name",         "profile",      "formatKey", "size", "width",
                              "height",  "videoQuality", "audioQuality", "ifExists",  "grid"};

QString Tr(const char* text) { return QCoreApplication::translate("Presets", text); }

QString Damaged(const QString& source, const QString& why) {
  return Tr("The preset file \"%1\" is damaged: %2.").arg(source, why);
}

QString ValueText(const QJsonValue& value) {
  if (value.isString()) return value.toString();
  if (value.isObject())
    return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
  if (value.isArray())
    return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
  return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

QString BadValue(const QString& source, const QString& setting, const QJsonValue& value) {
  return Tr("The preset file \"%1\" holds a value this version cannot use: \"%2\" is %3.")
      .arg(source, setting, ValueText(value));
}

bool IsWholeNumber(const QJsonValue& value) {
  if (!value.isDouble()) return false;
  const double number = value.toDouble();
  return std::trunc(number) == number && number >= std::numeric_limits<int>::min() &&
         number <= std::numeric_limits<int>::max();
}

bool HasField(const GridField& field) {
  return std::visit([](auto* pointer) { return pointer != nullptr; }, field);
}

// Sets one grid item from its JSON value; false when the grid could not hold it.
bool SetGridValue(GridValues& grid, const GridItemInfo& info, const QJsonValue& value) {
  const GridField field = GridFieldOf(grid, info.item);
  if (!HasField(field)) return false;
  if (auto* check = std::get_if<bool*>(&field)) {
    if (!value.isBool()) return false;
    **check = value.toBool();
    return true;
  }
  if (auto* text = std::get_if<QString*>(&field)) {
    if (!value.isString() || CorrectGridItemText(info.item, value.toString()) != value.toString())
      return false;
    **text = value.toString();
    return true;
  }
  int* number = std::get<int*>(field);
  if (info.kind == GridItemKind::List) {
    const qsizetype index = value.isString() ? info.entries.indexOf(value.toString()) : -1;
    if (index < 0) return false;
    *number = static_cast<int>(index);
    return true;
  }
  if (!IsWholeNumber(value)) return false;
  const QString typed = QString::number(value.toInt());
  if (CorrectGridItemText(info.item, typed) != typed) return false;
  *number = value.toInt();
  return true;
}

// Undefined for an item without a field, which is then left out.
QJsonValue GridValue(GridValues& grid, const GridItemInfo& info) {
  const GridField field = GridFieldOf(grid, info.item);
  if (!HasField(field)) return QJsonValue::Undefined;
  if (auto* check = std::get_if<bool*>(&field)) return **check;
  if (auto* text = std::get_if<QString*>(&field)) return **text;
  const int number = *std::get<int*>(field);
  if (info.kind == GridItemKind::List) return info.entries.value(number);
  return number;
}

// An item whose value the profile fixes: the sound-only formats withdraw the picture
// and subtitle items and "Remove Audio".
bool WithdrawnByProfile(const GridItemInfo& info, const OutputControls& controls) {
  if (info.item == GridItem::FileExtension) return true;  // follows the format
  if (!controls.videoSettingsVisible &&
      (info.category == GridCategory::Video || info.category == GridCategory::Subtitle))
    return true;
  return info.item == GridItem::RemoveAudio && !controls.removeAudioVisible;
}

const GridItemInfo* GridItemByCaption(const QString& caption) {
  for (const GridItemInfo& info : GridItemTable())
    if (caption == QString::fromUtf8(info.caption)) return &info;
  return nullptr;
}

const ProfileEntry* FindEntry(const QString& caption, const QString& key) {
  for (const ProfileEntry& entry : ProfileCatalogue())
    if (caption == QString::fromUtf8(entry.caption) && key == QString::fromUtf8(entry.key)) return &entry;
  return nullptr;
}

// Reads the grid object into `preset`; false with `error` set on the first bad item.
bool ReadGrid(const QJsonObject& grid, const QString& source, Preset& preset, QString& error) {
  for (auto it = grid.begin(); it != grid.end(); ++it) {
    if (!GridItemByCaption(it.key())) {
      error = Tr("The preset file \"%1\" holds a setting this version does not know: \"%2\".")
                  .arg(source, it.key());
      return false;
    }
  }
  GridValues& values = preset.settings.grid;
  for (const GridItemInfo& info : GridItemTable()) {
    const QString caption = QString::fromUtf8(info.caption);
    if (!grid.contains(caption) || WithdrawnByProfile(info, preset.controls)) continue;
    if (!SetGridValue(values, info, grid.value(caption))) {
      error = BadValue(source, caption, grid.value(caption));
      return false;
    }
  }
  // A text that passes its item's clean-up but that the grid's check would replace.
  GridValues normalised = values;
  NormaliseGridValues(normalised);
  for (const GridItemInfo& info : GridItemTable()) {
    const GridField field = GridFieldOf(values, info.item);
    auto* text = std::get_if<QString*>(&field);
    const GridField kept = GridFieldOf(normalised, info.item);
    if (text && *text && **text != *std::get<QString*>(kept)) {
      error = BadValue(source, QString::fromUtf8(info.caption), **text);
      return false;
    }
  }
  preset.controls.cropValuesEditable = values.crop;
  if (preset.controls.removeAudioVisible) preset.controls.audioItemsVisible = !values.removeAudio;
  return true;
}

}  // namespace

Preset MakePreset(const QString& name, const OutputSettings& settings) {
  Preset preset;
  preset.name = name;
  preset.settings = settings;
  preset.settings.outputFolder.clear();
  preset.settings.threads.clear();
  return preset;
}

QByteArray PresetToJson(const Preset& preset) {
  const OutputSettings& s = preset.settings;
  GridValues values = s.grid;
  QJsonObject grid;
  for (const GridItemInfo& info : GridItemTable()) {
    const QJsonValue value = GridValue(values, info);
    if (!value.isUndefined()) grid.insert(QString::fromUtf8(info.caption), value);
  }
  QJsonObject root;
  root.insert("version", kPresetFormatVersion);
  root.insert("name", preset.name);
  root.insert("profile", s.profileCaption);
  root.insert("formatKey", s.outputFormatKey);
  root.insert("size", SizeEntries().value(s.sizeIndex));
  root.insert("width", s.width);
  root.insert("height", s.height);
  root.insert("videoQuality", kQualityWords.value(s.videoQuality));
  root.insert("audioQuality", kQualityWords.value(s.audioQuality));
  root.insert("ifExists", IfExistsSettingText(s.ifExists));
  root.insert("grid", grid);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Preset> PresetFromJson(const QByteArray& data, const QString& source, QString& error) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    error = Damaged(
        source, Tr("it is not JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset));
    return std::nullopt;
  }
  if (!document.isObject()) {
    error = Damaged(source, Tr("it holds no JSON object"));
    return std::nullopt;
  }
  const QJsonObject root = document.object();
  // The version first: a newer file may be shaped in any way.
  const QJsonValue version = root.value("version");
  if (!IsWholeNumber(version) || version.toInt() < 1) {
    error = Damaged(source, Tr("it has no format version"));
    return std::nullopt;
  }
  if (version.toInt() > kPresetFormatVersion) {
    error = Tr("The preset file \"%1\" was written by a newer version of the program (preset format %2; "
               "this version reads formats up to %3).")
                .arg(source)
                .arg(version.toInt())
                .arg(kPresetFormatVersion);
    return std::nullopt;
  }
  for (const QString& key : root.keys()) {
    if (!kTopKeys.contains(key)) {
      error =
          Tr("The preset file \"%1\" holds a setting this version does not know: \"%2\".").arg(source, key);
      return std::nullopt;
    }
  }
  for (const QString& key : kTopKeys) {
    const QJsonValue value = root.value(key);
    const bool fits = key == "version" || (key == "grid" ? value.isObject() : value.isString());
    if (!fits) {
      error = value.isUndefined() ? Damaged(source, Tr("\"%1\" is missing").arg(key))
                                  : BadValue(source, key, value);
      return std::nullopt;
    }
  }

  Preset preset;
  preset.name = root.value("name").toString();
  if (preset.name.trimmed().isEmpty()) {
    error = BadValue(source, "name", root.value("name"));
    return std::nullopt;
  }
  OutputSettings& settings = preset.settings;
  OutputControls& controls = preset.controls;
  const QString caption = root.value("profile").toString();
  const QString key = root.value("formatKey").toString();
  const ProfileEntry* entry = FindEntry(caption, key);
  if (!entry) {
    error = Tr("The preset file \"%1\" names a profile this version does not have: \"%2\" (%3).")
                .arg(source, caption, key);
    return std::nullopt;
  }
  ApplyProfile(settings, controls, entry->id, caption);

  const QString size = root.value("size").toString();
  const int sizeIndex = static_cast<int>(SizeEntries().indexOf(size));
  const QString width = root.value("width").toString();
  const QString height = root.value("height").toString();
  const int videoQuality = static_cast<int>(kQualityWords.indexOf(root.value("videoQuality").toString()));
  const int audioQuality = static_cast<int>(kQualityWords.indexOf(root.value("audioQuality").toString()));
  const QString ifExists = root.value("ifExists").toString();
  const std::pair<bool, const char*> checks[] = {
      {sizeIndex >= 0, "size"},
      {width.isEmpty() || IsKeptDimensionText(width), "width"},
      {height.isEmpty() || IsKeptDimensionText(height), "height"},
      {videoQuality >= 0, "videoQuality"},
      {audioQuality >= 0, "audioQuality"},
      {IfExistsSettingText(IfExistsFromSettingText(ifExists)) == ifExists, "ifExists"},
  };
  for (const auto& [fine, setting] : checks) {
    if (!fine) {
      error = BadValue(source, setting, root.value(setting));
      return std::nullopt;
    }
  }
  // In the dialog's order: size, then the qualities, which reset the bitrates that the
  // grid values then set. Controls the profile disables keep the profile's choice.
  if (controls.sizeEnabled) {
    SelectSize(settings, controls, sizeIndex);
    if (sizeIndex == SizeCustomIndex) {
      settings.width = width;
      settings.height = height;
    }
  }
  if (controls.videoQualityEnabled) SelectVideoQuality(settings, videoQuality);
  SelectAudioQuality(settings, audioQuality);
  settings.ifExists = IfExistsFromSettingText(ifExists);
  if (!ReadGrid(root.value("grid").toObject(), source, preset, error)) return std::nullopt;
  return preset;
}

void ApplyPreset(const Preset& preset, OutputSettings& settings, OutputControls& controls) {
  const QString folder = settings.outputFolder;
  const QString threads = settings.threads;
  settings = preset.settings;
  settings.outputFolder = folder;
  settings.threads = threads;
  controls = preset.controls;
}
