#pragma once
// "My Presets": the user's saved presets, listed above the menu's commands (Rename…,
// Delete…, Import…, Export…) and read afresh whenever the menu opens, so it shows
// what the presets folder holds now. Choosing one hands it to the window to apply.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "output/PresetStore.h"

class QAction;
class QMenu;
class QWidget;

class PresetsMenu : public QObject {
  Q_OBJECT
 public:
  using ApplyHandler = std::function<void(const Preset&)>;
  PresetsMenu(QMenu* menu, QWidget* owner, ApplyHandler apply, const PresetStore& store = PresetStore());

  const PresetStore& Store() const { return store_; }
  // The entries listing the presets, in menu order.
  const std::vector<QAction*>& Entries() const { return entries_; }
  // Lists the stored presets again.
  void Refresh();
  // Reads the preset `name` and applies it; a bad file is reported and changes nothing.
  void Apply(const QString& name);

  void Rename();
  void Delete();
  void Import();
  void Export();

 private slots:
  void onEntryTriggered();

 private:
  QMenu* menu_;
  QWidget* owner_;
  ApplyHandler apply_;
  PresetStore store_;
  std::vector<QAction*> entries_;  // the presets and the separator below them
};
