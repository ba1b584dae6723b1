#include "output/PresetCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "desktop/UiServices.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("PresetCommands", text); }

void Tell(QWidget* owner, const QString& error) { Ui::ShowMessage(owner, error, Ui::MessageIcon::Critical); }

// One of the stored presets, picked by the user; nullopt when there is none or the
// user cancels.
std::optional<QString> PickPreset(QWidget* owner, const PresetStore& store, const QString& title,
                                  const QString& label) {
  const QStringList names = store.Names();
  if (names.isEmpty()) {
    Ui::ShowMessage(owner, Tr("There are no saved presets."), Ui::MessageIcon::Information);
    return std::nullopt;
  }
  return Ui::AskInput({owner, title, label, names.front(), names});
}

QString FileFilter() { return Tr("Presets (*.json)"); }

}  // namespace

namespace PresetCommands {

bool SaveAs(QWidget* owner, const PresetStore& store, const OutputSettings& settings) {
  const auto name = Ui::AskInput({owner, Tr("Save as Preset"), Tr("Name of the preset:"), {}, {}});
  if (!name) return false;
  return StoreAsking(owner, store, MakePreset(name->trimmed(), settings));
}

bool StoreAsking(QWidget* owner, const PresetStore& store, const Preset& preset) {
  const QString problem = PresetNameProblem(preset.name);
  if (!problem.isEmpty()) {
    Tell(owner, problem);
    return false;
  }
  if (store.Contains(preset.name) &&
      !Ui::AskYesDefaultNo(owner, Tr("A preset named \"%1\" already exists. Replace it?").arg(preset.name)))
    return false;
  QString error;
  if (!store.Save(preset, error)) {
    Tell(owner, error);
    return false;
  }
  return true;
}

std::optional<Preset> Load(QWidget* owner, const PresetStore& store, const QString& name) {
  QString error;
  auto preset = store.Load(name, error);
  if (!preset) Tell(owner, error);
  return preset;
}

void Rename(QWidget* owner, const PresetStore& store) {
  const auto from = PickPreset(owner, store, Tr("Rename Preset"), Tr("Preset to rename:"));
  if (!from) return;
  const auto to = Ui::AskInput({owner, Tr("Rename Preset"), Tr("New name:"), *from, {}});
  if (!to) return;
  const QString name = to->trimmed();
  QString error = PresetNameProblem(name);
  if (error.isEmpty()) store.Rename(*from, name, error);  // sets `error` only on failure
  if (!error.isEmpty()) Tell(owner, error);
}

void Delete(QWidget* owner, const PresetStore& store) {
  const auto name = PickPreset(owner, store, Tr("Delete Preset"), Tr("Preset to delete:"));
  if (!name || !Ui::AskYesDefaultNo(owner, Tr("Delete the preset \"%1\"?").arg(*name))) return;
  QString error;
  if (!store.Remove(*name, error)) Tell(owner, error);
}

void Import(QWidget* owner, const PresetStore& store) {
  const QStringList files =
      Ui::GetOpenFileNames(owner, QDir::homePath(), {FileFilter(), Tr("All files (*)")});
  for (const QString& file : files) {
    QString error;
    const auto preset = PresetStore::ReadFile(file, error);
    if (!preset) {
      Tell(owner, error);
      continue;
    }
    StoreAsking(owner, store, *preset);
  }
}

void Export(QWidget* owner, const PresetStore& store) {
  const auto name = PickPreset(owner, store, Tr("Export Preset"), Tr("Preset to export:"));
  if (!name) return;
  const QString offered = QDir::homePath() + "/" + PresetFileName(*name);
  QString path = Ui::GetSaveFileName({owner, Tr("Export Preset"), offered, FileFilter()});
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".json";
  QString error;
  if (!store.Export(*name, path, error)) Tell(owner, error);
}

}  // namespace PresetCommands
