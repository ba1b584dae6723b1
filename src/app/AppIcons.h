#pragma once
// Toolbar icons drawn in code: a rounded tile in the command's colour with a white glyph.
#include <QIcon>

namespace AppIcons {
QIcon Command(int id);
}
