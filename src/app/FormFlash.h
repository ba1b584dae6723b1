#pragma once
// The about window: a picture with the version, closing on a click or after 10 s.
#include <QDialog>
#include <QTimer>

class QLabel;

class FormFlash : public QDialog {
  Q_OBJECT
 public:
  explicit FormFlash(QWidget* owner);
  QLabel* LabelVer() const { return label_ver_; }
  QTimer& Timer1() { return timer1_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
  QLabel* label_ver_ = nullptr;
  QTimer timer1_;
};
