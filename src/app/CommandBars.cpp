#include "app/CommandBars.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/AppIcons.h"
#include "app/CommandTable.h"

namespace {

// The table's English text in the user's language.
QString Translated(const char* text) { return QCoreApplication::translate("Commands", text); }

// Letters a keyboard types directly; Chinese, Japanese and Korean captions have none.
bool TypedLetter(QChar c) {
  const QChar::Script script = c.script();
  return c.isLetter() && script != QChar::Script_Han && script != QChar::Script_Hiragana &&
         script != QChar::Script_Katakana && script != QChar::Script_Hangul;
}

// The caption with "&" before its first letter that no earlier entry of the same menu
// (or the menu bar) already uses, so every entry can be reached with Alt and a letter.
// A caption without such letters gets one of the English text's in brackets, as those
// desktops write it: "ファイル(&F)".
QString WithMnemonic(const QString& caption, QString& used, const char* english) {
  for (qsizetype i = 0; i < caption.size(); ++i) {
    const QChar c = caption[i].toLower();
    if (!TypedLetter(c) || used.contains(c)) continue;
    used += c;
    return caption.left(i) + "&" + caption.mid(i);
  }
  for (const QChar letter : QString(english)) {
    const QChar c = letter.toLower();
    if (!c.isLetter() || used.contains(c)) continue;
    used += c;
    return caption + "(&" + c.toUpper() + ")";
  }
  return caption;
}

}  // namespace

CommandBars::CommandBars(QMainWindow* window) : QObject(window) {
  QString usedInBar;
  for (const char* menuName : kMenuOrder) {
    QMenu* menu = window->menuBar()->addMenu(WithMnemonic(Translated(menuName), usedInBar, menuName));
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

void CommandBars::ShowContextMenu(const QPoint& globalPos) { context_menu_->popup(globalPos); }

void CommandBars::onActionTriggered() {
  if (auto* action = qobject_cast<QAction*>(sender())) emit executed(action->data().toInt());
}
