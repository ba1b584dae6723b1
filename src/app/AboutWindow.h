#pragma once
// The about window: a picture with the version, closing on a click or after 10 s.
#include <QDialog>
#include <QTimer>

class QLabel;

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* owner);
  QLabel* VersionLabel() const { return version_label_; }
  QTimer& CloseTimer() { return close_timer_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
  QLabel* version_label_ = nullptr;
  QTimer close_timer_;
};
