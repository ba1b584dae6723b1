#pragma once
// The profile menu "FormatMenu": "General Audio Format", "General Video Format" and
// "Device" with its 15 submenus. Each profile action carries its command id as data.
class QMenu;
class QWidget;

QMenu* BuildFormatMenu(QWidget* parent);
