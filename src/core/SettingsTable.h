#pragma once
// Every value the program remembers between runs, in one table: the key it is stored
// under, its type, what it reads as when missing, malformed or out of range, and for
// numbers the range it must lie in. Keys and stored text formats are what users' files
// hold: never rename a key or change how its value is written.
#include <QByteArray>
#include <QString>
#include <type_traits>

namespace Setting {

enum class Type { Text, Int, Bool, Bytes };

struct Entry {
  const char* name;  // key in the settings store ("Group/Name" inside a group)
  Type type;
  const char* fallback;  // the default, written as it would be stored
  int min = 0;           // numbers only; a range that depends on the machine holds
  int max = 0;           // the widest safe one and the reader narrows it
};

// An entry that knows the C++ type it reads as: QString, int, bool or QByteArray.
template <typename T>
struct Key {
  static constexpr Type kType = std::is_same_v<T, int>          ? Type::Int
                                : std::is_same_v<T, bool>       ? Type::Bool
                                : std::is_same_v<T, QByteArray> ? Type::Bytes
                                                                : Type::Text;
  constexpr Key(const char* name, const char* fallback, int min = 0, int max = 0)
      : entry{name, kType, fallback, min, max} {}
  Entry entry;
};

// The main window.
inline constexpr Key<QString> OutputFolder{"OutPath", ""};
inline constexpr Key<QString> LastCheckUpdate{"LastCheckUpdate", ""};  // yyyy-MM-dd
inline constexpr Key<QByteArray> WindowGeometry{"MainWindow/Geometry", ""};
inline constexpr Key<QString> ColumnWidths{"MainWindow/ColumnWidths", ""};  // "w,w,..."
inline constexpr Key<QString> LastOpenFolder{"MainWindow/LastOpenFolder", ""};

// The output settings dialog; where a profile sets its own value first, the dialog
// keeps that one instead of the default.
inline constexpr Key<QString> FormatKey{"OutputSettings/FormatKey", "mp4h264"};
inline constexpr Key<QString> ProfileCaption{"OutputSettings/ProfileCaption", "MP4 - H264 Video (*.mp4)"};
inline constexpr Key<int> SizeIndex{"OutputSettings/SizeIndex", "0", 0, 15};
inline constexpr Key<QString> Width{"OutputSettings/Width", ""};
inline constexpr Key<QString> Height{"OutputSettings/Height", ""};
inline constexpr Key<int> VideoQuality{"OutputSettings/VideoQuality", "1", 0, 2};
inline constexpr Key<int> AudioQuality{"OutputSettings/AudioQuality", "1", 0, 2};
inline constexpr Key<int> Threads{"OutputSettings/Threads", "1", 1, 1024};  // narrowed to the cores
inline constexpr Key<QString> IfExists{"IfExists", "KeepBoth"};  // outside the group, as it always was
inline constexpr Key<QString> VideoBitrate{"OutputSettings/VideoBitrate", "Auto"};
inline constexpr Key<QString> FrameRate{"OutputSettings/FrameRate", "Auto"};
inline constexpr Key<QString> Aspect{"OutputSettings/Aspect", "Auto"};
inline constexpr Key<QString> AudioBitrate{"OutputSettings/AudioBitrate", "Auto"};
inline constexpr Key<QString> SampleRate{"OutputSettings/SampleRate", "Auto"};
inline constexpr Key<int> Channels{"OutputSettings/Channels", "0", 0, 2};
inline constexpr Key<bool> RemoveAudio{"OutputSettings/RemoveAudio", "false"};
inline constexpr Key<bool> KeepFileDate{"OutputSettings/KeepFileDate", "true"};
inline constexpr Key<int> Upscale{"OutputSettings/Upscale", "0", 0, 1};
inline constexpr Key<int> AudioTracks{"OutputSettings/AudioTracks", "0", 0, 1};
inline constexpr Key<int> Subtitles{"OutputSettings/Subtitles", "0", 0, 2};
inline constexpr Key<int> QualityMode{"OutputSettings/QualityMode", "0", 0, 1};
// Narrowed to the scale of the chosen format's encoder when read.
inline constexpr Key<int> ConstantQuality{"OutputSettings/ConstantQuality", "22", 0, 63};
inline constexpr Key<int> Deinterlace{"OutputSettings/Deinterlace", "0", 0, 2};

// The player.
inline constexpr Key<int> Volume{"Player/Volume", "128", 0, 128};  // narrowed to the slider's maximum
inline constexpr Key<bool> Mute{"Player/Mute", "false"};

// Every entry above, for the checks over the whole table.
inline constexpr const Entry* kAll[] = {&OutputFolder.entry,   &LastCheckUpdate.entry, &WindowGeometry.entry,
                                        &ColumnWidths.entry,   &LastOpenFolder.entry,  &FormatKey.entry,
                                        &ProfileCaption.entry, &SizeIndex.entry,       &Width.entry,
                                        &Height.entry,         &VideoQuality.entry,    &AudioQuality.entry,
                                        &Threads.entry,        &IfExists.entry,        &VideoBitrate.entry,
                                        &FrameRate.entry,      &Aspect.entry,          &AudioBitrate.entry,
                                        &SampleRate.entry,     &Channels.entry,        &RemoveAudio.entry,
                                        &KeepFileDate.entry,   &Upscale.entry,         &AudioTracks.entry,
                                        &Subtitles.entry,      &QualityMode.entry,     &ConstantQuality.entry,
                                        &Deinterlace.entry,    &Volume.entry,          &Mute.entry};

}  // namespace Setting
