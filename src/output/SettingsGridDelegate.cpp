// The settings grid's editors: line edits, editable suggestion lists and pick lists
// in the value column.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>

#include "output/SettingsGrid.h"
#include "output/SettingsGridRoles.h"

using namespace settingsgrid;

SettingsGridDelegate::SettingsGridDelegate(SettingsGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

const GridItemInfo* SettingsGridDelegate::InfoAt(const QModelIndex& index) const {
  const int item = index.siblingAtColumn(CaptionColumn).data(ItemRole).toInt();
  if (item < 0 || index.column() != ValueColumn) return nullptr;
  return &GridItemInfoFor(static_cast<GridItem>(item));
}

QWidget* SettingsGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
  Q_UNUSED(option);
  const GridItemInfo* info = InfoAt(index);
  if (!info || info->kind == GridItemKind::Check) return nullptr;
  auto* integers = new QRegularExpressionValidator(QRegularExpression("-?[0-9]{0,9}"), parent);

  if (info->kind == GridItemKind::List || !info->entries.isEmpty()) {
    auto* combo = new QComboBox(parent);
    combo->setFrame(false);
    combo->addItems(GridEntriesShown(*info));
    combo->setEditable(info->kind != GridItemKind::List);
    if (combo->isEditable()) {
      // The entries are suggestions: typed text stays exactly as typed (no inline
      // completion, no matching in another letter case, nothing added to the list).
      combo->setCompleter(nullptr);
      combo->setInsertPolicy(QComboBox::NoInsert);
    }
    if (info->kind == GridItemKind::Number)
      combo->lineEdit()->setValidator(integers);
    else
      delete integers;
    connect(combo, &QComboBox::activated, this, &SettingsGridDelegate::onEntryPicked);
    if (combo->lineEdit()) {
      connect(combo->lineEdit(), &QLineEdit::returnPressed, this, &SettingsGridDelegate::onReturnPressed);
    }
    combo->setAccessibleName(index.siblingAtColumn(CaptionColumn).data().toString());
    return combo;
  }
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  edit->setAccessibleName(index.siblingAtColumn(CaptionColumn).data().toString());
  if (info->kind == GridItemKind::Number)
    edit->setValidator(integers);
  else
    delete integers;
  return edit;
}

void SettingsGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    if (combo->isEditable()) {
      combo->setCurrentIndex(combo->findText(text));
      combo->setEditText(text);
    } else {
      combo->setCurrentIndex(combo->findText(text));
    }
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(text);
  }
}

void SettingsGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
  Q_UNUSED(model);
  const GridItemInfo* info = InfoAt(index);
  if (!info) return;
  QString text;
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    text = combo->currentText();
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    text = edit->text();
  }
  grid_->EditValue(info->item, text);
}

QSize SettingsGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(qMax(size.height(), option.fontMetrics.height() + 8));
  return size;
}

void SettingsGridDelegate::onReturnPressed() {
  if (QObject* combo = sender() ? sender()->parent() : nullptr) {
    combo->setProperty(EnterPressedProperty, true);
  }
}

void SettingsGridDelegate::onEntryPicked() {
  // Enter in an editable list also reports a pick, but the view commits that itself;
  // deciding one turn later tells the two apart.
  QPointer<QWidget> editor = qobject_cast<QWidget*>(sender());
  QMetaObject::invokeMethod(
      this, [this, editor] { CommitPicked(editor); }, Qt::QueuedConnection);
}

void SettingsGridDelegate::CommitPicked(QWidget* editor) {
  if (!editor || !editor->isVisible() || editor->property(EnterPressedProperty).toBool()) return;
  emit commitData(editor);
  emit closeEditor(editor);
}
