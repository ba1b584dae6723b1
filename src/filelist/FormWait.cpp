#include "filelist/FormWait.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "common/Helpers.h"

FormWait::FormWait(QWidget* owner) : QWidget(owner, Qt::Dialog) {
  setObjectName("FormWait");
  setWindowTitle("Please wait...");
  setWindowModality(Qt::NonModal);
  setAttribute(Qt::WA_ShowWithoutActivating);
  label_ = new QLabel("Reading files, please wait...", this);
  label_->setObjectName("LabelWait");
  label_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->addWidget(label_);
  setFixedSize(sizeHint().expandedTo(QSize(260, 70)));
}

void FormWait::CloseByProgram() {
  closingByProgram_ = true;
  close();
  closingByProgram_ = false;
}

void FormWait::showEvent(QShowEvent* event) {
  SetSmallIcon(this);
  if (QWidget* owner = parentWidget()) {
    const QRect area = owner->window()->frameGeometry();
    move(area.center() - rect().center());
  }
  QWidget::showEvent(event);
}

void FormWait::closeEvent(QCloseEvent* event) {
  if (closingByProgram_) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FormWait::keyPressEvent(QKeyEvent* event) {
  // Escape would otherwise be the user's way to close a dialog-like window.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}
