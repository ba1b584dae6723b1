#include "app/CommandBars.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/AppIcons.h"
#include "app/CommandTable.h"

CommandBars::CommandBars(QMainWindow* window) : QObject(window) {
  for (const char* menuName : kMenuOrder) {
    QMenu* menu = window->menuBar()->addMenu(menuName);
    for (const CommandEntry& entry : kCommandTable) {
      if (!entry.menu || QString(entry.menu) != menuName) continue;
      QAction* action = MakeAction(entry.id, entry.menuCaption, window);
      if (*entry.shortcut) {
        action->setShortcut(QKeySequence(entry.shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
      }
      menu->addAction(action);
      menuActions_[entry.id] = action;
    }
  }

  toolBar_ = window->addToolBar("Toobar");
  toolBar_->setObjectName("Toobar");
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(32, 32));
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (int id : kToolbarOrder) {
    const CommandEntry* entry = FindCommand(id);
    QAction* action = MakeAction(id, entry->toolbarCaption, toolBar_);
    action->setToolTip(entry->tooltip);
    action->setIcon(AppIcons::Command(id));
    toolBar_->addAction(action);
    toolActions_[id] = action;
  }

  // The context menu shares the menu bar's actions, so captions and shortcut texts match.
  contextMenu_ = new QMenu(window);
  for (int id : kContextMenuOrder) contextMenu_->addAction(menuActions_.at(id));
}

QAction* CommandBars::MakeAction(int id, const QString& caption, QObject* parent) {
  auto* action = new QAction(caption, parent);
  action->setData(id);
  connect(action, &QAction::triggered, this, &CommandBars::onActionTriggered);
  return action;
}

QAction* CommandBars::Action(int id) const {
  if (auto it = menuActions_.find(id); it != menuActions_.end()) return it->second;
  return ToolBarAction(id);
}

QAction* CommandBars::ToolBarAction(int id) const {
  auto it = toolActions_.find(id);
  return it == toolActions_.end() ? nullptr : it->second;
}

void CommandBars::ShowContextMenu(const QPoint& globalPos) { contextMenu_->popup(globalPos); }

void CommandBars::onActionTriggered() {
  if (auto* action = qobject_cast<QAction*>(sender())) emit executed(action->data().toInt());
}
