// The advanced settings grid on a QTreeWidget.
#include "output/SettingsGrid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string_view>

#include "output/SettingsGridRoles.h"

using namespace settingsgrid;

namespace {

bool IsTextKind(GridItemKind kind) { return kind == GridItemKind::Text || kind == GridItemKind::Number; }

// Greys a read-only row so it reads as fixed.
void ShowReadOnly(QTreeWidgetItem* row, bool readOnly, const QPalette& palette) {
  const QPalette::ColorGroup group = readOnly ? QPalette::Disabled : QPalette::Active;
  row->setForeground(ValueColumn, palette.brush(group, QPalette::Text));
}

// A typed value keeps the word "Auto" as its value; the grid shows it in the user's language.
QString ShownValue(const QString& value) {
  return value == "Auto" ? QCoreApplication::translate("GridItems", "Auto") : value;
}
QString ValueOf(const QString& shown) {
  return shown == QCoreApplication::translate("GridItems", "Auto") ? QString("Auto") : shown;
}

}  // namespace

SettingsGrid::SettingsGrid(QWidget* parent) : QWidget(parent) {
  tree_ = new QTreeWidget(this);
  tree_->setObjectName("GridTree");
  tree_->setColumnCount(2);
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->setIndentation(14);
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(false);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->setItemDelegate(new SettingsGridDelegate(this));
  tree_->header()->setStretchLastSection(true);

  description_ = new QLabel(this);
  description_->setObjectName("GridDescription");
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  description_->setFrameShape(QFrame::StyledPanel);
  description_->setMargin(4);
  description_->setMinimumHeight(56);
  description_->setTextFormat(Qt::RichText);

  note_label_ = new QLabel(this);
  note_label_->setObjectName("GridNote");
  note_label_->setWordWrap(true);
  note_label_->setTextFormat(Qt::PlainText);
  note_label_->setStyleSheet("color: #b03a00;");
  note_label_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  layout->addWidget(tree_, 1);
  layout->addWidget(description_);
  layout->addWidget(note_label_);

  connect(tree_, &QTreeWidget::itemChanged, this, &SettingsGrid::onItemChanged);
  connect(tree_, &QTreeWidget::currentItemChanged, this, &SettingsGrid::onCurrentItemChanged);
  connect(tree_, &QTreeWidget::itemClicked, this, &SettingsGrid::onItemClicked);
  tree_->installEventFilter(this);
  tree_->setAccessibleName(tr("Advanced settings"));
  tree_->setAccessibleDescription(tr("F2 edits the selected value; Space switches a yes-or-no value"));
  description_->setAccessibleName(tr("Description"));
}

void SettingsGrid::BuildSettingsGrid() {
  if (built_) return;
  built_ = true;
  ++updating_;
  for (GridCategory category :
       {GridCategory::OutputFile, GridCategory::Video, GridCategory::Audio, GridCategory::Subtitle}) {
    auto* row = new QTreeWidgetItem(tree_, {GridCategoryCaption(category)});
    row->setData(CaptionColumn, ItemRole, -1);
    row->setFlags(Qt::ItemIsEnabled);
    row->setFirstColumnSpanned(true);
    QFont font = row->font(CaptionColumn);
    font.setBold(true);
    row->setFont(CaptionColumn, font);
    categories_[static_cast<int>(category)] = row;
  }
  QTreeWidgetItem* cropRow = nullptr;
  for (const GridItemInfo& info : GridItemTable()) {
    QTreeWidgetItem* parent = info.cropChild ? cropRow : categories_[static_cast<int>(info.category)];
    auto* row = new QTreeWidgetItem(parent, {GridItemCaption(info)});
    row->setData(CaptionColumn, ItemRole, static_cast<int>(info.item));
    if (info.kind == GridItemKind::Check) {
      row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      row->setCheckState(ValueColumn, std::string_view(info.initial) == "True" ? Qt::Checked : Qt::Unchecked);
      // The box has no text of its own: screen readers name it by its caption.
      row->setData(ValueColumn, Qt::AccessibleTextRole, row->text(CaptionColumn));
    } else {
      row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
      row->setText(ValueColumn, info.kind == GridItemKind::List
                                    ? GridEntriesShown(info).value(0)
                                    : ShownValue(QString::fromUtf8(info.initial)));
      if (info.kind == GridItemKind::List) row->setData(ValueColumn, ListDataRole, 0);
    }
    items_[static_cast<int>(info.item)] = row;
    if (info.item == GridItem::Crop) cropRow = row;
    if (info.readOnly) SetItemReadOnly(info.item, true);
  }
  tree_->expandAll();
  tree_->resizeColumnToContents(CaptionColumn);
  tree_->header()->resizeSection(CaptionColumn, tree_->header()->sectionSize(CaptionColumn) + 12);
  if (cropRow) cropRow->setExpanded(false);
  --updating_;
  SetQualityScale(QualityScaleFor(OutputSettings().outputFormatKey));
  tree_->setCurrentItem(TreeItem(GridItem::VideoBitrate));
}

QString SettingsGrid::Text(GridItem item) const {
  const QTreeWidgetItem* row = TreeItem(item);
  return row ? ValueOf(row->text(ValueColumn)) : QString();
}

void SettingsGrid::SetText(GridItem item, const QString& text) {
  QTreeWidgetItem* row = TreeItem(item);
  if (!row || !IsTextKind(GridItemInfoFor(item).kind)) return;
  ++updating_;
  row->setText(ValueColumn, ShownValue(text));
  --updating_;
}

bool SettingsGrid::Checked(GridItem item) const {
  const QTreeWidgetItem* row = TreeItem(item);
  return row && row->checkState(ValueColumn) == Qt::Checked;
}

void SettingsGrid::SetChecked(GridItem item, bool checked) {
  QTreeWidgetItem* row = TreeItem(item);
  if (!row || GridItemInfoFor(item).kind != GridItemKind::Check) return;
  ++updating_;
  row->setCheckState(ValueColumn, checked ? Qt::Checked : Qt::Unchecked);
  --updating_;
}

int SettingsGrid::ListData(GridItem item) const {
  const QTreeWidgetItem* row = TreeItem(item);
  return row ? row->data(ValueColumn, ListDataRole).toInt() : 0;
}

void SettingsGrid::SetListData(GridItem item, int data) {
  QTreeWidgetItem* row = TreeItem(item);
  const GridItemInfo& info = GridItemInfoFor(item);
  if (!row || info.kind != GridItemKind::List) return;
  if (data < 0 || data >= info.entries.size()) return;
  ++updating_;
  row->setData(ValueColumn, ListDataRole, data);
  row->setText(ValueColumn, GridEntriesShown(info)[data]);
  --updating_;
}

bool SettingsGrid::IsItemHidden(GridItem item) const {
  const QTreeWidgetItem* row = TreeItem(item);
  return !row || row->isHidden();
}

void SettingsGrid::SetItemHidden(GridItem item, bool hidden) {
  if (QTreeWidgetItem* row = TreeItem(item)) row->setHidden(hidden);
  DropHiddenCurrent();
}

bool SettingsGrid::IsCategoryHidden(GridCategory category) const {
  const QTreeWidgetItem* row = categories_[static_cast<int>(category)];
  return !row || row->isHidden();
}

void SettingsGrid::SetCategoryHidden(GridCategory category, bool hidden) {
  if (QTreeWidgetItem* row = categories_[static_cast<int>(category)]) row->setHidden(hidden);
  DropHiddenCurrent();
}

void SettingsGrid::DropHiddenCurrent() {
  // A hidden row must not stay selected with its description showing.
  for (QTreeWidgetItem* row = tree_->currentItem(); row; row = row->parent()) {
    if (row->isHidden()) {
      tree_->setCurrentItem(nullptr);
      return;
    }
  }
}

bool SettingsGrid::IsItemReadOnly(GridItem item) const {
  const QTreeWidgetItem* row = TreeItem(item);
  if (!row) return true;
  if (GridItemInfoFor(item).kind == GridItemKind::Check) {
    return !(row->flags() & Qt::ItemIsUserCheckable);
  }
  return !(row->flags() & Qt::ItemIsEditable);
}

void SettingsGrid::SetItemReadOnly(GridItem item, bool readOnly) {
  QTreeWidgetItem* row = TreeItem(item);
  if (!row) return;
  const Qt::ItemFlag flag =
      GridItemInfoFor(item).kind == GridItemKind::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
  ++updating_;
  row->setFlags(readOnly ? row->flags() & ~flag : row->flags() | flag);
  ShowReadOnly(row, readOnly, palette());
  --updating_;
}

GridValues SettingsGrid::Values() const {
  GridValues values;
  values.fileExtension = Text(GridItem::FileExtension);
  values.videoBitrate = Text(GridItem::VideoBitrate);
  values.frameRate = Text(GridItem::FrameRate);
  values.aspect = Text(GridItem::Aspect);
  values.crop = Checked(GridItem::Crop);
  values.cropTop = GridIntegerValue(Text(GridItem::CropTop));
  values.cropBottom = GridIntegerValue(Text(GridItem::CropBottom));
  values.cropLeft = GridIntegerValue(Text(GridItem::CropLeft));
  values.cropRight = GridIntegerValue(Text(GridItem::CropRight));
  values.verticalFlip = Checked(GridItem::VerticalFlip);
  values.horizontalFlip = Checked(GridItem::HorizontalFlip);
  values.rotate = GridIntegerValue(Text(GridItem::Rotate));
  values.audioBitrate = Text(GridItem::AudioBitrate);
  values.sampleRate = Text(GridItem::SampleRate);
  values.channels = ListData(GridItem::Channels);
  values.removeAudio = Checked(GridItem::RemoveAudio);
  values.keepFileDate = Checked(GridItem::KeepFileDate);
  values.upscale = ListData(GridItem::Upscale);
  values.audioTracks = ListData(GridItem::AudioTracks);
  values.subtitles = ListData(GridItem::Subtitles);
  values.qualityMode = ListData(GridItem::QualityMode);
  values.constantQuality = GridIntegerValue(Text(GridItem::ConstantQuality));
  values.deinterlace = ListData(GridItem::Deinterlace);
  values.startTime = Text(GridItem::StartTime).trimmed();
  values.duration = Text(GridItem::Duration).trimmed();
  NormaliseGridValues(values);
  return values;
}

void SettingsGrid::SetValues(const GridValues& values) {
  SetText(GridItem::FileExtension, values.fileExtension);
  SetText(GridItem::VideoBitrate, values.videoBitrate);
  SetText(GridItem::FrameRate, values.frameRate);
  SetText(GridItem::Aspect, values.aspect);
  SetChecked(GridItem::Crop, values.crop);
  SetText(GridItem::CropTop, QString::number(values.cropTop));
  SetText(GridItem::CropBottom, QString::number(values.cropBottom));
  SetText(GridItem::CropLeft, QString::number(values.cropLeft));
  SetText(GridItem::CropRight, QString::number(values.cropRight));
  SetChecked(GridItem::VerticalFlip, values.verticalFlip);
  SetChecked(GridItem::HorizontalFlip, values.horizontalFlip);
  SetText(GridItem::Rotate, QString::number(values.rotate));
  SetText(GridItem::AudioBitrate, values.audioBitrate);
  SetText(GridItem::SampleRate, values.sampleRate);
  SetListData(GridItem::Channels, values.channels);
  SetChecked(GridItem::RemoveAudio, values.removeAudio);
  SetChecked(GridItem::KeepFileDate, values.keepFileDate);
  SetListData(GridItem::Upscale, values.upscale);
  SetListData(GridItem::AudioTracks, values.audioTracks);
  SetListData(GridItem::Subtitles, values.subtitles);
  SetText(GridItem::StartTime, values.startTime);
  SetText(GridItem::Duration, values.duration);
  SetListData(GridItem::QualityMode, values.qualityMode);
  SetText(GridItem::ConstantQuality, QString::number(values.constantQuality));
  SetListData(GridItem::Deinterlace, values.deinterlace);
}

void SettingsGrid::SetQualityScale(const QualityScale* scale) {
  quality_scale_ = scale;
  // Formats whose encoder has no quality scale keep the bitrate: both items are fixed.
  SetItemReadOnly(GridItem::QualityMode, scale == nullptr);
  SetItemReadOnly(GridItem::ConstantQuality, scale == nullptr);
  descriptions_[static_cast<int>(GridItem::ConstantQuality)] = ConstantQualityDescription(scale);
  onCurrentItemChanged(tree_->currentItem());
}

bool SettingsGrid::EditValue(GridItem item, const QString& text) {
  const GridItemInfo& info = GridItemInfoFor(item);
  if (IsItemReadOnly(item) || IsItemHidden(item)) return false;
  if (info.kind == GridItemKind::Check) return EditChecked(item, text == "True");
  if (info.kind == GridItemKind::List) {
    // The English entry (as callers name it) or the one the list shows.
    qsizetype data = info.entries.indexOf(text);
    if (data < 0) data = GridEntriesShown(info).indexOf(text);
    if (data < 0) return false;
    if (data == ListData(item)) return true;
    SetListData(item, static_cast<int>(data));
  } else {
    if (ValueOf(text) == Text(item)) return true;
    SetText(item, ValueOf(text));
  }
  OnGridValueChanged(item);
  return true;
}

bool SettingsGrid::EditChecked(GridItem item, bool checked) {
  if (GridItemInfoFor(item).kind != GridItemKind::Check) return false;
  if (IsItemReadOnly(item) || IsItemHidden(item)) return false;
  if (checked == Checked(item)) return true;
  SetChecked(item, checked);
  OnGridValueChanged(item);
  return true;
}

void SettingsGrid::OnGridValueChanged(GridItem item) {
  const int id = GridItemInfoFor(item).id;
  if (id == RemoveAudioItemId) {
    const bool hide = Checked(item);
    SetItemHidden(GridItem::AudioBitrate, hide);
    SetItemHidden(GridItem::SampleRate, hide);
    SetItemHidden(GridItem::Channels, hide);
    SetItemHidden(GridItem::AudioTracks, hide);
  }
  if (id == CropItemId) SetCropSwitch(Checked(item));

  const bool typed = IsTextKind(GridItemInfoFor(item).kind);
  const QString entered = Text(item);
  if (typed) {
    const QString corrected = item == GridItem::ConstantQuality
                                  ? CorrectConstantQualityText(entered, quality_scale_)
                                  : CorrectGridItemText(item, entered);
    if (corrected != entered) SetText(item, corrected);
  }

  // Every edit re-checks all five text settings, not only the edited one.
  GridValues values;
  values.videoBitrate = Text(GridItem::VideoBitrate);
  values.audioBitrate = Text(GridItem::AudioBitrate);
  values.sampleRate = Text(GridItem::SampleRate);
  values.frameRate = Text(GridItem::FrameRate);
  values.aspect = Text(GridItem::Aspect);
  NormaliseGridValues(values);
  SetText(GridItem::VideoBitrate, values.videoBitrate);
  SetText(GridItem::AudioBitrate, values.audioBitrate);
  SetText(GridItem::SampleRate, values.sampleRate);
  SetText(GridItem::FrameRate, values.frameRate);
  SetText(GridItem::Aspect, values.aspect);
  QString note = typed ? GridReplacementNote(item, entered, Text(item)) : QString();
  if (typed && note.isEmpty()) note = GridLowValueNote(item, Text(item));
  ShowNote(note);
  emit valueChanged(item);
}

void SettingsGrid::ShowNote(const QString& note) {
  note_ = note;
  note_label_->setText(note);
  note_label_->setVisible(!note.isEmpty());
}

QString SettingsGrid::DescriptionText() const { return description_->text(); }

int SettingsGrid::ItemOf(const QTreeWidgetItem* row) const {
  return row ? row->data(CaptionColumn, ItemRole).toInt() : -1;
}

void SettingsGrid::SetCropSwitch(bool on) {
  for (GridItem item : {GridItem::CropTop, GridItem::CropBottom, GridItem::CropLeft, GridItem::CropRight}) {
    SetItemReadOnly(item, !on);
  }
  QTreeWidgetItem* cropRow = TreeItem(GridItem::Crop);
  if (!cropRow) return;
  cropRow->setExpanded(on);
  if (on) tree_->setCurrentItem(TreeItem(GridItem::CropTop));
}

void SettingsGrid::onItemChanged(QTreeWidgetItem* row, int column) {
  if (updating_ > 0 || column != ValueColumn) return;
  const int item = ItemOf(row);
  if (item < 0) return;
  // Only check boxes reach here from the view; typed values come through EditValue.
  if (GridItemInfoFor(static_cast<GridItem>(item)).kind == GridItemKind::Check) {
    OnGridValueChanged(static_cast<GridItem>(item));
  }
}

void SettingsGrid::onCurrentItemChanged(QTreeWidgetItem* current) {
  const int item = ItemOf(current);
  if (item < 0) {
    description_->clear();
    return;
  }
  const GridItemInfo& info = GridItemInfoFor(static_cast<GridItem>(item));
  const QString& own = descriptions_[static_cast<size_t>(item)];
  description_->setText("<b>" + GridItemCaption(info).toHtmlEscaped() + "</b><br>" +
                        (own.isEmpty() ? GridItemDescription(info) : own).toHtmlEscaped());
}

bool SettingsGrid::eventFilter(QObject* watched, QEvent* event) {
  // F2 edits the value of the selected row, wherever the cursor column is.
  if (watched == tree_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_F2 && tree_->currentItem()) {
      onItemClicked(tree_->currentItem(), ValueColumn);
      return true;
    }
    // Space switches a yes-or-no row wherever the cursor column is.
    if (key == Qt::Key_Space && tree_->currentItem()) {
      const int item = ItemOf(tree_->currentItem());
      if (item >= 0 && GridItemInfoFor(static_cast<GridItem>(item)).kind == GridItemKind::Check) {
        EditChecked(static_cast<GridItem>(item), !Checked(static_cast<GridItem>(item)));
        return true;
      }
    }
    // Enter confirms a value; it must not reach a dialog's default button.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SettingsGrid::onItemClicked(QTreeWidgetItem* row, int column) {
  Q_UNUSED(column);
  const int item = ItemOf(row);
  if (item < 0 || IsItemReadOnly(static_cast<GridItem>(item))) return;
  if (IsTextKind(GridItemInfoFor(static_cast<GridItem>(item)).kind) ||
      GridItemInfoFor(static_cast<GridItem>(item)).kind == GridItemKind::List) {
    tree_->editItem(row, ValueColumn);
  }
}
