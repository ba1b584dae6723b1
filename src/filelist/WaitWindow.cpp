#include "filelist/WaitWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Helpers.h"
#include "desktop/WindowHelpers.h"

WaitWindow::WaitWindow(QWidget* owner) : QWidget(owner, Qt::Dialog) {
  setObjectName("FormWait");
  setWindowTitle(tr("Please wait..."));
  setWindowModality(Qt::NonModal);
  setAttribute(Qt::WA_ShowWithoutActivating);
  label_ = new QLabel(tr("Reading files, please wait..."), this);
  label_->setObjectName("LabelWait");
  label_->setAlignment(Qt::AlignCenter);
  count_ = new QLabel(this);
  count_->setObjectName("LabelCount");
  count_->setAlignment(Qt::AlignCenter);
  count_->hide();
  cancel_ = new QPushButton(tr("&Cancel"), this);
  cancel_->setObjectName("BtnCancel");
  cancel_->hide();
  connect(cancel_, &QPushButton::clicked, this, &WaitWindow::RequestCancel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->addWidget(label_);
  layout->addWidget(count_);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  FitSize();
}

void WaitWindow::FitSize() {
  // Wide enough for long counts, so the window does not jump while they grow.
  const int width = count_->isHidden() ? 260 : 320;
  setFixedSize(sizeHint().expandedTo(QSize(width, 70)));
}

void WaitWindow::SetCountText(const QString& text) {
  count_->setText(text);
  if (count_->isHidden()) {
    count_->show();
    FitSize();
  }
}

void WaitWindow::ShowCancel() {
  if (!cancel_->isHidden()) return;
  cancel_->show();
  cancel_->setFocus();
  FitSize();
}

void WaitWindow::RequestCancel() {
  if (cancel_->isHidden()) return;
  cancel_->setEnabled(false);  // one answer is enough; the window closes when adding stops
  cancel_requested_ = true;
  emit cancelRequested();
}

void WaitWindow::CloseByProgram() {
  closing_by_program_ = true;
  close();
  closing_by_program_ = false;
}

void WaitWindow::showEvent(QShowEvent* event) {
  SetSmallIcon(this);
  // Centred on its owner; where windows cannot be placed, the window system does that.
  if (QWidget* owner = parentWidget(); owner && CanPlaceWindows()) {
    const QRect area = owner->window()->frameGeometry();
    move(area.center() - rect().center());
  }
  QWidget::showEvent(event);
}

void WaitWindow::closeEvent(QCloseEvent* event) {
  if (closing_by_program_) {
    event->accept();
  } else {
    event->ignore();
    RequestCancel();
  }
}

void WaitWindow::keyPressEvent(QKeyEvent* event) {
  // Escape would otherwise be the user's way to close a dialog-like window.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    RequestCancel();
    return;
  }
  QWidget::keyPressEvent(event);
}
