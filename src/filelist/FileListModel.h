#pragma once
// The rows of the main file list: one typed FileRow each, in list order. The view
// asks for texts, which are made from the typed values only for display.
#include <QAbstractTableModel>
#include <vector>

#include "filelist/FileRow.h"

class FileListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int Count() const { return static_cast<int>(rows_.size()); }
  const FileRow& Row(int row) const { return rows_[static_cast<size_t>(row)]; }
  const std::vector<FileRow>& Rows() const { return rows_; }

  void Append(const FileRow& row);
  void Append(const std::vector<FileRow>& rows);
  void RemoveRow(int row);
  void Clear();
  // Exchanges two rows' contents (the rows themselves stay where they are).
  void SwapRows(int a, int b);

 private:
  std::vector<FileRow> rows_;
};
