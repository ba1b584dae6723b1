#pragma once
// The advanced settings grid: three categories of typed items on a tree, a value
// column edited in place, and a description pane for the selected item.
#include <QStyledItemDelegate>
#include <QWidget>
#include <array>
#include <vector>

#include "output/GridItems.h"
#include "output/OutputSettings.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class SettingsGrid : public QWidget {
  Q_OBJECT
 public:
  explicit SettingsGrid(QWidget* parent = nullptr);

  // Creates the categories and items with their initial values. Runs once.
  void BuildSettingsGrid();

  QString Text(GridItem item) const;
  void SetText(GridItem item, const QString& text);
  bool Checked(GridItem item) const;
  void SetChecked(GridItem item, bool checked);
  int ListData(GridItem item) const;  // "Channels": 0 "Auto", 1, 2
  void SetListData(GridItem item, int data);

  bool IsItemHidden(GridItem item) const;
  void SetItemHidden(GridItem item, bool hidden);
  bool IsCategoryHidden(GridCategory category) const;
  void SetCategoryHidden(GridCategory category, bool hidden);
  bool IsItemReadOnly(GridItem item) const;
  void SetItemReadOnly(GridItem item, bool readOnly);

  // The values as a record (crop and rotate as integers, text settings normalised),
  // and writing a record into the items.
  GridValues Values() const;
  void SetValues(const GridValues& values);
  // The chosen format's constant quality scale (nullptr: none): the quality items are
  // read-only without one, and "Constant Quality" describes and keeps to it.
  void SetQualityScale(const QualityScale* scale);

  // A value typed or picked by the user: stores it and runs OnGridValueChanged, as an
  // edit in the grid does. Returns false for a read-only or hidden item.
  bool EditValue(GridItem item, const QString& text);
  bool EditChecked(GridItem item, bool checked);

  // The clean-up after a user edit of `item` (switches, trimming, ranges, and the
  // check of all five text settings).
  void OnGridValueChanged(GridItem item);

  QTreeWidget* Tree() const { return tree_; }
  QTreeWidgetItem* TreeItem(GridItem item) const { return items_[static_cast<int>(item)]; }
  QString DescriptionText() const;
  // The note about the last edit when it replaced the typed value, else "".
  QString Note() const { return note_; }
  // The grid item shown on a tree row, or -1 for a category row.
  int ItemOf(const QTreeWidgetItem* row) const;

 signals:
  void valueChanged(GridItem item);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void onItemChanged(QTreeWidgetItem* row, int column);
  void onCurrentItemChanged(QTreeWidgetItem* current);
  void onItemClicked(QTreeWidgetItem* row, int column);

 private:
  void SetCropSwitch(bool on);
  void DropHiddenCurrent();
  void ShowNote(const QString& note);

  QTreeWidget* tree_ = nullptr;
  QLabel* description_ = nullptr;
  QLabel* note_label_ = nullptr;
  QString note_;
  std::vector<QTreeWidgetItem*> items_ = std::vector<QTreeWidgetItem*>(GridItemTable().size());  // by item
  // An item's description for the chosen format, else "".
  std::vector<QString> descriptions_ = std::vector<QString>(GridItemTable().size());
  const QualityScale* quality_scale_ = nullptr;
  std::array<QTreeWidgetItem*, 4> categories_{};
  bool built_ = false;
  int updating_ = 0;  // > 0 while code writes values: no change notifications
};

// Editors for the value column: line edits, editable suggestion lists, pick lists.
class SettingsGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit SettingsGridDelegate(SettingsGrid* grid);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private slots:
  void onEntryPicked();
  void onReturnPressed();

 private:
  const GridItemInfo* InfoAt(const QModelIndex& index) const;
  void CommitPicked(QWidget* editor);
  SettingsGrid* grid_;
};
