#pragma once
// Menu bar, toolbar and the list's context menu, built from the command table.
// Every QAction carries its command id; `executed` reports the id of whatever the
// user chose, from any of the three.
#include <QObject>
#include <QPoint>
#include <QString>
#include <map>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

class CommandBars : public QObject {
  Q_OBJECT
 public:
  explicit CommandBars(QMainWindow* window);

  QMenu* ContextMenu() const { return context_menu_; }
  QToolBar* ToolBar() const { return tool_bar_; }
  // The menu-bar menu of that name in the table ("My Presets"), or nullptr.
  QMenu* Menu(const QString& name) const;
  // The menu-bar action of a command (the toolbar's when it has no menu entry).
  QAction* Action(int id) const;
  QAction* ToolBarAction(int id) const;
  void ShowContextMenu(const QPoint& globalPos);

 signals:
  void executed(int id);

 private slots:
  void onActionTriggered();

 private:
  QAction* MakeAction(int id, const QString& caption, QObject* parent);

  QMenu* context_menu_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  std::map<int, QAction*> menu_actions_;
  std::map<int, QAction*> tool_actions_;
  std::map<QString, QMenu*> menus_;
};
