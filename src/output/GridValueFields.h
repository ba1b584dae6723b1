#pragma once
// One grid item's field in the settings record, reached by the item, so code that
// handles every item of the grid table (the saved presets) needs no list of its own.
#include <variant>

#include "output/GridItems.h"

// Text items hold text; number items an integer; list items the index of their entry;
// checks a Boolean. Every item of GridItemTable() has a field, and no two share one.
using GridField = std::variant<QString*, int*, bool*>;
GridField GridFieldOf(GridValues& values, GridItem item);
