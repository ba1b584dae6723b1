#include "app/FormFlash.h"

#include <QLabel>
#include <QPainter>

#include "common/Helpers.h"
#include "common/ProgramInfo.h"

namespace {
constexpr int kCloseAfterMs = 10000;
constexpr QSize kSize(480, 300);
}  // namespace

FormFlash::FormFlash(QWidget* owner) : QDialog(owner) {
  setFixedSize(kSize);
  background_.load(ResourceFolder() + "about.png");

  label_ver_ = new QLabel(QString("Version ") + ProgramInfo::kVersion, this);
  label_ver_->setObjectName("LabelVer");
  label_ver_->setGeometry(28, 236, 300, 28);
  QFont font = label_ver_->font();
  font.setPointSize(12);
  label_ver_->setFont(font);
  // Load: white label text, title caption, top-most, the self-closing timer, the icon.
  label_ver_->setStyleSheet("color: white; background: transparent;");
  setWindowTitle(ProgramInfo::kTitle);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  timer1_.stop();
  timer1_.setInterval(kCloseAfterMs);
  timer1_.setSingleShot(true);
  connect(&timer1_, &QTimer::timeout, this, &QDialog::accept);
  timer1_.start();
  SetSmallIcon(this);
}

void FormFlash::mousePressEvent(QMouseEvent*) {
  timer1_.stop();
  accept();
}

void FormFlash::paintEvent(QPaintEvent*) {
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
