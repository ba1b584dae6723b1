#pragma once
// The output profile catalogue: the 138 classic entries of the profile menu and the newer
// codecs' ones after them, the format keys
// they select and the few values each one fixes. Plain data, no widgets.
#include <QString>
#include <QStringList>
#include <span>

struct ProfileEntry {
  int id;               // command id of the menu entry
  const char* caption;  // menu text, also shown in ComboFormat
  const char* menu;     // submenu that holds the entry
  const char* key;      // OutputFormatKey
  int width;            // picture size; 0 x 0 leaves the size on "Auto"
  int height;
  const char* frameRate;     // "" leaves the value on "Auto"
  const char* audioBitrate;  // ""
  const char* channels;      // "" or "1" / "2"
};

// Submenus of the profile menu, in menu order.
inline constexpr const char* AudioFormatMenu = QT_TRANSLATE_NOOP("Profiles", "General Audio Format");
inline constexpr const char* VideoFormatMenu = QT_TRANSLATE_NOOP("Profiles", "General Video Format");
inline constexpr const char* DeviceMenu = QT_TRANSLATE_NOOP("Profiles", "Device");
inline constexpr const char* ModernMenu =
    QT_TRANSLATE_NOOP("Profiles", "Modern");  // newer codecs, last in the menu
const QStringList& DeviceMenuNames();         // the 15 device submenus

// All entries, in menu order within each submenu.
std::span<const ProfileEntry> ProfileCatalogue();
// A caption or submenu name as the window shows it: in the user's language where it is
// not a product name. Settings, the command line and the engine keep the English text.
QString ProfileCaptionShown(const QString& caption);
// The entry with this command id, or nullptr when the id is not in the catalogue.
const ProfileEntry* FindProfile(int id);
// True for the entries of audio keys (the 11 general audio ones and Opus).
bool IsAudioProfile(int id);

// Lookups on the format table (output/FormatTable.h) for Qt callers; keys match exactly.
// The format keys in table order.
const QStringList& FormatKeys();
// False for a key that is not in the table.
bool IsAudioKey(const QString& key);
// File extension (no dot) for a format key; a key not in the table is its own extension.
QString ExtensionForKey(const QString& key);
