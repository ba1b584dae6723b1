// Builds the profile menu from the catalogue.
#include "output/FormatMenu.h"

#include <QAction>
#include <QMenu>

#include "output/OutputCatalogue.h"

namespace {

// Fills `menu` with the catalogue entries of submenu `name`, in catalogue order.
void AddEntries(QMenu* menu, const QString& name) {
  menu->setObjectName(name);
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    if (name != QLatin1String(entry.menu)) continue;
    // "&" would be taken as a mnemonic marker.
    QString text = ProfileCaptionShown(QString::fromUtf8(entry.caption));
    text.replace('&', "&&");
    QAction* action = menu->addAction(text);
    action->setData(entry.id);
  }
}

}  // namespace

QMenu* BuildFormatMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName("FormatMenu");
  AddEntries(menu->addMenu(ProfileCaptionShown(AudioFormatMenu)), AudioFormatMenu);
  AddEntries(menu->addMenu(ProfileCaptionShown(VideoFormatMenu)), VideoFormatMenu);
  QMenu* devices = menu->addMenu(ProfileCaptionShown(DeviceMenu));
  devices->setObjectName(DeviceMenu);
  for (const QString& name : DeviceMenuNames())
    AddEntries(devices->addMenu(ProfileCaptionShown(name)), name);
  AddEntries(menu->addMenu(ProfileCaptionShown(ModernMenu)), ModernMenu);
  return menu;
}
