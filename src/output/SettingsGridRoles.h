#pragma once
// Where the settings grid keeps its data on the tree's rows, shared by the grid
// and the editors its delegate opens.
#include <Qt>

namespace settingsgrid {

constexpr int ItemRole = Qt::UserRole;          // column 0: GridItem index, -1 for categories
constexpr int ListDataRole = Qt::UserRole + 1;  // column 1 of list items: the entry's data
constexpr int CaptionColumn = 0;
constexpr int ValueColumn = 1;
constexpr const char* EnterPressedProperty = "enterPressed";  // set on an editor closed with Enter

}  // namespace settingsgrid
