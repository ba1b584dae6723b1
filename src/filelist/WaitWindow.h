#pragma once
// The small "Please wait..." window shown while files are read. It is not modal, and
// the user cannot close it; the program closes it with CloseByProgram(). While a
// folder is added it also shows a count and a Cancel button.
#include <QWidget>

class QLabel;
class QPushButton;

class WaitWindow : public QWidget {
  Q_OBJECT
 public:
  explicit WaitWindow(QWidget* owner = nullptr);
  void CloseByProgram();

  // A second line under the text, e.g. the number of files found so far.
  void SetCountText(const QString& text);
  // Shows the Cancel button. From then on Cancel, Escape and the close box all ask to
  // cancel (the window still stays until the program closes it).
  void ShowCancel();
  bool CancelRequested() const { return cancel_requested_; }
  QPushButton* CancelButton() const { return cancel_; }
  QLabel* CountLabel() const { return count_; }

 signals:
  void cancelRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RequestCancel();
  void FitSize();

  QLabel* label_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool closing_by_program_ = false;
  bool cancel_requested_ = false;
};
