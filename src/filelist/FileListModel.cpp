#include "filelist/FileListModel.h"

#include <utility>

#include "filelist/RowTexts.h"

namespace {

const char* const kHeaders[] = {
    QT_TRANSLATE_NOOP("FileListModel", "File Name"),   QT_TRANSLATE_NOOP("FileListModel", "Type"),
    QT_TRANSLATE_NOOP("FileListModel", "Duration"),    QT_TRANSLATE_NOOP("FileListModel", "Video Size"),
    QT_TRANSLATE_NOOP("FileListModel", "File Size"),   QT_TRANSLATE_NOOP("FileListModel", "Modified"),
    QT_TRANSLATE_NOOP("FileListModel", "Video Codec"), QT_TRANSLATE_NOOP("FileListModel", "Audio Codec")};
constexpr int kColumns = static_cast<int>(ListColumn::Count);
static_assert(std::size(kHeaders) == kColumns);

}  // namespace

int FileListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int FileListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count() || index.column() >= kColumns) return {};
  const FileRow& row = Row(index.row());
  if (role == Qt::DisplayRole) return RowColumnText(row, static_cast<ListColumn>(index.column()));
  if (role == Qt::ToolTipRole) return RowToolTip(row);
  return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns)
    return {};
  return tr(kHeaders[section]);
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

void FileListModel::Append(const FileRow& row) {
  beginInsertRows(QModelIndex(), Count(), Count());
  rows_.push_back(row);
  endInsertRows();
}

void FileListModel::Append(const std::vector<FileRow>& rows) {
  if (rows.empty()) return;
  beginInsertRows(QModelIndex(), Count(), Count() + static_cast<int>(rows.size()) - 1);
  rows_.insert(rows_.end(), rows.begin(), rows.end());
  endInsertRows();
}

void FileListModel::RemoveRow(int row) {
  if (row < 0 || row >= Count()) return;
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void FileListModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void FileListModel::SwapRows(int a, int b) {
  if (a < 0 || b < 0 || a >= Count() || b >= Count() || a == b) return;
  std::swap(rows_[static_cast<size_t>(a)], rows_[static_cast<size_t>(b)]);
  for (const int r : {a, b})
    emit dataChanged(index(r, 0), index(r, kColumns - 1));
}
