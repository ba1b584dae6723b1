#pragma once
// A small frameless notice that appears at the bottom right of the screen for a few
// seconds. It is built from items (rectangle, text, colour, icon, id); a click on an
// item with an id reports that id.
#include <QColor>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

class QTimer;
class QPropertyAnimation;

class CompletionNotice : public QWidget {
  Q_OBJECT

 public:
  struct Item {
    QRect rect;  // in pixels of the notice
    QString text;
    int id = 0;        // 0: not clickable
    QColor backColor;  // invalid: transparent
    int textFlags = Qt::AlignLeft | Qt::AlignVCenter;
    bool bold = false;
    bool hyperlink = false;  // underlined while the pointer is over it
    QIcon icon;
  };

  explicit CompletionNotice(QWidget* parent = nullptr);

  // Adds an item on top of the earlier ones; returns its index.
  int AddItem(const QRect& rect, const QString& text, int id = 0);
  Item& ItemAt(int index) { return items_.at(static_cast<size_t>(index)); }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  void RemoveAllItems();

  void SetPopupSize(const QSize& size) { popup_size_ = size; }
  void SetAnimateDelay(int ms) { animate_ms_ = ms; }
  void SetShowDelay(int ms) { show_ms_ = ms; }
  int ShowDelay() const { return show_ms_; }

  // Places the notice at the bottom right of the screen and shows it; it closes
  // itself after the show delay unless the pointer rests on it.
  void ShowNotice();
  void CloseNotice();

  // Id of the topmost clickable item at `pos`, 0 when there is none.
  int ItemIdAt(const QPoint& pos) const;

 signals:
  void itemClicked(int id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void PaintItem(QPainter& painter, const Item& item, bool hovered) const;
  // Puts the items' texts where assistive tools read them.
  void ExposeText();

  std::vector<Item> items_;
  QSize popup_size_{220, 70};
  int animate_ms_ = 256;
  int show_ms_ = 5000;
  int hovered_id_ = 0;
  QTimer* hide_timer_;
  QPropertyAnimation* fade_;
};

// Builds the end-of-conversion notice (title, message, close button) and shows it.
// `closeIcon` draws the close button; a plain cross is drawn when it is null.
// `message` says how the run ended.
void ShowCompletionNotice(CompletionNotice& notice, const QIcon& closeIcon = QIcon(),
                          const QString& message = "Convert Finished. Click here to open the output folder");

// The main window's answer to a notice click: id 3 closes the notice and opens the
// output folder, ids 1 and 2 close it.
void HandleCompletionNoticeClick(CompletionNotice& notice, int id, const QString& outputFolder);
