#pragma once
// Every command of the main window: its id, where it appears and with which texts.
// Menus, toolbar and the list's context menu are built from this one table.
#include <QtGlobal>
#include <array>

namespace Commands {
enum Id : int {
  AddFiles = 1021,
  AddFolder = 1044,
  ConvertFiles = 1038,
  Exit = 1022,
  SelectAll = 1024,
  InvertSelection = 1025,
  RemoveSelected = 1027,
  ClearAll = 1026,
  HelpContents = 1043,
  Website = 1034,
  About = 1032,
  Play = 1042,
  MoveUp = 1039,
  MoveDown = 1040,
  PresetRename = 1301,
  PresetDelete = 1302,
  PresetImport = 1303,
  PresetExport = 1304,
};
}  // namespace Commands

struct CommandEntry {
  int id;
  const char* menu;            // menu-bar menu, nullptr when not in the menu bar
  const char* menuCaption;     // menu-bar (and context-menu) caption
  const char* shortcut;        // shortcut text, "" for none (toolbar-only commands too)
  const char* toolbarCaption;  // nullptr when not on the toolbar
  const char* tooltip;         // toolbar tooltip
  bool inContextMenu;
};

// In menu order; the toolbar and context-menu orders are listed separately.
inline constexpr std::array<CommandEntry, 18> kCommandTable{{
    {Commands::AddFiles, "File", QT_TRANSLATE_NOOP("Commands", "Add Files"), "Ctrl+O",
     QT_TRANSLATE_NOOP("Commands", "Add"), QT_TRANSLATE_NOOP("Commands", "Add Files"), false},
    {Commands::AddFolder, "File", QT_TRANSLATE_NOOP("Commands", "Add Folder..."), "Ctrl+Shift+O", nullptr,
     nullptr, false},
    {Commands::ConvertFiles, "File", QT_TRANSLATE_NOOP("Commands", "Convert Files"), "Ctrl+Return",
     QT_TRANSLATE_NOOP("Commands", "Convert"), QT_TRANSLATE_NOOP("Commands", "Convert Files"), false},
    {Commands::Exit, "File", QT_TRANSLATE_NOOP("Commands", "Exit"), "Ctrl+E", nullptr, nullptr, false},
    {Commands::SelectAll, "List", QT_TRANSLATE_NOOP("Commands", "Select All"), "Ctrl+A", nullptr, nullptr,
     true},
    {Commands::InvertSelection, "List", QT_TRANSLATE_NOOP("Commands", "Invert Selection"), "Ctrl+Alt+I",
     nullptr, nullptr, true},
    {Commands::RemoveSelected, "List", QT_TRANSLATE_NOOP("Commands", "Remove Selected Files"), "Del",
     QT_TRANSLATE_NOOP("Commands", "Remove"), QT_TRANSLATE_NOOP("Commands", "Remove Selected Files"), true},
    {Commands::ClearAll, "List", QT_TRANSLATE_NOOP("Commands", "Clear All"), "Ctrl+L", nullptr, nullptr,
     true},
    {Commands::HelpContents, "Help", QT_TRANSLATE_NOOP("Commands", "Help Contents"), "F1", nullptr, nullptr,
     false},
    {Commands::Website, "Help", QT_TRANSLATE_NOOP("Commands", "Website"), "", nullptr, nullptr, false},
    {Commands::About, "Help", QT_TRANSLATE_NOOP("Commands", "About..."), "", nullptr, nullptr, false},
    {Commands::Play, nullptr, nullptr, "", QT_TRANSLATE_NOOP("Commands", "Play"),
     QT_TRANSLATE_NOOP("Commands", "Play (Enter or a double-click on a row)"), false},
    {Commands::MoveUp, nullptr, nullptr, "Alt+Up", QT_TRANSLATE_NOOP("Commands", "Move Up"),
     QT_TRANSLATE_NOOP("Commands", "Move Up (Alt+Up)"), false},
    {Commands::MoveDown, nullptr, nullptr, "Alt+Down", QT_TRANSLATE_NOOP("Commands", "Move Down"),
     QT_TRANSLATE_NOOP("Commands", "Move Down (Alt+Down)"), false},
    // The saved presets themselves are listed above these (app/PresetsMenu).
    {Commands::PresetRename, "My Presets", QT_TRANSLATE_NOOP("Commands", "Rename…"), "", nullptr, nullptr,
     false},
    {Commands::PresetDelete, "My Presets", QT_TRANSLATE_NOOP("Commands", "Delete…"), "", nullptr, nullptr,
     false},
    {Commands::PresetImport, "My Presets", QT_TRANSLATE_NOOP("Commands", "Import…"), "", nullptr, nullptr,
     false},
    {Commands::PresetExport, "My Presets", QT_TRANSLATE_NOOP("Commands", "Export…"), "", nullptr, nullptr,
     false},
}};

inline constexpr std::array<const char*, 4> kMenuOrder{
    QT_TRANSLATE_NOOP("Commands", "File"), QT_TRANSLATE_NOOP("Commands", "List"),
    QT_TRANSLATE_NOOP("Commands", "Help"), QT_TRANSLATE_NOOP("Commands", "My Presets")};
inline constexpr std::array<int, 6> kToolbarOrder{Commands::AddFiles, Commands::RemoveSelected,
                                                  Commands::Play,     Commands::MoveUp,
                                                  Commands::MoveDown, Commands::ConvertFiles};
inline constexpr std::array<int, 4> kContextMenuOrder{Commands::SelectAll, Commands::InvertSelection,
                                                      Commands::RemoveSelected, Commands::ClearAll};

const CommandEntry* FindCommand(int id);
