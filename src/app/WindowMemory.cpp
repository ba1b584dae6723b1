#include "app/WindowMemory.h"

#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QTreeView>

#include "core/StoredValues.h"
#include "filelist/FileList.h"

namespace {

constexpr int kMinColumn = 10;
constexpr int kMaxColumn = 5000;

}  // namespace

WindowMemory::WindowMemory(QMainWindow& window, QTreeView& list, FileList& files)
    : QObject(&window), window_(window), list_(list), files_(files) {
  delay_.setSingleShot(true);
  delay_.setInterval(500);
  connect(&delay_, &QTimer::timeout, this, &WindowMemory::StoreLayout);
  window_.installEventFilter(this);
  connect(list_.header(), &QHeaderView::sectionResized, this, [this] {
    if (!restoring_) delay_.start();
  });
}

void WindowMemory::Restore() {
  restoring_ = true;
  if (const auto geometry = Stored::Find(Setting::WindowGeometry))
    window_.restoreGeometry(*geometry);  // false: kept as is
  if (const auto columns = Stored::Find(Setting::ColumnWidths)) {
    const QStringList widths = columns->split(',');
    QList<int> parsed;
    for (const QString& text : widths) {
      bool ok = false;
      const int width = text.toInt(&ok);
      if (!ok || width < kMinColumn || width > kMaxColumn) break;
      parsed << width;
    }
    // All or nothing: a partly readable list would leave the columns half old, half new.
    if (parsed.size() == list_.header()->count())
      for (int column = 0; column < parsed.size(); ++column)
        list_.setColumnWidth(column, parsed[column]);
  }
  // A folder that is gone since would only send the dialog somewhere else.
  if (const auto folder = Stored::Find(Setting::LastOpenFolder); folder && QFileInfo(*folder).isDir())
    files_.SetLastOpenFolder(*folder);
  restoring_ = false;
}

void WindowMemory::StoreLayout() {
  delay_.stop();
  Stored::Set(Setting::WindowGeometry, window_.saveGeometry());
  QStringList widths;
  for (int column = 0; column < list_.header()->count(); ++column)
    widths << QString::number(list_.columnWidth(column));
  Stored::Set(Setting::ColumnWidths, widths.join(','));
}

void WindowMemory::StoreLastOpenFolder() {
  const QString folder = files_.LastOpenFolder();
  if (!folder.isEmpty() && Stored::Get(Setting::LastOpenFolder) != folder)
    Stored::Set(Setting::LastOpenFolder, folder);
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && !restoring_) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange) delay_.start();
    if (type == QEvent::Close) StoreLayout();
  }
  return QObject::eventFilter(watched, event);
}
