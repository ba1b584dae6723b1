#include "app/CommandBars.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/AppIcons.h"
#include "app/CommandTable.h"
#include "desktop/KeyboardAccess.h"

namespace {

// The table's English text in the user's language.
QString Translated(const char* text) { return QCoreApplication::translate("Commands", text); }

}  // namespace

CommandBars::CommandBars(QMainWindow* window) : QObject(window) {
  QString usedInBar;
  for (const char* menuName : kMenuOrder) {
    QMenu* menu = window->menuBar()->addMenu(WithMnemonic(Translated(menuName), usedInBar, menuName));
    menus_[menuName] = menu;
    QString usedInMenu;
    for (const CommandEntry& entry : kCommandTable) {
      if (!entry.menu || QString(entry.menu) != menuName) continue;
      QAction* action = MakeAction(
          entry.id, WithMnemonic(Translated(entry.menuCaption), usedInMenu, entry.menuCaption), window);
      if (*entry.shortcut) {
        action->setShortcut(QKeySequence(entry.shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
      }
      menu->addAction(action);
      menu_actions_[entry.id] = action;
    }
  }
  // Ctrl+Q is how most programs quit; the old Ctrl+E stays.
  menu_actions_.at(Commands::Exit)
      ->setShortcuts(
          {QKeySequence(FindCommand(Commands::Exit)->shortcut), QKeySequence(Qt::CTRL | Qt::Key_Q)});

  //: The toolbar's title, shown where the window lists its bars.
  tool_bar_ = window->addToolBar(tr("Toobar"));
  tool_bar_->setObjectName("Toobar");
  tool_bar_->setAccessibleName(tr("Toolbar"));
  // The button that shows the commands a narrow window has no room for.
  if (auto* more = tool_bar_->findChild<QToolButton*>("qt_toolbar_ext_button"))
    more->setAccessibleName(tr("More commands"));
  tool_bar_->setMovable(false);
  tool_bar_->setIconSize(QSize(32, 32));
  tool_bar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (int id : kToolbarOrder) {
    const CommandEntry* entry = FindCommand(id);
    QAction* action = MakeAction(id, Translated(entry->toolbarCaption), tool_bar_);
    action->setToolTip(Translated(entry->tooltip));
    action->setIcon(AppIcons::Command(id));
    if (!entry->menu && *entry->shortcut) {  // commands found only here
      action->setShortcut(QKeySequence(entry->shortcut));
      action->setShortcutContext(Qt::WindowShortcut);
    }
    tool_bar_->addAction(action);
    tool_actions_[id] = action;
  }

  // The context menu shares the menu bar's actions, so captions and shortcut texts match.
  context_menu_ = new QMenu(window);
  for (int id : kContextMenuOrder)
    context_menu_->addAction(menu_actions_.at(id));
}

QAction* CommandBars::MakeAction(int id, const QString& caption, QObject* parent) {
  auto* action = new QAction(caption, parent);
  action->setData(id);
  connect(action, &QAction::triggered, this, &CommandBars::onActionTriggered);
  return action;
}

QAction* CommandBars::Action(int id) const {
  if (auto it = menu_actions_.find(id); it != menu_actions_.end()) return it->second;
  return ToolBarAction(id);
}

QAction* CommandBars::ToolBarAction(int id) const {
  auto it = tool_actions_.find(id);
  return it == tool_actions_.end() ? nullptr : it->second;
}

QMenu* CommandBars::Menu(const QString& name) const {
  const auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second;
}

void CommandBars::ShowContextMenu(const QPoint& globalPos) { context_menu_->popup(globalPos); }

void CommandBars::onActionTriggered() {
  if (auto* action = qobject_cast<QAction*>(sender())) emit executed(action->data().toInt());
}
