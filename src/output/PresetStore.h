#pragma once
// The user's presets: one JSON file per preset in
// $XDG_DATA_HOME/veltrane-video-converter/presets/, named after the preset in a way
// that any name gives one safe file name of its own. Files are replaced atomically.
#include <QString>
#include <QStringList>
#include <optional>

#include "output/PresetFile.h"

// The file name (no folder) that holds the preset `name`; empty when PresetNameProblem
// finds fault with the name. Letters, digits, spaces, "-" and "_" stay as they are
// (but for a leading space or "-"); every other character becomes "%XX" for each byte
// of its UTF-8 form.
QString PresetFileName(const QString& name);
// The preset name a file name stands for; empty for a file that no name gives.
QString PresetNameOfFile(const QString& fileName);
// What is wrong with a name for a preset, or "" when it can be one.
QString PresetNameProblem(const QString& name);

class PresetStore {
 public:
  // `folder` empty: the user's presets folder.
  explicit PresetStore(const QString& folder = {});
  // $XDG_DATA_HOME (or ~/.local/share)/veltrane-video-converter/presets
  static QString UserFolder();
  const QString& Folder() const { return folder_; }

  // The names of the stored presets, sorted for people to read.
  QStringList Names() const;
  bool Contains(const QString& name) const;

  // Each call returns false or nullopt with `error` set to a message for the user.
  std::optional<Preset> Load(const QString& name, QString& error) const;
  // Stores the preset under its name; one of the same name is replaced.
  bool Save(const Preset& preset, QString& error) const;
  // Refuses a new name that another preset already has.
  bool Rename(const QString& from, const QString& to, QString& error) const;
  bool Remove(const QString& name, QString& error) const;
  // Writes the stored preset `name` to `path`, in the same format.
  bool Export(const QString& name, const QString& path, QString& error) const;
  // Reads and checks any preset file (one to import, or --preset FILE).
  static std::optional<Preset> ReadFile(const QString& path, QString& error);
  // Writes `preset` to `path` atomically.
  static bool WriteFile(const Preset& preset, const QString& path, QString& error);

 private:
  QString PathOf(const QString& name) const;
  QString folder_;
};
