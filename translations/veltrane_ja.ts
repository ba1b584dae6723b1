<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown option</source>
        <translation>%1: 不明なオプションです</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: 値は指定できません</translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation>%1: 値が必要です</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: 複数回指定されています</translation>
    </message>
    <message>
        <source>Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.</source>
        <translation>使い方: veltrane-convert [オプション] FILE|FOLDER... -o FOLDER
  または:  veltrane-convert [オプション] FILE -o OUTPUT_FILE
  または:  veltrane-convert [オプション] --files-from LIST -o FOLDER
Veltrane Video Converter のプロファイルと設定でメディアファイルを変換します。</translation>
    </message>
    <message>
        <source>Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line (&quot;-&quot;: standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0)</source>
        <translation>入力:
  --files-from LIST         LIST に書かれたファイルとフォルダーも変換する
                            (1 行に 1 つ。&quot;-&quot;: 標準入力)
  -0, --null                LIST の名前は NUL バイトで終わる (find -print0)</translation>
    </message>
    <message>
        <source>Results go to standard output; failures, warnings and errors to standard error.</source>
        <translation>結果は標準出力に、失敗・警告・エラーは標準エラー出力に出力されます。</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</source>
        <translation>終了ステータス: 0 すべて変換した (またはスキップ)、1 一部が失敗、
2 使い方の誤り、128+N 未完成の出力を削除した後にシグナル N で終了
(130 Ctrl-C、143 SIGTERM、129 SIGHUP)。</translation>
    </message>
    <message>
        <source>a bitrate from 1 to 1000000k bits per second</source>
        <translation>1 から 1000000k ビット/秒までのビットレート</translation>
    </message>
    <message>
        <source>a frame rate from 0.01 to 1000</source>
        <translation>0.01 から 1000 までのフレームレート</translation>
    </message>
    <message>
        <source>a sample rate from 1000 to 384000 Hz</source>
        <translation>1000 から 384000 Hz までのサンプリングレート</translation>
    </message>
    <message>
        <source>an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100</source>
        <translation>A と B が 1 から 100000、A/B が 0.01 から 100 のアスペクト比 A:B</translation>
    </message>
    <message>
        <source>converted: %1 -&gt; %2</source>
        <translation>変換済み: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>skipped: %1: %2</source>
        <translation>スキップ: %1: %2</translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation>中止: %1</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>失敗: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>警告: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file:</source>
        <translation>
            <numerusform>ファイル %n 個:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files:</source>
        <translation>
            <numerusform>ファイル %n 個:</numerusform>
        </translation>
    </message>
    <message>
        <source>(interrupted)</source>
        <translation>(中断)</translation>
    </message>
    <message>
        <source>Can not open file: %1</source>
        <translation>ファイルを開けません: %1</translation>
    </message>
    <message>
        <source>unknown output format</source>
        <translation>出力形式が不明です</translation>
    </message>
    <message>
        <source>Cannot convert. %1</source>
        <translation>変換できません。%1</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not WxH (such as 640x480) or auto</source>
        <translation>--size: &quot;%1&quot; は WxH (640x480 など) でも auto でもありません</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not four numbers L,T,R,B</source>
        <translation>--crop: &quot;%1&quot; は 4 つの数値 L,T,R,B ではありません</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not a whole number of pixels from 0 to %2</source>
        <translation>--crop: &quot;%1&quot; は 0 から %2 までの整数のピクセル数ではありません</translation>
    </message>
    <message>
        <source>--rotate: &quot;%1&quot; is not a whole number of degrees from -270 to 270</source>
        <translation>--rotate: &quot;%1&quot; は -270 から 270 までの整数の角度ではありません</translation>
    </message>
    <message>
        <source>--channels: &quot;%1&quot; is not 1, 2 or auto</source>
        <translation>--channels: &quot;%1&quot; は 1、2、auto のいずれでもありません</translation>
    </message>
    <message>
        <source>a bitrate: digits, optionally ending in k</source>
        <translation>ビットレート (数字、末尾に k も可)</translation>
    </message>
    <message>
        <source>a sample rate: digits</source>
        <translation>サンプリングレート (数字)</translation>
    </message>
    <message>
        <source>a frame rate: a positive number</source>
        <translation>フレームレート (正の数)</translation>
    </message>
    <message>
        <source>an aspect: digits:digits</source>
        <translation>アスペクト比 (数字:数字)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not %3</source>
        <translation>%1: &quot;%2&quot; は %3 ではありません</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>--format: give either --profile or --format, not both</source>
        <translation>--format: --profile と --format はどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not a format key (%2)</source>
        <translation>--format: &quot;%1&quot; は形式のキーではありません (%2)</translation>
    </message>
    <message>
        <source>%1: the audio format %2 has no picture settings</source>
        <translation>%1: オーディオ形式 %2 には映像の設定がありません</translation>
    </message>
    <message>
        <source>--video-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--video-quality: &quot;%1&quot; は high、normal、low のいずれでもありません</translation>
    </message>
    <message>
        <source>--audio-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--audio-quality: &quot;%1&quot; は high、normal、low のいずれでもありません</translation>
    </message>
    <message>
        <source>--profile: no profile matches &quot;%1&quot; (see --list-profiles)</source>
        <translation>--profile: &quot;%1&quot; に一致するプロファイルがありません (--list-profiles を参照)</translation>
    </message>
    <message>
        <source>--if-exists: &quot;%1&quot; is not keep-both, overwrite or skip</source>
        <translation>--if-exists: &quot;%1&quot; は keep-both、overwrite、skip のいずれでもありません</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: &quot;%1&quot; は 1 から %2 までの数値ではありません</translation>
    </message>
    <message>
        <source>-o: an output folder is needed</source>
        <translation>-o: 出力フォルダーが必要です</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder</source>
        <translation>-o: &quot;%1&quot; は既存のフォルダーではありません</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: そのようなファイルやフォルダーはありません</translation>
    </message>
    <message>
        <source>cannot read folder %1 (skipped)</source>
        <translation>フォルダー %1 を読み込めません (スキップしました)</translation>
    </message>
    <message>
        <source>Try &apos;veltrane-convert --help&apos;.</source>
        <translation>詳しくは &apos;veltrane-convert --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>--files-from: %1: cannot be read</source>
        <translation>--files-from: %1: 読み込めません</translation>
    </message>
    <message>
        <source>-q: give -q or -v, not both</source>
        <translation>-q: -q と -v はどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>-0: only with --files-from</source>
        <translation>-0: --files-from と一緒にのみ使用できます</translation>
    </message>
    <message>
        <source>-: to read the names from standard input, give --files-from -</source>
        <translation>-: 標準入力から名前を読み込むには --files-from - を指定してください</translation>
    </message>
    <message>
        <source>no input files or folders</source>
        <translation>入力ファイルまたはフォルダーがありません</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder (a file name is taken for one source only)</source>
        <translation>-o: &quot;%1&quot; は既存のフォルダーではありません (ファイル名を指定できるのは変換元が 1 つの場合のみです)</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>ビデオライブラリが見つかりません</translation>
    </message>
    <message numerus="yes">
        <source>Overall %1%  %2/%n files  %3x real time  %4 left</source>
        <translation>
            <numerusform>全体 %1%  %2/%n ファイル  %3 倍速  残り %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--profile: &quot;%1&quot; matches %n profiles:</source>
        <translation>
            <numerusform>--profile: &quot;%1&quot; は %n 個のプロファイルに一致します:</numerusform>
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
        <translation>出力:
  -o, --output FOLDER       変換後のファイルを置く既存のフォルダー。変換元が
                            1 つだけなら、その出力のファイル名も指定できる
  --profile TEXT            ID、正確な表示名、または表示名の一意な一部で
                            プロファイルを指定 (大文字と小文字は区別しない)。
                            既定は &quot;MP4 - H264 Video (*.mp4)&quot;
  --format KEY              プロファイルの代わりに出力形式のキーを指定
                            (mp4h264, mp3, ...)
  --preset NAME|FILE        ウィンドウで保存したプリセット (&quot;マイプリセット&quot;)、
                            またはプリセットファイル (既存のファイル、または
                            &quot;/&quot; を含む任意のテキスト) から開始する。ここで
                            指定したオプションはその上に適用される
  --settings-from-window    ウィンドウ版が最後に保存した設定から開始する
                            (プロファイル、サイズ、品質、詳細設定の値。
                            クロップ、反転、回転は除く)。ここで指定した
                            オプションはその上に適用される
  --list-profiles           PROFILE_COUNT 個のプロファイルを一覧表示して終了する:
                            ID、表示名、メニューのパス、キー、拡張子
                            (--json の場合はオブジェクトの配列)
  --keep-tree               指定した各フォルダー (同じ名前) とサブフォルダーを
                            出力フォルダーの下に再作成する
  --if-exists MODE          keep-both (既定: &quot;name (1).ext&quot;)、overwrite、skip</translation>
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
        <translation>映像と音声 (出力設定ダイアログと同じ):
  --size WxH|auto           映像サイズ。奇数や範囲外のサイズは補正される
  --video-quality Q         high、normal または low (0、1、2 も可)
  --audio-quality Q         high、normal または low
  --vb RATE                 ビデオビットレート: 数字、末尾に k も可 (&quot;1500k&quot;)
  --ab RATE                 オーディオビットレート (&quot;128k&quot;)
  --fps FPS                 フレームレート (&quot;29.97&quot;)
  --aspect A:B              表示アスペクト比 (&quot;16:9&quot;)
  --crop L,T,R,B            左、上、右、下から取り除くピクセル数
  --vflip, --hflip          映像を上下 / 左右に反転する
  --rotate DEG              時計回りの回転角度 (-270 から 270)
  --rate HZ                 オーディオのサンプリングレート (&quot;44100&quot;)
  --channels N              1、2 または auto
  --no-audio                音声を含めない
  --audio-tracks all|first  全オーディオトラックを残すか、最初のみにする
  --subtitles keep|burn|none  字幕トラックをコピーする、最初の字幕を
                            映像に焼き込む、または含めない
  --keep-date, --no-keep-date  出力に変換元の更新日時を付ける (既定)
  --upscale, --no-upscale   変換元より大きい映像サイズを許可する (既定)
  --crf N                   ビットレートの代わりに固定品質を使う。値が小さいほど
                            高画質。範囲: H.264 0-51 (通常 22)、HEVC 0-51 (28)、
                            VP9 0-63 (32)、AV1 0-63 (30)。他のエンコーダーを
                            使う形式では指定できない
  --deinterlace MODE        off (既定)、auto (インターレースと判定された変換元)
                            または always
  --start T                 変換元の T の位置から出力を始める
                            (hh:mm:ss.fff または秒数)
  --duration T              出力の長さを T にする (hh:mm:ss.fff または秒数)
  値をとる各オプションは、ダイアログで &quot;自動&quot; を選べる項目では
  &quot;auto&quot; も受け付けます。</translation>
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
        <translation>実行:
  -j, --jobs N              同時に変換するファイル数 (既定: プロセッサー数)
  --dry-run                 各変換元、出力パス、オプション文字列、推定出力サイズを
                            表示し、何も変換しない
  --json                    イベントごとに 1 つの JSON オブジェクトを標準出力へ
                            出力する (スキーマ 1)
  -q, --quiet               失敗とエラーのみ表示する
  -v, --verbose             メディアライブラリの警告も表示する (-vv: 情報も)
  -h, --help                このヘルプを表示する
  --version                 プログラムのバージョンを表示する</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not for the format %2, whose encoder has no constant quality mode (H.264, HEVC, VP9 and AV1 formats have one)</source>
        <translation>--crf: &quot;%1&quot; は形式 %2 には指定できません。この形式のエンコーダーには固定品質モードがありません (H.264、HEVC、VP9、AV1 の形式にはあります)</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not a quality from %2 (best) to %3 for %4</source>
        <translation>--crf: &quot;%1&quot; は %4 の %2 (最高) から %3 までの品質値ではありません</translation>
    </message>
    <message>
        <source>--start: &quot;%1&quot; is not a time (hh:mm:ss.fff or seconds)</source>
        <translation>--start: &quot;%1&quot; は時間 (hh:mm:ss.fff または秒数) ではありません</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a length above 0 (hh:mm:ss.fff or seconds)</source>
        <translation>--duration: &quot;%1&quot; は 0 より大きい長さ (hh:mm:ss.fff または秒数) ではありません</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>サイズ不明</translation>
    </message>
    <message>
        <source>size %1</source>
        <translation>サイズ %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>変換済み %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with warnings)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (警告あり %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, %3, %4, %5 in %6 s</source>
        <extracomment>%1 is &quot;N files:&quot;, %2 &quot;N converted&quot;, %3 &quot;N failed&quot;, %4 &quot;N skipped&quot;, %5 &quot;N stopped&quot;, %6 the seconds the whole run took.</extracomment>
        <translation>%1 %2、%3、%4、%5 (%6 秒)</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>スキップ %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>中止 %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s title, shown where the window lists its bars.</extracomment>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>その他のコマンド</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: converts video and audio files. Files and folders named here are added to the list;
when the program is already running, they are added to its window.</source>
        <translation>%1: ビデオとオーディオのファイルを変換します。ここで指定したファイルと
フォルダーはリストに追加されます。プログラムが既に実行中の場合は、
そのウィンドウに追加されます。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Media files, or folders to search for media files.</source>
        <translation>メディアファイル、またはメディアファイルを検索するフォルダー。</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>詳しくは &apos;--help&apos; を参照してください。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Convert Files</source>
        <translation>ファイルを変換</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>選択を反転</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>選択したファイルをリストから削除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>ヘルプの目次</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Play (Enter or a double-click on a row)</source>
        <translation>再生 (Enter キーまたは行をダブルクリック)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Up (Alt+Up)</source>
        <translation>上へ移動 (Alt+Up)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Move Down (Alt+Down)</source>
        <translation>下へ移動 (Alt+Down)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>名前の変更…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>削除…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>インポート…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>My Presets</source>
        <translation>マイプリセット</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Not a media file, or the file is damaged</source>
        <translation>メディアファイルではないか、ファイルが破損しています</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>The file holds no audio or video</source>
        <translation>ファイルにオーディオもビデオも含まれていません</translation>
    </message>
    <message>
        <source>Reading the file timed out</source>
        <translation>ファイルの読み込みがタイムアウトしました</translation>
    </message>
    <message>
        <source>The path is a folder, not a file</source>
        <translation>パスはファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>The path is not a regular file</source>
        <translation>パスは通常のファイルではありません</translation>
    </message>
    <message>
        <source>The file refers to other files, which are not read</source>
        <translation>ファイルが他のファイルを参照していますが、それらは読み込まれません</translation>
    </message>
    <message>
        <source>The source changed on disk during the conversion</source>
        <translation>変換中にディスク上の変換元ファイルが変更されました</translation>
    </message>
    <message>
        <source>The conversion failed</source>
        <translation>変換に失敗しました</translation>
    </message>
    <message>
        <source>Skipped: %1 already exists</source>
        <translation>スキップしました: %1 は既に存在します</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Total Files: %1</source>
        <translation>ファイル数: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>合計時間: %1</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>見つかったファイル: %1</translation>
    </message>
    <message>
        <source>Adding file %1 of %2</source>
        <translation>ファイルを追加中 (%1 / %2)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be opened:</source>
        <translation>
            <numerusform>%n 個のファイルを開けませんでした:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read:</source>
        <translation>
            <numerusform>%n 個のフォルダーを読み込めませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>No media files were found in %1.</source>
        <translation>%1 にメディアファイルが見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>ビデオサイズ</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>ビデオコーデック</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>オーディオコーデック</translation>
    </message>
</context>
<context>
    <name>GridItems</name>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>許可</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>First</source>
        <translation>最初のみ</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Burn In</source>
        <translation>焼き込み</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Filename Extension</source>
        <translation>ファイル拡張子</translation>
    </message>
    <message>
        <source>Keep File Date</source>
        <translation>ファイルの日時を保持</translation>
    </message>
    <message>
        <source>Give the output file the modification date of the source file</source>
        <translation>出力ファイルに変換元ファイルの更新日時を設定します</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>ビデオビットレート</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>ビデオのビットレートを bps (ビット/秒) で設定します</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>フレームレート (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>1 秒間に表示するフレーム数を設定します。フレームレートが高いほど再生が滑らかになります</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>再生機器の画面に合わせて幅と高さの比率を設定します</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>ビデオをクロップ</translation>
    </message>
    <message>
        <source>Crop the input video</source>
        <translation>入力ビデオをクロップします</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Vertically Flip</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Flip the input video vertically</source>
        <translation>入力ビデオを上下に反転します</translation>
    </message>
    <message>
        <source>Horizontally Flip</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip the input video horizontally</source>
        <translation>入力ビデオを左右に反転します</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Rotate the video xx degrees clockwise. Valid number is from -270 to 270</source>
        <translation>ビデオを時計回りに xx 度回転します。有効な値は -270 から 270 です</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>アップスケール</translation>
    </message>
    <message>
        <source>Never: a video smaller than the chosen size keeps its own size instead of being enlarged</source>
        <translation>しない: 選択したサイズより小さいビデオは、拡大されずに元のサイズのままになります</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>オーディオビットレート</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>オーディオのビットレートを bps (ビット/秒) で設定します</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>サンプリングレート</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>オーディオのサンプリング周波数 (1 秒あたりのサンプル数) を設定します</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>オーディオのチャンネル数を設定します。1 - モノラル、2 - ステレオ</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>オーディオトラック</translation>
    </message>
    <message>
        <source>All: every audio track (other languages, commentary) where the format can hold several. First: only the main one</source>
        <translation>すべて: 形式が複数のトラックを格納できる場合は、すべてのオーディオトラック (他の言語、解説など) を含めます。最初のみ: メインのトラックだけを含めます</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>オーディオを削除</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Keep: subtitle tracks go into the output where the format can hold them. Burn In: the default text track is drawn into the picture. None: left out</source>
        <translation>保持: 形式が字幕トラックを格納できる場合は、出力に含めます。焼き込み: 既定のテキストトラックを映像に描画します。なし: 含めません</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>出力ファイル</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>ビデオ設定</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>オーディオ設定</translation>
    </message>
    <message>
        <source>Subtitle Settings</source>
        <translation>字幕設定</translation>
    </message>
    <message>
        <source>digits, optionally ending in k</source>
        <translation>数字、末尾に k も可</translation>
    </message>
    <message>
        <source>digits, in Hz</source>
        <translation>数字、Hz 単位</translation>
    </message>
    <message>
        <source>a number above 0</source>
        <translation>0 より大きい数値</translation>
    </message>
    <message>
        <source>width:height in whole numbers, such as 16:9</source>
        <translation>幅:高さ を整数で (16:9 など)</translation>
    </message>
    <message>
        <source>whole degrees from -270 to 270</source>
        <translation>-270 から 270 までの整数の角度</translation>
    </message>
    <message>
        <source>pixels, 0 or more</source>
        <translation>ピクセル数、0 以上</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot;.</source>
        <translation>%1: 「%2」を「%3」に置き換えました。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot; (it takes %4).</source>
        <translation>%1: 「%2」を「%3」に置き換えました (指定できる値: %4)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual video bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>「%1」は %1 bit/s で、通常のビデオビットレートよりはるかに低い値です。「%1k」のつもりでしたか?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual audio bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>「%1」は %1 bit/s で、通常のオーディオビットレートよりはるかに低い値です。「%1k」のつもりでしたか?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).</source>
        <translation>「%1」は %1 Hz で、通常のサンプリングレート (8000 Hz 以上、多くは 44100 または 48000) よりはるかに低い値です。</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>固定品質</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>常に</translation>
    </message>
    <message>
        <source>Video Quality Mode</source>
        <translation>ビデオ品質モード</translation>
    </message>
    <message>
        <source>Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one picture quality and the size follows the content (the video bitrate is then not used)</source>
        <translation>ビットレート: ビデオビットレートでファイルサイズが決まります。固定品質: エンコーダーが一定の画質を保ち、サイズは内容に応じて変わります (この場合、ビデオビットレートは使用されません)</translation>
    </message>
    <message>
        <source>Constant Quality</source>
        <translation>固定品質</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the encoder&apos;s own scale: lower is better</source>
        <translation>固定品質モードで保つ画質です。エンコーダー独自の尺度で、値が小さいほど高画質になります</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>インターレース解除</translation>
    </message>
    <message>
        <source>Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: only sources found to be interlaced. Always: every source</source>
        <translation>ビデオカメラやテレビのインターレース映像の 2 つのフィールドを、完全な 1 枚の映像にします。自動: インターレースと判定された変換元のみ。常に: すべての変換元</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning</source>
        <translation>変換元のどの位置から出力を始めるか: hh:mm:ss.fff または秒数。空欄: 先頭から</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end</source>
        <translation>出力の長さ: hh:mm:ss.fff または秒数。空欄: 最後まで</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time, so the whole file is kept (it takes hh:mm:ss.fff or seconds, such as 1:30.5 or 90.5%3).</source>
        <translation>%1: 「%2」は時間ではないため、ファイル全体を残します (指定できる値: 1:30.5 や 90.5 のような hh:mm:ss.fff または秒数%3)。</translation>
    </message>
    <message>
        <source>, above 0</source>
        <translation>で、0 より大きい値</translation>
    </message>
    <message>
        <source>This format&apos;s video encoder has no constant quality mode: it always uses the video bitrate</source>
        <translation>この形式のビデオエンコーダーには固定品質モードがありません。常にビデオビットレートを使用します</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the %1 scale from %2 (best, largest files) to %3 (worst, smallest files): lower is better. Starts at %4</source>
        <translation>固定品質モードで保つ画質です。%1 の尺度で %2 (最高画質、ファイル最大) から %3 (最低画質、ファイル最小) まで、値が小さいほど高画質になります。初期値は %4</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list in a sentence, such as &quot;2 converted, 1 failed&quot;.</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Video lib not found</source>
        <translation>ビデオライブラリが見つかりません</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>ウェブサイトで新しいバージョンが公開されているか確認しますか?</translation>
    </message>
    <message>
        <source>Please add file to the list.</source>
        <translation>リストにファイルを追加してください。</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>終了しますか?</translation>
    </message>
    <message>
        <source>Stop converting and quit?</source>
        <translation>変換を中止して終了しますか?</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>変換するファイル</translation>
    </message>
    <message>
        <source>Enter plays the selected file; Alt+Up and Alt+Down move it</source>
        <translation>Enter キーで選択したファイルを再生し、Alt+Up と Alt+Down で移動します</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>All Supported Media Files</source>
        <translation>サポートされているすべてのメディアファイル</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>サポートされているすべてのオーディオファイル</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>サポートされているすべてのビデオファイル</translation>
    </message>
</context>
<context>
    <name>OutputEstimate</name>
    <message>
        <source>depends on the content</source>
        <translation>内容によって異なる</translation>
    </message>
    <message>
        <source>about %1 KB</source>
        <translation>約 %1 KB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>約 %1 MB</translation>
    </message>
</context>
<context>
    <name>OutputFolders</name>
    <message>
        <source>Create %1?</source>
        <translation>%1 を作成しますか?</translation>
    </message>
    <message>
        <source>The folder could not be created:
%1</source>
        <translation>フォルダーを作成できませんでした:
%1</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <source>High (larger file size)</source>
        <translation>高 (ファイルサイズ大)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>低 (ファイルサイズ小)</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>両方を保持</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>出力設定</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>出力形式:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>ビデオサイズ:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>ビデオ品質:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>オーディオ品質:</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPU コア数:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>If the output file exists</source>
        <translation>出力ファイルが既に存在する場合</translation>
    </message>
    <message>
        <source>&amp;More &gt;&gt;</source>
        <translation>詳細(&amp;M) &gt;&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>&amp;More &lt;&lt;</source>
        <translation>詳細(&amp;M) &lt;&lt;</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>出力プロファイルのメニューを開きます</translation>
    </message>
    <message>
        <source>Custom... lets you type the width and height</source>
        <translation>「カスタム...」を選ぶと幅と高さを入力できます</translation>
    </message>
    <message>
        <source>How many files are converted at the same time</source>
        <translation>同時に変換するファイルの数</translation>
    </message>
    <message>
        <source>The folder the converted files are written to</source>
        <translation>変換したファイルの書き込み先フォルダー</translation>
    </message>
    <message>
        <source>What happens when a file of the same name is already there</source>
        <translation>同じ名前のファイルが既にある場合の動作</translation>
    </message>
    <message>
        <source>Shows or hides the advanced settings</source>
        <translation>詳細設定の表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Size note</source>
        <translation>サイズに関する注記</translation>
    </message>
    <message>
        <source>Save as &amp;Preset…</source>
        <translation>プリセットとして保存(&amp;P)…</translation>
    </message>
</context>
<context>
    <name>OutputSizes</name>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>カスタム...</translation>
    </message>
    <message>
        <source>an empty box</source>
        <translation>空の欄</translation>
    </message>
    <message>
        <source>%1: %2 was replaced by &quot;%3&quot; (it takes an even number from %4 to %5).</source>
        <extracomment>%1 is &quot;Width&quot; or &quot;Height&quot;, %2 the typed value in quotes or &quot;an empty box&quot;.</extracomment>
        <translation>%1: %2 を「%3」に置き換えました (%4 から %5 までの偶数を指定できます)。</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>ビデオライブラリが見つかりません</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Press Space to turn the sound off or on</source>
        <translation>Space キーで音声のオン/オフを切り替えます</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>ミュート解除</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview 10 s</source>
        <translation>10 秒プレビュー</translation>
    </message>
    <message>
        <source>Cancel Preview</source>
        <translation>プレビューをキャンセル</translation>
    </message>
    <message>
        <source>Convert 10 seconds from the middle of %1 with these settings and play them</source>
        <translation>%1 の中ほどの 10 秒をこの設定で変換して再生します</translation>
    </message>
    <message>
        <source>Select a file in the list to preview these settings on it</source>
        <translation>この設定をプレビューするには、リストでファイルを選択してください</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>プレビューできません: %1</translation>
    </message>
    <message>
        <source>Preview: %1 KB for %2 s, %3 kbit/s</source>
        <translation>プレビュー: %1 KB (%2 秒)、%3 kbit/s</translation>
    </message>
</context>
<context>
    <name>PreviewRun</name>
    <message>
        <source>A preview is already being made</source>
        <translation>プレビューは既に作成中です</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder for the preview: %1</source>
        <translation>プレビュー用の一時フォルダーを作成できません: %1</translation>
    </message>
    <message>
        <source>The output format is unknown</source>
        <translation>出力形式が不明です</translation>
    </message>
</context>
<context>
    <name>ProbePool</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>これはファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, pipe or socket).</source>
        <translation>これは通常のファイルではありません (デバイス、パイプ、ソケットのいずれかです)。</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>AAC - Advanced Audio Coding Files (*.aac)</source>
        <translation>AAC - Advanced Audio Coding ファイル (*.aac)</translation>
    </message>
    <message>
        <source>AC3 - Audio Coding 3 (*.ac3)</source>
        <translation>AC3 - Audio Coding 3 (*.ac3)</translation>
    </message>
    <message>
        <source>AIFF - Audio InterChange File Format (*.aiff)</source>
        <translation>AIFF - Audio InterChange File Format (*.aiff)</translation>
    </message>
    <message>
        <source>FLAC - Free Lossless Audio Codec (*.flac)</source>
        <translation>FLAC - Free Lossless Audio Codec (*.flac)</translation>
    </message>
    <message>
        <source>M4A - MPEG-4 Audio (*.m4a)</source>
        <translation>M4A - MPEG-4 オーディオ (*.m4a)</translation>
    </message>
    <message>
        <source>MP2 - MPEG Layer-2 Audio (*.mp2)</source>
        <translation>MP2 - MPEG Layer-2 オーディオ (*.mp2)</translation>
    </message>
    <message>
        <source>MP3 - MPEG Layer-3 Audio (*.mp3)</source>
        <translation>MP3 - MPEG Layer-3 オーディオ (*.mp3)</translation>
    </message>
    <message>
        <source>OGG - Ogg Vorbis Audio (*.ogg)</source>
        <translation>OGG - Ogg Vorbis オーディオ (*.ogg)</translation>
    </message>
    <message>
        <source>RA - Real Audio (*.ra)</source>
        <translation>RA - Real Audio (*.ra)</translation>
    </message>
    <message>
        <source>WAV - Waveform Audio (*.wav)</source>
        <translation>WAV - Waveform Audio (*.wav)</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - 3GP 形式 (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - AVI Xvid 形式 (*.avi)</translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation>F4V - Flash ビデオ (*.f4v)</translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation>FLV - Flash ビデオ (*.flv)</translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation>MKV - Matroska ビデオ (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - QuickTime ビデオ (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - H264 ビデオ (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - MPEG-4 ビデオ (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - MPEG-1 ビデオ (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - MPEG-2 ビデオ (*.mpg)</translation>
    </message>
    <message>
        <source>RM - Real Video (*.rm)</source>
        <translation>RM - Real Video (*.rm)</translation>
    </message>
    <message>
        <source>SWF - Shock Wave Flash (*.swf)</source>
        <translation>SWF - Shock Wave Flash (*.swf)</translation>
    </message>
    <message>
        <source>VOB - DVD Video Object (*.vob)</source>
        <translation>VOB - DVD Video Object (*.vob)</translation>
    </message>
    <message>
        <source>WebM - WebM Video (*.webm)</source>
        <translation>WebM - WebM ビデオ (*.webm)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 - HEVC Video (*.mp4)</source>
        <translation>MP4 - HEVC ビデオ (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9 Video + Opus Audio (*.webm)</source>
        <translation>WebM - VP9 ビデオ + Opus オーディオ (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1 Video + Opus Audio (*.mkv)</source>
        <translation>MKV - AV1 ビデオ + Opus オーディオ (*.mkv)</translation>
    </message>
    <message>
        <source>WebM - AV1 Video + Opus Audio (*.webm)</source>
        <translation>WebM - AV1 ビデオ + Opus オーディオ (*.webm)</translation>
    </message>
    <message>
        <source>MKV - H264 Video + AAC Audio, All Tracks (*.mkv)</source>
        <translation>MKV - H264 ビデオ + AAC オーディオ、全トラック (*.mkv)</translation>
    </message>
    <message>
        <source>Opus - Opus Audio (*.opus)</source>
        <translation>Opus - Opus オーディオ (*.opus)</translation>
    </message>
    <message>
        <source>Phone - H264 Video 1080p</source>
        <translation>スマートフォン - H264 ビデオ 1080p</translation>
    </message>
    <message>
        <source>Phone - HEVC Video 1080p</source>
        <translation>スマートフォン - HEVC ビデオ 1080p</translation>
    </message>
    <message>
        <source>TV - H264 Video 1080p</source>
        <translation>テレビ - H264 ビデオ 1080p</translation>
    </message>
    <message>
        <source>TV - HEVC Video 4K</source>
        <translation>テレビ - HEVC ビデオ 4K</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD ビデオ</translation>
    </message>
    <message>
        <source>PMP</source>
        <extracomment>Portable media players (Archos, Creative ZEN, iRiver, Zune).</extracomment>
        <translation>携帯メディアプレーヤー</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>ウェブビデオ</translation>
    </message>
    <message>
        <source>General Audio Format</source>
        <translation>一般的なオーディオ形式</translation>
    </message>
    <message>
        <source>General Video Format</source>
        <translation>一般的なビデオ形式</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>新しい形式</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>出力フォルダーを開く(&amp;O)</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>出力ファイル名</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>%1 converted with problems: %2</source>
        <translation>%1 は変換されましたが、問題があります: %2</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>変換中...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK - %1</source>
        <translation>OK - %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Stop converting?</source>
        <translation>変換を中止しますか?</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>経過時間: %1</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>残り時間: %1</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>変換の進行状況</translation>
    </message>
    <message>
        <source>One row per file: output name, progress and status</source>
        <translation>ファイルごとに 1 行: 出力ファイル名、進行状況、状態</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Stops the conversion, or closes the window once it has ended</source>
        <translation>変換を中止します。終了後はウィンドウを閉じます</translation>
    </message>
    <message>
        <source>Opens the folder the converted files are written to</source>
        <translation>変換したファイルの書き込み先フォルダーを開きます</translation>
    </message>
    <message>
        <source>Estimated Size</source>
        <translation>推定サイズ</translation>
    </message>
</context>
<context>
    <name>QueueConversion</name>
    <message>
        <source>%1 cannot be converted: the output format is unknown.</source>
        <translation>%1 は変換できません: 出力形式が不明です。</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>無効なパスです!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>RowTexts</name>
    <message>
        <source>Audio tracks: %1, subtitle tracks: %2</source>
        <translation>オーディオトラック: %1、字幕トラック: %2</translation>
    </message>
    <message>
        <source>Can not open file: 
%1

Error: 
%2</source>
        <translation>ファイルを開けません: 
%1

エラー: 
%2</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>該当なし</translation>
    </message>
    <message>
        <source>interlaced</source>
        <translation>インターレース</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>変換済み %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with problems)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (問題あり %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>スキップ %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>キャンセル %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Canceled after %1 of %2</source>
        <translation>%2 件中 %1 件の処理後にキャンセルしました</translation>
    </message>
    <message>
        <source>Convert Finished!</source>
        <translation>変換が完了しました!</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>変換するものがありません</translation>
    </message>
    <message>
        <source>Convert Finished. Click here to open the output folder</source>
        <translation>変換が完了しました。ここをクリックすると出力フォルダーを開きます</translation>
    </message>
    <message>
        <source>%1. Nothing was converted.</source>
        <translation>%1。何も変換されませんでした。</translation>
    </message>
    <message>
        <source>%1. Click here to open the output folder</source>
        <translation>%1。ここをクリックすると出力フォルダーを開きます</translation>
    </message>
</context>
<context>
    <name>SettingsGrid</name>
    <message>
        <source>Advanced settings</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>F2 edits the selected value; Space switches a yes-or-no value</source>
        <translation>F2 キーで選択した値を編集し、Space キーで「はい/いいえ」の値を切り替えます</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No web browser could be started. The address is:
%1</source>
        <translation>ウェブブラウザーを起動できませんでした。アドレス:
%1</translation>
    </message>
    <message>
        <source>This does not exist (any more):
%1</source>
        <translation>これは (もう) 存在しません:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this folder. It is here:
%1</source>
        <translation>このフォルダーを表示するプログラムを起動できませんでした。場所:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this file. It is here:
%1</source>
        <translation>このファイルを表示するプログラムを起動できませんでした。場所:
%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>picture size</source>
        <translation>映像サイズ</translation>
    </message>
    <message>
        <source>video bitrate</source>
        <translation>ビデオビットレート</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>オーディオビットレート</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>サンプリングレート</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>チャンネル数</translation>
    </message>
    <message>
        <source>aspect</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>crop, flip or rotate setting</source>
        <translation>クロップ、反転、回転の設定</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>ビデオコーデック</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>オーディオコーデック</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>出力形式</translation>
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
        <translation>クロップの余白 (%1) が %4 の映像 (%2×%3) より大きくなっています。詳細設定の「ビデオをクロップ」で小さくしてください。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the %2 &quot;%3&quot; cannot be used for it. Choose another value in the output settings.</source>
        <extracomment>%1 is a file name, %2 a setting such as &quot;video bitrate&quot;, %3 its value.</extracomment>
        <translation>%1 は変換できません: %2「%3」はこのファイルには使用できません。出力設定で別の値を選択してください。</translation>
    </message>
    <message>
        <source>The crop margins are larger than the picture of %1. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>クロップの余白が %1 の映像より大きくなっています。詳細設定の「ビデオをクロップ」で小さくしてください。</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>%1 は変換できません: %2</translation>
    </message>
    <message>
        <source>Please try to convert it to another format.</source>
        <translation>別の形式への変換をお試しください。</translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>ファイルを読み込んでいます。お待ちください...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
</TS>
