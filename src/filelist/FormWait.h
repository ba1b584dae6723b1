#pragma once
// The small "Please wait..." window shown while files are read. It is not modal, and
// the user cannot close it; the program closes it with CloseByProgram().
#include <QWidget>

class QLabel;

class FormWait : public QWidget {
  Q_OBJECT
 public:
  explicit FormWait(QWidget* owner = nullptr);
  void CloseByProgram();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* label_ = nullptr;
  bool closingByProgram_ = false;
};
