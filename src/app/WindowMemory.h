#pragma once
// Remembers the main window between runs: its geometry, the list's column widths and
// the folder the Add dialogs open in. Restored once at start; stored shortly after each
// change, so even leaving through Exit (which skips the closing steps) keeps them.
#include <QObject>
#include <QTimer>

class FileList;
class QMainWindow;
class QTreeView;

class WindowMemory : public QObject {
  Q_OBJECT
 public:
  WindowMemory(QMainWindow& window, QTreeView& list, FileList& files);

  // Puts the stored values in place; anything unreadable keeps the window's default.
  void Restore();
  // Stores geometry and column widths now (also what the pending timer would do).
  void StoreLayout();
  // Stores the Add dialogs' folder when it changed.
  void StoreLastOpenFolder();

  // The delay between a move, resize or column drag and storing it.
  void SetStoreDelay(int ms) { delay_.setInterval(ms); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMainWindow& window_;
  QTreeView& list_;
  FileList& files_;
  QTimer delay_;
  bool restoring_ = false;
};
