#include "app/PresetsMenu.h"

#include <QAction>
#include <QMenu>

#include "output/PresetCommands.h"

namespace {

// The menu text of a preset: "&" shown as itself, and an Alt letter that the menu's
// other entries do not use yet.
QString EntryText(const QString& name, QString& used) {
  QString text = name;
  text.replace("&", "&&");
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i].toLower();
    if (!c.isLetter() || used.contains(c)) continue;
    used += c;
    return text.left(i) + "&" + text.mid(i);
  }
  return text;
}

}  // namespace

PresetsMenu::PresetsMenu(QMenu* menu, QWidget* owner, ApplyHandler apply, const PresetStore& store)
    : QObject(menu), menu_(menu), owner_(owner), apply_(std::move(apply)), store_(store) {
  connect(menu_, &QMenu::aboutToShow, this, &PresetsMenu::Refresh);
  Refresh();
}

void PresetsMenu::Refresh() {
  for (QAction* entry : entries_)
    delete entry;
  entries_.clear();
  const QList<QAction*> commands = menu_->actions();
  QString used;
  for (QAction* command : commands) {
    const qsizetype amp = command->text().indexOf('&');
    if (amp >= 0) used += command->text().mid(amp + 1, 1).toLower();
  }
  QAction* first = commands.isEmpty() ? nullptr : commands.front();
  const QStringList names = store_.Names();
  for (const QString& name : names) {
    auto* entry = new QAction(EntryText(name, used), menu_);
    entry->setData(name);
    connect(entry, &QAction::triggered, this, &PresetsMenu::onEntryTriggered);
    menu_->insertAction(first, entry);
    entries_.push_back(entry);
  }
  if (!names.isEmpty()) entries_.push_back(menu_->insertSeparator(first));
}

void PresetsMenu::Apply(const QString& name) {
  if (const auto preset = PresetCommands::Load(owner_, store_, name)) apply_(*preset);
}

void PresetsMenu::Rename() { PresetCommands::Rename(owner_, store_); }
void PresetsMenu::Delete() { PresetCommands::Delete(owner_, store_); }
void PresetsMenu::Import() { PresetCommands::Import(owner_, store_); }
void PresetsMenu::Export() { PresetCommands::Export(owner_, store_); }

void PresetsMenu::onEntryTriggered() {
  if (auto* entry = qobject_cast<QAction*>(sender())) Apply(entry->data().toString());
}
