<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown option</source>
        <translation>%1: 未知选项</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: 不接受值</translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation>%1: 需要一个值</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: 被指定了多次</translation>
    </message>
    <message>
        <source>Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.</source>
        <translation>用法：veltrane-convert [选项] FILE|FOLDER... -o FOLDER
  或：  veltrane-convert [选项] FILE -o OUTPUT_FILE
  或：  veltrane-convert [选项] --files-from LIST -o FOLDER
使用 Veltrane Video Converter 的配置和设置转换媒体文件。</translation>
    </message>
    <message>
        <source>Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line (&quot;-&quot;: standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0)</source>
        <translation>输入：
  --files-from LIST         同时转换 LIST 中列出的文件和文件夹，每行一个
                            （&quot;-&quot;：标准输入）
  -0, --null                LIST 中的名称以 NUL 字节结尾（find -print0）</translation>
    </message>
    <message>
        <source>Results go to standard output; failures, warnings and errors to standard error.</source>
        <translation>结果写到标准输出；失败、警告和错误写到标准错误。</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</source>
        <translation>退出状态：0 全部已转换（或已跳过），1 部分失败，2 用法错误，128+N 删除未完成的
输出文件后因信号 N 而结束（130 Ctrl-C，143 SIGTERM，129 SIGHUP）。</translation>
    </message>
    <message>
        <source>a bitrate from 1 to 1000000k bits per second</source>
        <translation>比特率，1 到 1000000k 比特每秒</translation>
    </message>
    <message>
        <source>a frame rate from 0.01 to 1000</source>
        <translation>帧率，0.01 到 1000</translation>
    </message>
    <message>
        <source>a sample rate from 1000 to 384000 Hz</source>
        <translation>采样率，1000 到 384000 Hz</translation>
    </message>
    <message>
        <source>an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100</source>
        <translation>宽高比 A:B，A 和 B 为 1 到 100000，A/B 为 0.01 到 100</translation>
    </message>
    <message>
        <source>converted: %1 -&gt; %2</source>
        <translation>已转换: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>skipped: %1: %2</source>
        <translation>已跳过: %1: %2</translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation>已停止: %1</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>失败: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>警告: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file:</source>
        <translation>
            <numerusform>%n 个文件:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files:</source>
        <translation>
            <numerusform>%n 个文件:</numerusform>
        </translation>
    </message>
    <message>
        <source>(interrupted)</source>
        <translation>（已中断）</translation>
    </message>
    <message>
        <source>Can not open file: %1</source>
        <translation>无法打开文件: %1</translation>
    </message>
    <message>
        <source>unknown output format</source>
        <translation>未知的输出格式</translation>
    </message>
    <message>
        <source>Cannot convert. %1</source>
        <translation>无法转换。%1</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not WxH (such as 640x480) or auto</source>
        <translation>--size: &quot;%1&quot; 不是 WxH（例如 640x480）或 auto</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not four numbers L,T,R,B</source>
        <translation>--crop: &quot;%1&quot; 不是 L,T,R,B 形式的四个数字</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not a whole number of pixels from 0 to %2</source>
        <translation>--crop: &quot;%1&quot; 不是 0 到 %2 之间的整数像素值</translation>
    </message>
    <message>
        <source>--rotate: &quot;%1&quot; is not a whole number of degrees from -270 to 270</source>
        <translation>--rotate: &quot;%1&quot; 不是 -270 到 270 之间的整数度数</translation>
    </message>
    <message>
        <source>--channels: &quot;%1&quot; is not 1, 2 or auto</source>
        <translation>--channels: &quot;%1&quot; 不是 1、2 或 auto</translation>
    </message>
    <message>
        <source>a bitrate: digits, optionally ending in k</source>
        <translation>比特率（数字，可以 k 结尾）</translation>
    </message>
    <message>
        <source>a sample rate: digits</source>
        <translation>采样率（数字）</translation>
    </message>
    <message>
        <source>a frame rate: a positive number</source>
        <translation>帧率（正数）</translation>
    </message>
    <message>
        <source>an aspect: digits:digits</source>
        <translation>宽高比（数字:数字）</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not %3</source>
        <translation>%1: &quot;%2&quot; 无效，应为：%3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>--format: give either --profile or --format, not both</source>
        <translation>--format: 只能指定 --profile 或 --format 之一，不能同时指定</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not a format key (%2)</source>
        <translation>--format: &quot;%1&quot; 不是格式键（%2）</translation>
    </message>
    <message>
        <source>%1: the audio format %2 has no picture settings</source>
        <translation>%1: 音频格式 %2 没有画面设置</translation>
    </message>
    <message>
        <source>--video-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--video-quality: &quot;%1&quot; 不是 high、normal 或 low</translation>
    </message>
    <message>
        <source>--audio-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--audio-quality: &quot;%1&quot; 不是 high、normal 或 low</translation>
    </message>
    <message>
        <source>--profile: no profile matches &quot;%1&quot; (see --list-profiles)</source>
        <translation>--profile: 没有与 &quot;%1&quot; 匹配的配置（参见 --list-profiles）</translation>
    </message>
    <message>
        <source>--if-exists: &quot;%1&quot; is not keep-both, overwrite or skip</source>
        <translation>--if-exists: &quot;%1&quot; 不是 keep-both、overwrite 或 skip</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: &quot;%1&quot; 不是 1 到 %2 之间的数字</translation>
    </message>
    <message>
        <source>-o: an output folder is needed</source>
        <translation>-o: 需要指定输出文件夹</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder</source>
        <translation>-o: &quot;%1&quot; 不是已存在的文件夹</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: 没有该文件或文件夹</translation>
    </message>
    <message>
        <source>cannot read folder %1 (skipped)</source>
        <translation>无法读取文件夹 %1（已跳过）</translation>
    </message>
    <message>
        <source>Try &apos;veltrane-convert --help&apos;.</source>
        <translation>请尝试执行 &apos;veltrane-convert --help&apos;。</translation>
    </message>
    <message>
        <source>--files-from: %1: cannot be read</source>
        <translation>--files-from: %1: 无法读取</translation>
    </message>
    <message>
        <source>-q: give -q or -v, not both</source>
        <translation>-q: 只能指定 -q 或 -v 之一，不能同时指定</translation>
    </message>
    <message>
        <source>-0: only with --files-from</source>
        <translation>-0: 只能与 --files-from 一起使用</translation>
    </message>
    <message>
        <source>-: to read the names from standard input, give --files-from -</source>
        <translation>-: 要从标准输入读取名称，请指定 --files-from -</translation>
    </message>
    <message>
        <source>no input files or folders</source>
        <translation>没有输入文件或文件夹</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder (a file name is taken for one source only)</source>
        <translation>-o: &quot;%1&quot; 不是已存在的文件夹（只有一个源时才可指定文件名）</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>未找到视频库</translation>
    </message>
    <message numerus="yes">
        <source>Overall %1%  %2/%n files  %3x real time  %4 left</source>
        <translation>
            <numerusform>总计 %1%  %2/%n 个文件  %3 倍实时速度  剩余 %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--profile: &quot;%1&quot; matches %n profiles:</source>
        <translation>
            <numerusform>--profile: &quot;%1&quot; 匹配 %n 个配置:</numerusform>
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
        <translation>输出：
  -o, --output FOLDER       接收转换后文件的已有文件夹；只有一个源时，
                            也可以是其输出文件的文件名
  --profile TEXT            按 ID、完整标题或标题中唯一的一部分（不区分大小写）
                            选择配置；默认为 &quot;MP4 - H264 Video (*.mp4)&quot;
  --format KEY              用输出格式键代替配置（mp4h264、mp3 等）
  --preset NAME|FILE        从窗口中保存的预设（“我的预设”）开始，或从预设文件
                            开始（已有的文件，或任何含有 &quot;/&quot; 的文本）；
                            此处给出的选项会覆盖其中的设置
  --settings-from-window    从窗口程序最后保存的设置开始（配置、尺寸、质量、
                            表格中的值；不含裁剪、翻转和旋转）；此处给出的
                            选项会覆盖这些设置
  --list-profiles           列出全部 PROFILE_COUNT 个配置：ID、标题、菜单路径、键和
                            扩展名（与 --json 一起使用时：对象数组），然后退出
  --keep-tree               在输出文件夹下重建每个给定的文件夹（按其名称）
                            及其子文件夹
  --if-exists MODE          keep-both（默认：&quot;name (1).ext&quot;）、overwrite 或 skip</translation>
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
  --crf N                   constant quality instead of a bitrate; lower is better. Scales:
                            H.264 0-51 (usual 22), HEVC 0-51 (28), VP9 0-63 (32), AV1
                            0-63 (30); formats with other encoders refuse it
  --deinterlace MODE        off (default), auto (sources found to be interlaced) or
                            always
  --start T                 start the output at T in the source (hh:mm:ss.fff or seconds)
  --duration T              make the output T long (hh:mm:ss.fff or seconds)
  Each value option also takes &quot;auto&quot; where the dialog offers &quot;Auto&quot;.</source>
        <translation>画面和声音（与输出设置对话框相同）：
  --size WxH|auto           画面尺寸；奇数或超出范围的尺寸会被修正
  --video-quality Q         high、normal 或 low（也可用 0、1、2）
  --audio-quality Q         high、normal 或 low
  --vb RATE                 视频比特率：数字，可以 k 结尾（&quot;1500k&quot;）
  --ab RATE                 音频比特率（&quot;128k&quot;）
  --fps FPS                 帧率（&quot;29.97&quot;）
  --aspect A:B              显示宽高比（&quot;16:9&quot;）
  --crop L,T,R,B            从左、上、右、下各边裁去的像素数
  --vflip, --hflip          垂直/水平翻转画面
  --rotate DEG              顺时针旋转的度数，-270 到 270
  --rate HZ                 音频采样率（&quot;44100&quot;）
  --channels N              1、2 或 auto
  --no-audio                去掉声音
  --audio-tracks all|first  保留所有音轨，或只保留第一条
  --subtitles keep|burn|none  复制字幕轨、将第一条烧录到画面中，
                            或去掉字幕
  --keep-date, --no-keep-date  让输出文件沿用源文件的修改时间（默认）
  --upscale, --no-upscale   允许画面尺寸大于源文件（默认）
  --crf N                   用恒定质量代替比特率；数值越小越好。范围：
                            H.264 0-51（常用 22）、HEVC 0-51（28）、VP9 0-63（32）、
                            AV1 0-63（30）；使用其他编码器的格式不接受此选项
  --deinterlace MODE        off（默认）、auto（检测为隔行的源文件）或 always
  --start T                 从源文件的 T 处开始输出（hh:mm:ss.fff 或秒数）
  --duration T              输出时长为 T（hh:mm:ss.fff 或秒数）
  对话框中提供“自动”的选项，在这里也接受 &quot;auto&quot; 作为值。</translation>
    </message>
    <message>
        <source>Run:
  -j, --jobs N              files converted at once (default: the processor count)
  --dry-run                 print each source, output path, option string and estimated
                            output size; convert nothing
  --json                    one JSON object per event on standard output (schema 1)
  -q, --quiet               print only failures and errors
  -v, --verbose             also print the media libraries&apos; warnings (-vv: information)
  -h, --help                this text
  --version                 program version</source>
        <translation>运行：
  -j, --jobs N              同时转换的文件数（默认：处理器数量）
  --dry-run                 输出每个源文件、输出路径、选项字符串和预计输出大小；
                            不进行转换
  --json                    每个事件在标准输出上输出一个 JSON 对象（schema 1）
  -q, --quiet               只输出失败和错误
  -v, --verbose             同时输出媒体库的警告（-vv：还输出提示信息）
  -h, --help                显示此帮助
  --version                 显示程序版本</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not for the format %2, whose encoder has no constant quality mode (H.264, HEVC, VP9 and AV1 formats have one)</source>
        <translation>--crf: &quot;%1&quot; 不适用于格式 %2，该格式的编码器没有恒定质量模式（H.264、HEVC、VP9 和 AV1 格式才有）</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not a quality from %2 (best) to %3 for %4</source>
        <translation>--crf: &quot;%1&quot; 不是 %4 可用的 %2（最好）到 %3 之间的质量值</translation>
    </message>
    <message>
        <source>--start: &quot;%1&quot; is not a time (hh:mm:ss.fff or seconds)</source>
        <translation>--start: &quot;%1&quot; 不是时间（hh:mm:ss.fff 或秒数）</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a length above 0 (hh:mm:ss.fff or seconds)</source>
        <translation>--duration: &quot;%1&quot; 不是大于 0 的时长（hh:mm:ss.fff 或秒数）</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>大小未知</translation>
    </message>
    <message>
        <source>size %1</source>
        <translation>大小 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n 个已转换</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with warnings)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1（%n 个有警告）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, %3, %4, %5 in %6 s</source>
        <extracomment>%1 is &quot;N files:&quot;, %2 &quot;N converted&quot;, %3 &quot;N failed&quot;, %4 &quot;N skipped&quot;, %5 &quot;N stopped&quot;, %6 the seconds the whole run took.</extracomment>
        <translation>%1 %2，%3，%4，%5，用时 %6 秒</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n 个已跳过</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n 个已停止</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s title, shown where the window lists its bars.</extracomment>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>更多命令</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: converts video and audio files. Files and folders named here are added to the list;
when the program is already running, they are added to its window.</source>
        <translation>%1：转换视频和音频文件。此处指定的文件和文件夹会添加到列表中；
如果程序已在运行，则添加到其窗口中。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>Media files, or folders to search for media files.</source>
        <translation>媒体文件，或要在其中查找媒体文件的文件夹。</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>请尝试执行 &apos;--help&apos; 获取更多信息。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Convert Files</source>
        <translation>转换文件</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>反选</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>移除所选文件</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>帮助内容</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Play (Enter or a double-click on a row)</source>
        <translation>播放（按 Enter 或双击某一行）</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Up (Alt+Up)</source>
        <translation>上移（Alt+Up）</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move Down (Alt+Down)</source>
        <translation>下移（Alt+Down）</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>重命名…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>删除…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>导入…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>My Presets</source>
        <translation>我的预设</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Not a media file, or the file is damaged</source>
        <translation>不是媒体文件，或文件已损坏</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>The file holds no audio or video</source>
        <translation>文件中没有音频或视频</translation>
    </message>
    <message>
        <source>Reading the file timed out</source>
        <translation>读取文件超时</translation>
    </message>
    <message>
        <source>The path is a folder, not a file</source>
        <translation>该路径是文件夹，不是文件</translation>
    </message>
    <message>
        <source>The path is not a regular file</source>
        <translation>该路径不是普通文件</translation>
    </message>
    <message>
        <source>The file refers to other files, which are not read</source>
        <translation>该文件引用了其他文件，这些文件不会被读取</translation>
    </message>
    <message>
        <source>The source changed on disk during the conversion</source>
        <translation>转换期间源文件在磁盘上发生了变化</translation>
    </message>
    <message>
        <source>The conversion failed</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Skipped: %1 already exists</source>
        <translation>已跳过：%1 已存在</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Total Files: %1</source>
        <translation>文件总数：%1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>总时长：%1</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>已找到文件：%1</translation>
    </message>
    <message>
        <source>Adding file %1 of %2</source>
        <translation>正在添加第 %1 个文件，共 %2 个</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... 以及其他 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be opened:</source>
        <translation>
            <numerusform>%n 个文件无法打开：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read:</source>
        <translation>
            <numerusform>%n 个文件夹无法读取：</numerusform>
        </translation>
    </message>
    <message>
        <source>No media files were found in %1.</source>
        <translation>在 %1 中未找到媒体文件。</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>视频尺寸</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>视频编解码器</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>音频编解码器</translation>
    </message>
</context>
<context>
    <name>GridItems</name>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>允许</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>First</source>
        <translation>第一条</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Burn In</source>
        <translation>烧录</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Filename Extension</source>
        <translation>文件扩展名</translation>
    </message>
    <message>
        <source>Keep File Date</source>
        <translation>保留文件日期</translation>
    </message>
    <message>
        <source>Give the output file the modification date of the source file</source>
        <translation>让输出文件沿用源文件的修改日期</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>视频比特率</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>设置视频比特率，单位为 bps（比特每秒）</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>帧率（FPS）</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>设置每秒显示的帧数。帧率越高，播放越流畅</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>按播放设备的屏幕比例设置宽度与高度之比</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>裁剪视频</translation>
    </message>
    <message>
        <source>Crop the input video</source>
        <translation>裁剪输入视频</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左侧</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右侧</translation>
    </message>
    <message>
        <source>Vertically Flip</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Flip the input video vertically</source>
        <translation>垂直翻转输入视频</translation>
    </message>
    <message>
        <source>Horizontally Flip</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip the input video horizontally</source>
        <translation>水平翻转输入视频</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Rotate the video xx degrees clockwise. Valid number is from -270 to 270</source>
        <translation>将视频顺时针旋转 xx 度。有效数值为 -270 到 270</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Never: a video smaller than the chosen size keeps its own size instead of being enlarged</source>
        <translation>从不：小于所选尺寸的视频保持原有尺寸，不会被放大</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>音频比特率</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>设置音频比特率，单位为 bps（比特每秒）</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>设置音频采样频率（每秒的采样数）</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>设置音频声道数。1 - 单声道，2 - 立体声</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>All: every audio track (other languages, commentary) where the format can hold several. First: only the main one</source>
        <translation>全部：格式支持多条音轨时，保留每一条音轨（其他语言、解说）。第一条：只保留主音轨</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>去除音频</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Keep: subtitle tracks go into the output where the format can hold them. Burn In: the default text track is drawn into the picture. None: left out</source>
        <translation>保留：格式支持时，将字幕轨写入输出文件。烧录：将默认文字字幕轨绘制到画面中。无：去掉字幕</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Subtitle Settings</source>
        <translation>字幕设置</translation>
    </message>
    <message>
        <source>digits, optionally ending in k</source>
        <translation>数字，可以 k 结尾</translation>
    </message>
    <message>
        <source>digits, in Hz</source>
        <translation>数字，单位为 Hz</translation>
    </message>
    <message>
        <source>a number above 0</source>
        <translation>大于 0 的数</translation>
    </message>
    <message>
        <source>width:height in whole numbers, such as 16:9</source>
        <translation>宽:高，均为整数，例如 16:9</translation>
    </message>
    <message>
        <source>whole degrees from -270 to 270</source>
        <translation>-270 到 270 之间的整数度数</translation>
    </message>
    <message>
        <source>pixels, 0 or more</source>
        <translation>像素数，0 或更大</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot;.</source>
        <translation>%1：“%2”已被替换为“%3”。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot; (it takes %4).</source>
        <translation>%1：“%2”已被替换为“%3”（可接受的值：%4）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual video bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>“%1”即 %1 bit/s，远低于常见的视频比特率。您是否想输入“%1k”？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual audio bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>“%1”即 %1 bit/s，远低于常见的音频比特率。您是否想输入“%1k”？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).</source>
        <translation>“%1”即 %1 Hz，远低于常见的采样率（8000 Hz 及以上，最常见的是 44100 或 48000）。</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>恒定质量</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>始终</translation>
    </message>
    <message>
        <source>Video Quality Mode</source>
        <translation>视频质量模式</translation>
    </message>
    <message>
        <source>Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one picture quality and the size follows the content (the video bitrate is then not used)</source>
        <translation>比特率：由视频比特率决定文件大小。恒定质量：编码器保持同一画面质量，文件大小随内容而变（此时不使用视频比特率）</translation>
    </message>
    <message>
        <source>Constant Quality</source>
        <translation>恒定质量</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the encoder&apos;s own scale: lower is better</source>
        <translation>恒定质量模式下保持的画面质量，使用编码器自身的数值范围：数值越小越好</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>去隔行</translation>
    </message>
    <message>
        <source>Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: only sources found to be interlaced. Always: every source</source>
        <translation>将摄像机或电视隔行画面的两个场合成为完整的画面。自动：仅处理检测为隔行的源文件。始终：处理所有源文件</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning</source>
        <translation>输出从源文件的哪个位置开始：hh:mm:ss.fff 或秒数。留空：从头开始</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end</source>
        <translation>输出持续多长时间：hh:mm:ss.fff 或秒数。留空：直到结尾</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time, so the whole file is kept (it takes hh:mm:ss.fff or seconds, such as 1:30.5 or 90.5%3).</source>
        <translation>%1：“%2”不是时间，因此保留整个文件（可接受的值：hh:mm:ss.fff 或秒数，例如 1:30.5 或 90.5%3）。</translation>
    </message>
    <message>
        <source>, above 0</source>
        <translation>，且须大于 0</translation>
    </message>
    <message>
        <source>This format&apos;s video encoder has no constant quality mode: it always uses the video bitrate</source>
        <translation>此格式的视频编码器没有恒定质量模式：始终使用视频比特率</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the %1 scale from %2 (best, largest files) to %3 (worst, smallest files): lower is better. Starts at %4</source>
        <translation>恒定质量模式下保持的画面质量，使用 %1 的数值范围，从 %2（最好，文件最大）到 %3（最差，文件最小）：数值越小越好。初始值为 %4</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list in a sentence, such as &quot;2 converted, 1 failed&quot;.</extracomment>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Video lib not found</source>
        <translation>未找到视频库</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>是否访问我们的网站，查看是否有新版本发布？</translation>
    </message>
    <message>
        <source>Please add file to the list.</source>
        <translation>请向列表中添加文件。</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Stop converting and quit?</source>
        <translation>停止转换并退出？</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>待转换的文件</translation>
    </message>
    <message>
        <source>Enter plays the selected file; Alt+Up and Alt+Down move it</source>
        <translation>按 Enter 播放所选文件；按 Alt+Up 和 Alt+Down 移动它</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>All Supported Media Files</source>
        <translation>所有支持的媒体文件</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>所有支持的音频文件</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>所有支持的视频文件</translation>
    </message>
</context>
<context>
    <name>OutputEstimate</name>
    <message>
        <source>depends on the content</source>
        <translation>取决于内容</translation>
    </message>
    <message>
        <source>about %1 KB</source>
        <translation>约 %1 KB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>约 %1 MB</translation>
    </message>
</context>
<context>
    <name>OutputFolders</name>
    <message>
        <source>Create %1?</source>
        <translation>创建 %1？</translation>
    </message>
    <message>
        <source>The folder could not be created:
%1</source>
        <translation>无法创建文件夹：
%1</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <source>High (larger file size)</source>
        <translation>高（文件较大）</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>低（文件较小）</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>保留两者</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>输出设置</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>视频尺寸：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>视频质量：</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>音频质量：</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPU 核心数：</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>目标文件夹：</translation>
    </message>
    <message>
        <source>If the output file exists</source>
        <translation>输出文件已存在时</translation>
    </message>
    <message>
        <source>&amp;More &gt;&gt;</source>
        <translation>更多(&amp;M) &gt;&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标文件夹</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>&amp;More &lt;&lt;</source>
        <translation>更多(&amp;M) &lt;&lt;</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>打开输出配置菜单</translation>
    </message>
    <message>
        <source>Custom... lets you type the width and height</source>
        <translation>选择“自定义...”可输入宽度和高度</translation>
    </message>
    <message>
        <source>How many files are converted at the same time</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <source>The folder the converted files are written to</source>
        <translation>转换后的文件所保存到的文件夹</translation>
    </message>
    <message>
        <source>What happens when a file of the same name is already there</source>
        <translation>已存在同名文件时如何处理</translation>
    </message>
    <message>
        <source>Shows or hides the advanced settings</source>
        <translation>显示或隐藏高级设置</translation>
    </message>
    <message>
        <source>Size note</source>
        <translation>尺寸说明</translation>
    </message>
    <message>
        <source>Save as &amp;Preset…</source>
        <translation>另存为预设(&amp;P)…</translation>
    </message>
</context>
<context>
    <name>OutputSizes</name>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>自定义...</translation>
    </message>
    <message>
        <source>an empty box</source>
        <translation>空值</translation>
    </message>
    <message>
        <source>%1: %2 was replaced by &quot;%3&quot; (it takes an even number from %4 to %5).</source>
        <extracomment>%1 is &quot;Width&quot; or &quot;Height&quot;, %2 the typed value in quotes or &quot;an empty box&quot;.</extracomment>
        <translation>%1：%2 已被替换为 &quot;%3&quot;（可接受 %4 到 %5 之间的偶数）。</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>未找到视频库</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Press Space to turn the sound off or on</source>
        <translation>按空格键关闭或打开声音</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview 10 s</source>
        <translation>预览 10 秒</translation>
    </message>
    <message>
        <source>Cancel Preview</source>
        <translation>取消预览</translation>
    </message>
    <message>
        <source>Convert 10 seconds from the middle of %1 with these settings and play them</source>
        <translation>用这些设置转换 %1 中间的 10 秒并播放</translation>
    </message>
    <message>
        <source>Select a file in the list to preview these settings on it</source>
        <translation>在列表中选择一个文件，即可用它预览这些设置</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>无法预览：%1</translation>
    </message>
    <message>
        <source>Preview: %1 KB for %2 s, %3 kbit/s</source>
        <translation>预览：%1 KB，%2 秒，%3 kbit/s</translation>
    </message>
</context>
<context>
    <name>PreviewRun</name>
    <message>
        <source>A preview is already being made</source>
        <translation>已有一个预览正在生成</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder for the preview: %1</source>
        <translation>无法为预览创建临时文件夹：%1</translation>
    </message>
    <message>
        <source>The output format is unknown</source>
        <translation>输出格式未知</translation>
    </message>
</context>
<context>
    <name>ProbePool</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>这是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, pipe or socket).</source>
        <translation>这不是普通文件（而是设备、管道或套接字）。</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>AAC - Advanced Audio Coding Files (*.aac)</source>
        <translation>AAC - Advanced Audio Coding 文件 (*.aac)</translation>
    </message>
    <message>
        <source>AC3 - Audio Coding 3 (*.ac3)</source>
        <translation>AC3 - Audio Coding 3 (*.ac3)</translation>
    </message>
    <message>
        <source>AIFF - Audio InterChange File Format (*.aiff)</source>
        <translation>AIFF - Audio Interchange File Format (*.aiff)</translation>
    </message>
    <message>
        <source>FLAC - Free Lossless Audio Codec (*.flac)</source>
        <translation>FLAC - Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>M4A - MPEG-4 Audio (*.m4a)</source>
        <translation>M4A - MPEG-4 音频 (*.m4a)</translation>
    </message>
    <message>
        <source>MP2 - MPEG Layer-2 Audio (*.mp2)</source>
        <translation>MP2 - MPEG Layer-2 音频 (*.mp2)</translation>
    </message>
    <message>
        <source>MP3 - MPEG Layer-3 Audio (*.mp3)</source>
        <translation>MP3 - MPEG Layer-3 音频 (*.mp3)</translation>
    </message>
    <message>
        <source>OGG - Ogg Vorbis Audio (*.ogg)</source>
        <translation>OGG - Ogg Vorbis 音频 (*.ogg)</translation>
    </message>
    <message>
        <source>RA - Real Audio (*.ra)</source>
        <translation>RA - Real Audio (*.ra)</translation>
    </message>
    <message>
        <source>WAV - Waveform Audio (*.wav)</source>
        <translation>WAV - Waveform 音频 (*.wav)</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - 3GP 格式 (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - AVI Xvid 格式 (*.avi)</translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation>F4V - Flash 视频 (*.f4v)</translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation>FLV - Flash 视频 (*.flv)</translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation>MKV - Matroska 视频 (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - QuickTime 视频 (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - H264 视频 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - MPEG-4 视频 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - MPEG-1 视频 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - MPEG-2 视频 (*.mpg)</translation>
    </message>
    <message>
        <source>RM - Real Video (*.rm)</source>
        <translation>RM - Real Video (*.rm)</translation>
    </message>
    <message>
        <source>SWF - Shock Wave Flash (*.swf)</source>
        <translation>SWF - Shockwave Flash (*.swf)</translation>
    </message>
    <message>
        <source>VOB - DVD Video Object (*.vob)</source>
        <translation>VOB - DVD Video Object (*.vob)</translation>
    </message>
    <message>
        <source>WebM - WebM Video (*.webm)</source>
        <translation>WebM - WebM 视频 (*.webm)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 - HEVC Video (*.mp4)</source>
        <translation>MP4 - HEVC 视频 (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9 Video + Opus Audio (*.webm)</source>
        <translation>WebM - VP9 视频 + Opus 音频 (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1 Video + Opus Audio (*.mkv)</source>
        <translation>MKV - AV1 视频 + Opus 音频 (*.mkv)</translation>
    </message>
    <message>
        <source>WebM - AV1 Video + Opus Audio (*.webm)</source>
        <translation>WebM - AV1 视频 + Opus 音频 (*.webm)</translation>
    </message>
    <message>
        <source>MKV - H264 Video + AAC Audio, All Tracks (*.mkv)</source>
        <translation>MKV - H264 视频 + AAC 音频，全部轨道 (*.mkv)</translation>
    </message>
    <message>
        <source>Opus - Opus Audio (*.opus)</source>
        <translation>Opus - Opus 音频 (*.opus)</translation>
    </message>
    <message>
        <source>Phone - H264 Video 1080p</source>
        <translation>手机 - H264 视频 1080p</translation>
    </message>
    <message>
        <source>Phone - HEVC Video 1080p</source>
        <translation>手机 - HEVC 视频 1080p</translation>
    </message>
    <message>
        <source>TV - H264 Video 1080p</source>
        <translation>电视 - H264 视频 1080p</translation>
    </message>
    <message>
        <source>TV - HEVC Video 4K</source>
        <translation>电视 - HEVC 视频 4K</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>高清视频</translation>
    </message>
    <message>
        <source>PMP</source>
        <extracomment>Portable media players (Archos, Creative ZEN, iRiver, Zune).</extracomment>
        <translation>便携式播放器</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>网络视频</translation>
    </message>
    <message>
        <source>General Audio Format</source>
        <translation>常用音频格式</translation>
    </message>
    <message>
        <source>General Video Format</source>
        <translation>常用视频格式</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>新式格式</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>打开输出文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>输出文件名</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>%1 converted with problems: %2</source>
        <translation>%1 已转换，但有问题：%2</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>OK - %1</source>
        <translation>成功 - %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Stop converting?</source>
        <translation>停止转换？</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>已用时间：%1</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>剩余时间：%1</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>转换进度</translation>
    </message>
    <message>
        <source>One row per file: output name, progress and status</source>
        <translation>每个文件一行：输出文件名、进度和状态</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Stops the conversion, or closes the window once it has ended</source>
        <translation>停止转换；转换结束后则关闭此窗口</translation>
    </message>
    <message>
        <source>Opens the folder the converted files are written to</source>
        <translation>打开转换后的文件所在的文件夹</translation>
    </message>
    <message>
        <source>Estimated Size</source>
        <translation>预计大小</translation>
    </message>
</context>
<context>
    <name>QueueConversion</name>
    <message>
        <source>%1 cannot be converted: the output format is unknown.</source>
        <translation>无法转换 %1：输出格式未知。</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>无效的路径！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>RowTexts</name>
    <message>
        <source>Audio tracks: %1, subtitle tracks: %2</source>
        <translation>音轨：%1，字幕轨：%2</translation>
    </message>
    <message>
        <source>Can not open file: 
%1

Error: 
%2</source>
        <translation>无法打开文件： 
%1

错误： 
%2</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>interlaced</source>
        <translation>隔行扫描</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n 个已转换</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with problems)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1（%n 个有问题）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n 个已跳过</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>%n 个已取消</numerusform>
        </translation>
    </message>
    <message>
        <source>Canceled after %1 of %2</source>
        <translation>已取消，已完成 %1/%2</translation>
    </message>
    <message>
        <source>Convert Finished!</source>
        <translation>转换完成！</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>没有要转换的文件</translation>
    </message>
    <message>
        <source>Convert Finished. Click here to open the output folder</source>
        <translation>转换完成。单击此处打开输出文件夹</translation>
    </message>
    <message>
        <source>%1. Nothing was converted.</source>
        <translation>%1。没有转换任何文件。</translation>
    </message>
    <message>
        <source>%1. Click here to open the output folder</source>
        <translation>%1。单击此处打开输出文件夹</translation>
    </message>
</context>
<context>
    <name>SettingsGrid</name>
    <message>
        <source>Advanced settings</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>F2 edits the selected value; Space switches a yes-or-no value</source>
        <translation>按 F2 编辑所选值；按空格键切换“是/否”值</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No web browser could be started. The address is:
%1</source>
        <translation>无法启动网页浏览器。网址为：
%1</translation>
    </message>
    <message>
        <source>This does not exist (any more):
%1</source>
        <translation>该项不存在（或已被删除）：
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this folder. It is here:
%1</source>
        <translation>无法启动用于显示此文件夹的程序。它位于：
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this file. It is here:
%1</source>
        <translation>无法启动用于显示此文件的程序。它位于：
%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>picture size</source>
        <translation>画面尺寸</translation>
    </message>
    <message>
        <source>video bitrate</source>
        <translation>视频比特率</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>音频比特率</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>声道数</translation>
    </message>
    <message>
        <source>aspect</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>crop, flip or rotate setting</source>
        <translation>裁剪、翻转或旋转设置</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>视频编解码器</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>音频编解码器</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>左 %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>右 %1</translation>
    </message>
    <message>
        <source>top %1</source>
        <translation>上 %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>下 %1</translation>
    </message>
    <message>
        <source>The crop margins (%1) are larger than the picture (%2×%3) of %4. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>裁剪边距（%1）大于 %4 的画面（%2×%3）。请在高级设置的“裁剪视频”中减小边距。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the %2 &quot;%3&quot; cannot be used for it. Choose another value in the output settings.</source>
        <extracomment>%1 is a file name, %2 a setting such as &quot;video bitrate&quot;, %3 its value.</extracomment>
        <translation>无法转换 %1：%2“%3”不适用于该文件。请在输出设置中选择其他值。</translation>
    </message>
    <message>
        <source>The crop margins are larger than the picture of %1. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>裁剪边距大于 %1 的画面。请在高级设置的“裁剪视频”中减小边距。</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>无法转换 %1：%2</translation>
    </message>
    <message>
        <source>Please try to convert it to another format.</source>
        <translation>请尝试转换为其他格式。</translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>正在读取文件，请稍候...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
</TS>
