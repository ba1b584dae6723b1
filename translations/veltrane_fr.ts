<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line (&quot;-&quot;: standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture and sound (as in the output settings dialog):
  --size WxH|auto           picture size; odd or out-of-range sizes are corrected
  --video-quality Q         high, normal or low (also 0, 1, 2)
  --audio-quality Q         high, normal or low
  --vb RATE                 video bitrate: digits, optionally ending in k (&quot;1500k&quot;)
  --ab RATE                 audio bitrate (&quot;128k&quot;)
  --fps FPS                 frame rate (&quot;29.97&quot;)
  --aspect A:B              display aspect (&quot;16:9&quot;)
  --crop L,T,R,B            pixels removed from the left, top, right and bottom
  --vflip, --hflip          flip the picture vertically / horizontally
  --rotate DEG              degrees clockwise, -270 to 270
  --rate HZ                 audio sample rate (&quot;44100&quot;)
  --channels N              1, 2 or auto
  --no-audio                leave the sound out
  --audio-tracks all|first  keep every sound track or only the first
  --subtitles keep|burn|none  copy subtitle tracks, burn the first into the picture,
                            or leave them out
  --keep-date, --no-keep-date  give the output the source&apos;s modification time (default)
  --upscale, --no-upscale   allow a picture size larger than the source (default)
  Each value option also takes &quot;auto&quot; where the dialog offers &quot;Auto&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run:
  -j, --jobs N              files converted at once (default: the processor count)
  --dry-run                 print each source, output path and option string; convert nothing
  --json                    one JSON object per event on standard output (schema 1)
  -q, --quiet               print only failures and errors
  -v, --verbose             also print the media libraries&apos; warnings (-vv: information)
  -h, --help                this text
  --version                 program version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results go to standard output; failures, warnings and errors to standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a bitrate from 1 to 1000000k bits per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame rate from 0.01 to 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sample rate from 1000 to 384000 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>converted: %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 converted (%2 with warnings)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, %3 failed, %4 skipped, %5 stopped in %6 s</source>
        <extracomment>%1 is &quot;N files:&quot;, %2 &quot;N converted&quot;, %6 the seconds the run took.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(interrupted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown output format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot convert. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not WxH (such as 640x480) or auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not four numbers L,T,R,B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not a whole number of pixels from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rotate: &quot;%1&quot; is not a whole number of degrees from -270 to 270</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--channels: &quot;%1&quot; is not 1, 2 or auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a bitrate: digits, optionally ending in k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sample rate: digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame rate: a positive number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an aspect: digits:digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format: give either --profile or --format, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not a format key (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the audio format %2 has no picture settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--video-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--audio-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--profile: no profile matches &quot;%1&quot; (see --list-profiles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--if-exists: &quot;%1&quot; is not keep-both, overwrite or skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o: an output folder is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read folder %1 (skipped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;veltrane-convert --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--files-from: %1: cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-q: give -q or -v, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-0: only with --files-from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-: to read the names from standard input, give --files-from -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no input files or folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder (a file name is taken for one source only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Overall %1%  %2/%n files  %3x real time  %4 left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--profile: &quot;%1&quot; matches %n profiles:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Output:
  -o, --output FOLDER       existing folder that receives the converted files; with
                            exactly one source, a file name for its output
  --profile TEXT            profile by id, exact caption, or a unique part of a
                            caption (any letter case); default &quot;MP4 - H264 Video (*.mp4)&quot;
  --format KEY              output format key instead of a profile (mp4h264, mp3, ...)
  --preset NAME|FILE        start from a preset saved in the window (&quot;My Presets&quot;),
                            or from a preset file (an existing file, or any text with
                            a &quot;/&quot;); the options given here apply over it
  --settings-from-window    start from the settings the window program last stored
                            (profile, size, qualities, grid values; not crop, flips
                            or rotation); options given here apply over them
  --list-profiles           list the PROFILE_COUNT profiles: id, caption, menu path, key
                            and extension (with --json: an array of objects), then exit
  --keep-tree               recreate each given folder (by its name) and its subfolders
                            under the output folder
  --if-exists MODE          keep-both (default: &quot;name (1).ext&quot;), overwrite or skip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s title, shown where the window lists its bars.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: converts video and audio files. Files and folders named here are added to the list;
when the program is already running, they are added to its window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media files, or folders to search for media files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play (Enter or a double-click on a row)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up (Alt+Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down (Alt+Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Presets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Not a media file, or the file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no audio or video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the file timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file refers to other files, which are not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source changed on disk during the conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped: %1 already exists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Total Files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding file %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be opened:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No media files were found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridItems</name>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep File Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the output file the modification date of the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop the input video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertically Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip the input video vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontally Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip the input video horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the video xx degrees clockwise. Valid number is from -270 to 270</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never: a video smaller than the chosen size keeps its own size instead of being enlarged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All: every audio track (other languages, commentary) where the format can hold several. First: only the main one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep: subtitle tracks go into the output where the format can hold them. Burn In: the default text track is drawn into the picture. None: left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>digits, optionally ending in k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>digits, in Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>width:height in whole numbers, such as 16:9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole degrees from -270 to 270</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels, 0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot; (it takes %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual video bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual audio bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Video lib not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add file to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop converting and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter plays the selected file; Alt+Up and Alt+Down move it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>All Supported Media Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFolders</name>
    <message>
        <source>Create %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be created:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <source>High (larger file size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the output file exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;More &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;More &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom... lets you type the width and height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many files are converted at the same time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder the converted files are written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What happens when a file of the same name is already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows or hides the advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;Preset…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputSizes</name>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 was replaced by &quot;%3&quot; (it takes an even number from %4 to %5).</source>
        <extracomment>%1 is &quot;Width&quot; or &quot;Height&quot;, %2 the typed value in quotes or &quot;an empty box&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Space to turn the sound off or on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProbePool</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a regular file (a device, pipe or socket).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>AAC - Advanced Audio Coding Files (*.aac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC3 - Audio Coding 3 (*.ac3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIFF - Audio InterChange File Format (*.aiff)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC - Free Lossless Audio Codec (*.flac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4A - MPEG-4 Audio (*.m4a)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP2 - MPEG Layer-2 Audio (*.mp2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 - MPEG Layer-3 Audio (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OGG - Ogg Vorbis Audio (*.ogg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RA - Real Audio (*.ra)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV - Waveform Audio (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RM - Real Video (*.rm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWF - Shock Wave Flash (*.swf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOB - DVD Video Object (*.vob)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM - WebM Video (*.webm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 - HEVC Video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM - VP9 Video + Opus Audio (*.webm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - AV1 Video + Opus Audio (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM - AV1 Video + Opus Audio (*.webm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKV - H264 Video + AAC Audio, All Tracks (*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus - Opus Audio (*.opus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone - H264 Video 1080p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone - HEVC Video 1080p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV - H264 Video 1080p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV - HEVC Video 4K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMP</source>
        <extracomment>Portable media players (Archos, Creative ZEN, iRiver, Zune).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Audio Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Video Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 converted with problems: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop converting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per file: output name, progress and status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the conversion, or closes the window once it has ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the folder the converted files are written to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueueConversion</name>
    <message>
        <source>%1 cannot be converted: the output format is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowTexts</name>
    <message>
        <source>Audio tracks: %1, subtitle tracks: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file: 
%1

Error: 
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <source>%n converted</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with problems)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Canceled after %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Finished. Click here to open the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Nothing was converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Click here to open the output folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsGrid</name>
    <message>
        <source>Advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 edits the selected value; Space switches a yes-or-no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No web browser could be started. The address is:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This does not exist (any more):
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be started to show this folder. It is here:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be started to show this file. It is here:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>picture size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>video bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crop, flip or rotate setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>video codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crop margins (%1) are larger than the picture (%2×%3) of %4. Make them smaller under Crop Video in the advanced settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be converted: the %2 &quot;%3&quot; cannot be used for it. Choose another value in the output settings.</source>
        <extracomment>%1 is a file name, %2 a setting such as &quot;video bitrate&quot;, %3 its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crop margins are larger than the picture of %1. Make them smaller under Crop Video in the advanced settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please try to convert it to another format.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
