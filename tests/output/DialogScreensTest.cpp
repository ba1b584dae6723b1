// The output settings dialog on the screens it must fit (run once per screen, see
// CMakeLists.txt), with the program's skin applied as the program applies it.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "core/Translations.h"
#include "output/OutputSettingsDialog.h"

namespace {

class ScreenTest : public testing::Test {
 protected:
  void SetUp() override {
    QFile skin(VELTRANE_SKIN_FILE);
    ASSERT_TRUE(skin.open(QIODevice::ReadOnly | QIODevice::Text));
    qApp->setStyleSheet(QString::fromUtf8(skin.readAll()));
  }
  void TearDown() override { qApp->setStyleSheet({}); }
};

QString Describe(const QRect& r) {
  return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Every shown control of the dialog gets at least the room it asks for.
void ExpectNothingSqueezed(const OutputSettingsDialog& dlg) {
  for (QWidget* w : dlg.findChildren<QWidget*>()) {
    if (!w->isVisible() || w->objectName().isEmpty()) continue;
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QLineEdit*>(w) &&
        !qobject_cast<QPushButton*>(w))
      continue;
    const QSize need = w->minimumSizeHint();
    EXPECT_GE(w->width(), need.width()) << w->objectName().toStdString();
    EXPECT_GE(w->height(), need.height()) << w->objectName().toStdString();
  }
}

}  // namespace

TEST_F(ScreenTest, FitsTheFreeAreaCollapsedAndExpandedWhereverItOpens) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  SCOPED_TRACE(Describe(area).toStdString());
  // A main window that fills the screen, and a small one at the right edge.
  for (const QRect& ownerPlace :
       {area.adjusted(10, 10, -10, -10), QRect(area.right() - 430, area.top() + 60, 420, 300)}) {
    QWidget owner;
    owner.setGeometry(ownerPlace);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    OutputSettingsDialog dlg(&owner);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    auto* more = dlg.findChild<QPushButton*>("BtnMore");
    for (const char* state : {"collapsed", "expanded", "collapsed again"}) {
      SCOPED_TRACE(state);
      EXPECT_TRUE(area.contains(dlg.frameGeometry())) << Describe(dlg.frameGeometry()).toStdString();
      // Room is left for a title bar and a desktop panel.
      EXPECT_LE(dlg.frameGeometry().height() + 80, area.height());
      ExpectNothingSqueezed(dlg);
      QTest::mouseClick(more, Qt::LeftButton);
    }
    EXPECT_TRUE(dlg.MoreExpanded());
    EXPECT_EQ(dlg.width(), OutputSettingsDialog::ExpandedWidth);
  }
}

// Translated captions are longer than the English ones: every language gets its room too.
TEST_F(ScreenTest, EveryShippedLanguageFits) {
  for (const char* name : {"de_DE", "fr_FR", "es_ES", "pt_BR", "zh_CN", "ja_JP"}) {
    SCOPED_TRACE(name);
    const Translations translation{QLocale(name)};
    ASSERT_TRUE(translation.Loaded());
    QWidget owner;
    OutputSettingsDialog dlg(&owner);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    ExpectNothingSqueezed(dlg);
    QTest::mouseClick(dlg.findChild<QPushButton*>("BtnMore"), Qt::LeftButton);
    ExpectNothingSqueezed(dlg);
  }
}

TEST_F(ScreenTest, DisabledSizeBoxesLookDisabled) {
  OutputSettingsDialog dlg(nullptr);
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  auto* box = dlg.findChild<QLineEdit*>("TextW");
  ASSERT_FALSE(box->isEnabled());  // "Auto" size, as for every audio profile
  const QPoint middle(box->width() / 2, box->height() / 2);
  const QColor disabled = box->grab().toImage().pixelColor(middle);
  box->setEnabled(true);
  const QColor enabled = box->grab().toImage().pixelColor(middle);
  EXPECT_NE(disabled, enabled) << disabled.name().toStdString();
  // The same holds for the lists that a profile switches off.
  auto* size = dlg.findChild<QComboBox*>("ComboSize");
  const QPoint inside(size->width() / 2, size->height() / 2);
  const QColor sizeEnabled = size->grab().toImage().pixelColor(inside);
  size->setEnabled(false);
  EXPECT_NE(size->grab().toImage().pixelColor(inside), sizeEnabled);
}

// The highlighted entry of a drop-down list keeps its text readable on every skin.
TEST_F(ScreenTest, HighlightedEntryOfADropDownListIsReadable) {
  QComboBox combo;
  combo.addItems({"First entry", "WWWWWWWW MMMMMMMM", "Third"});
  combo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
  combo.showPopup();
  QAbstractItemView* view = combo.view();
  const QModelIndex entry = view->model()->index(1, 0);
  view->setCurrentIndex(entry);
  view->selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
  const QRect row = view->visualRect(entry);
  const QImage image = view->viewport()->grab(row).toImage();
  const QColor back = image.pixelColor(row.width() - 2, row.height() / 2);  // right of the text
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (std::abs(image.pixelColor(x, y).lightness() - back.lightness()) > 90) ++inked;
  EXPECT_GT(inked, 30) << "background " << back.name().toStdString();
  combo.hidePopup();
}
