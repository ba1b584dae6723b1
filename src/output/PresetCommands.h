#pragma once
// The questions around the user's presets: the name to save under, replacing one of the
// same name, which preset to rename, delete or export, the file to import or export
// to. Each asks through the desktop seams and reports a failure in a message.
#include <optional>

#include "output/PresetStore.h"

class QWidget;

namespace PresetCommands {

// Asks for a name and stores `settings` under it. True when stored.
bool SaveAs(QWidget* owner, const PresetStore& store, const OutputSettings& settings);
// Stores `preset`; asks first when a preset of its name exists. True when stored.
bool StoreAsking(QWidget* owner, const PresetStore& store, const Preset& preset);
// The stored preset `name`, or nullopt once a message has said why not.
std::optional<Preset> Load(QWidget* owner, const PresetStore& store, const QString& name);

void Rename(QWidget* owner, const PresetStore& store);
void Delete(QWidget* owner, const PresetStore& store);
// Checks each chosen file whole before storing it.
void Import(QWidget* owner, const PresetStore& store);
void Export(QWidget* owner, const PresetStore& store);

}  // namespace PresetCommands
