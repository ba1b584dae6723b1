#include "app/AboutWindow.h"

#include <QLabel>
#include <QPainter>

#include "core/Helpers.h"
#include "core/ProgramInfo.h"
#include "desktop/WindowHelpers.h"

namespace {
constexpr int kCloseAfterMs = 10000;
constexpr QSize kSize(480, 300);
}  // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner) {
  setFixedSize(kSize);
  background_.load(ResourceFolder() + "about.png");

  version_label_ = new QLabel(tr("Version %1").arg(ProgramInfo::kVersion), this);
  version_label_->setObjectName("LabelVer");
  version_label_->setGeometry(28, 236, 300, 28);
  QFont font = version_label_->font();
  font.setPointSize(12);
  version_label_->setFont(font);
  // Load: white label text, title caption, top-most, the self-closing timer, the icon.
  version_label_->setStyleSheet("color: white; background: transparent;");
  setWindowTitle(ProgramInfo::kTitle);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  close_timer_.stop();
  close_timer_.setInterval(kCloseAfterMs);
  close_timer_.setSingleShot(true);
  connect(&close_timer_, &QTimer::timeout, this, &QDialog::accept);
  close_timer_.start();
  SetSmallIcon(this);
  setAccessibleDescription(version_label_->text());
}

void AboutWindow::mousePressEvent(QMouseEvent*) {
  close_timer_.stop();
  accept();
}

void AboutWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!background_.isNull()) {
    p.drawPixmap(rect(), background_);
    return;
  }
  // Without the picture file, a plain gradient with the title keeps the window presentable.
  QLinearGradient g(0, 0, width(), height());
  g.setColorAt(0, QColor(0x1f, 0x3b, 0x5c));
  g.setColorAt(1, QColor(0x0e, 0x1a, 0x2b));
  p.fillRect(rect(), g);
  p.setPen(Qt::white);
  QFont f = font();
  f.setPointSize(20);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(28, 90, width() - 56, 60), Qt::AlignLeft | Qt::AlignVCenter, ProgramInfo::kTitle);
}
