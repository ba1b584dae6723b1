<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown option</source>
        <translation>%1: opción desconocida</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: no admite ningún valor</translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation>%1: necesita un valor</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: indicada más de una vez</translation>
    </message>
    <message>
        <source>Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.</source>
        <translation>Uso:  veltrane-convert [opciones] ARCHIVO|CARPETA... -o CARPETA
  o:  veltrane-convert [opciones] ARCHIVO -o ARCHIVO_SALIDA
  o:  veltrane-convert [opciones] --files-from LISTA -o CARPETA
Convierte archivos multimedia con los perfiles y la configuración de Veltrane Video Converter.</translation>
    </message>
    <message>
        <source>Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line (&quot;-&quot;: standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0)</source>
        <translation>Entrada:
  --files-from LISTA        convierte también los archivos y carpetas indicados en LISTA,
                            uno por línea (&quot;-&quot;: entrada estándar)
  -0, --null                los nombres de LISTA terminan en un byte NUL (find -print0)</translation>
    </message>
    <message>
        <source>Results go to standard output; failures, warnings and errors to standard error.</source>
        <translation>Los resultados van a la salida estándar; los fallos, advertencias y errores, a la salida de
error estándar.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</source>
        <translation>Estado de salida: 0 todo convertido (u omitido), 1 algunos fallaron, 2 uso incorrecto,
128+N terminado por la señal N tras eliminar las salidas sin terminar (130 Ctrl-C,
143 SIGTERM, 129 SIGHUP).</translation>
    </message>
    <message>
        <source>a bitrate from 1 to 1000000k bits per second</source>
        <translation>una tasa de bits de 1 a 1000000k bits por segundo</translation>
    </message>
    <message>
        <source>a frame rate from 0.01 to 1000</source>
        <translation>una velocidad de fotogramas de 0.01 a 1000</translation>
    </message>
    <message>
        <source>a sample rate from 1000 to 384000 Hz</source>
        <translation>una frecuencia de muestreo de 1000 a 384000 Hz</translation>
    </message>
    <message>
        <source>an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100</source>
        <translation>una relación de aspecto A:B con A y B de 1 a 100000 y A/B de 0.01 a 100</translation>
    </message>
    <message>
        <source>converted: %1 -&gt; %2</source>
        <translation>convertido: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>skipped: %1: %2</source>
        <translation>omitido: %1: %2</translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation>detenido: %1</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>fallido: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>advertencia: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file:</source>
        <translation>
            <numerusform>%n archivo:</numerusform>
            <numerusform>%n archivos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files:</source>
        <translation>
            <numerusform>%n archivo:</numerusform>
            <numerusform>%n archivos:</numerusform>
        </translation>
    </message>
    <message>
        <source>(interrupted)</source>
        <translation>(interrumpido)</translation>
    </message>
    <message>
        <source>Can not open file: %1</source>
        <translation>No se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>unknown output format</source>
        <translation>formato de salida desconocido</translation>
    </message>
    <message>
        <source>Cannot convert. %1</source>
        <translation>No se puede convertir. %1</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not WxH (such as 640x480) or auto</source>
        <translation>--size: &quot;%1&quot; no es ANCHOxALTO (como 640x480) ni auto</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not four numbers L,T,R,B</source>
        <translation>--crop: &quot;%1&quot; no son cuatro números IZQ,SUP,DER,INF</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not a whole number of pixels from 0 to %2</source>
        <translation>--crop: &quot;%1&quot; no es un número entero de píxeles de 0 a %2</translation>
    </message>
    <message>
        <source>--rotate: &quot;%1&quot; is not a whole number of degrees from -270 to 270</source>
        <translation>--rotate: &quot;%1&quot; no es un número entero de grados de -270 a 270</translation>
    </message>
    <message>
        <source>--channels: &quot;%1&quot; is not 1, 2 or auto</source>
        <translation>--channels: &quot;%1&quot; no es 1, 2 ni auto</translation>
    </message>
    <message>
        <source>a bitrate: digits, optionally ending in k</source>
        <translation>una tasa de bits: cifras, opcionalmente terminadas en k</translation>
    </message>
    <message>
        <source>a sample rate: digits</source>
        <translation>una frecuencia de muestreo: cifras</translation>
    </message>
    <message>
        <source>a frame rate: a positive number</source>
        <translation>una velocidad de fotogramas: un número positivo</translation>
    </message>
    <message>
        <source>an aspect: digits:digits</source>
        <translation>una relación de aspecto: cifras:cifras</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not %3</source>
        <translation>%1: &quot;%2&quot; no es %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>--format: give either --profile or --format, not both</source>
        <translation>--format: indique --profile o --format, no ambos</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not a format key (%2)</source>
        <translation>--format: &quot;%1&quot; no es una clave de formato (%2)</translation>
    </message>
    <message>
        <source>%1: the audio format %2 has no picture settings</source>
        <translation>%1: el formato de audio %2 no tiene ajustes de imagen</translation>
    </message>
    <message>
        <source>--video-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--video-quality: &quot;%1&quot; no es high, normal ni low</translation>
    </message>
    <message>
        <source>--audio-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--audio-quality: &quot;%1&quot; no es high, normal ni low</translation>
    </message>
    <message>
        <source>--profile: no profile matches &quot;%1&quot; (see --list-profiles)</source>
        <translation>--profile: ningún perfil coincide con &quot;%1&quot; (consulte --list-profiles)</translation>
    </message>
    <message>
        <source>--if-exists: &quot;%1&quot; is not keep-both, overwrite or skip</source>
        <translation>--if-exists: &quot;%1&quot; no es keep-both, overwrite ni skip</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: &quot;%1&quot; no es un número de 1 a %2</translation>
    </message>
    <message>
        <source>-o: an output folder is needed</source>
        <translation>-o: se necesita una carpeta de salida</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder</source>
        <translation>-o: &quot;%1&quot; no es una carpeta existente</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>cannot read folder %1 (skipped)</source>
        <translation>no se puede leer la carpeta %1 (omitida)</translation>
    </message>
    <message>
        <source>Try &apos;veltrane-convert --help&apos;.</source>
        <translation>Pruebe &apos;veltrane-convert --help&apos;.</translation>
    </message>
    <message>
        <source>--files-from: %1: cannot be read</source>
        <translation>--files-from: %1: no se puede leer</translation>
    </message>
    <message>
        <source>-q: give -q or -v, not both</source>
        <translation>-q: indique -q o -v, no ambos</translation>
    </message>
    <message>
        <source>-0: only with --files-from</source>
        <translation>-0: solo junto con --files-from</translation>
    </message>
    <message>
        <source>-: to read the names from standard input, give --files-from -</source>
        <translation>-: para leer los nombres de la entrada estándar, indique --files-from -</translation>
    </message>
    <message>
        <source>no input files or folders</source>
        <translation>no hay archivos ni carpetas de entrada</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder (a file name is taken for one source only)</source>
        <translation>-o: &quot;%1&quot; no es una carpeta existente (un nombre de archivo solo vale para un único origen)</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>No se encontró la biblioteca de vídeo</translation>
    </message>
    <message numerus="yes">
        <source>Overall %1%  %2/%n files  %3x real time  %4 left</source>
        <translation>
            <numerusform>Total %1%  %2/%n archivo  %3x tiempo real  quedan %4</numerusform>
            <numerusform>Total %1%  %2/%n archivos  %3x tiempo real  quedan %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--profile: &quot;%1&quot; matches %n profiles:</source>
        <translation>
            <numerusform>--profile: &quot;%1&quot; coincide con %n perfil:</numerusform>
            <numerusform>--profile: &quot;%1&quot; coincide con %n perfiles:</numerusform>
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
        <translation>Salida:
  -o, --output CARPETA      carpeta existente que recibe los archivos convertidos; con
                            exactamente un origen, un nombre de archivo para su salida
  --profile TEXTO           perfil por id, por título exacto o por una parte única de un
                            título (sin distinguir mayúsculas); predeterminado
                            &quot;MP4 - H264 Video (*.mp4)&quot;
  --format CLAVE            clave de formato de salida en lugar de un perfil
                            (mp4h264, mp3, ...)
  --preset NOMBRE|ARCHIVO   parte de un preajuste guardado en la ventana (&quot;Mis preajustes&quot;)
                            o de un archivo de preajuste (un archivo existente, o cualquier
                            texto con una &quot;/&quot;); las opciones indicadas aquí se aplican
                            encima
  --settings-from-window    parte de la configuración que el programa de ventana guardó por
                            última vez (perfil, tamaño, calidades, valores de la cuadrícula;
                            no el recorte, el volteo ni el giro); las opciones indicadas
                            aquí se aplican encima
  --list-profiles           lista los PROFILE_COUNT perfiles: id, título, ruta del menú,
                            clave y extensión (con --json: una matriz de objetos) y termina
  --keep-tree               recrea cada carpeta indicada (por su nombre) y sus subcarpetas
                            dentro de la carpeta de salida
  --if-exists MODO          keep-both (predeterminado: &quot;nombre (1).ext&quot;), overwrite o skip</translation>
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
        <translation>Imagen y sonido (como en el diálogo de configuración de salida):
  --size ANCHOxALTO|auto    tamaño de imagen; los tamaños impares o fuera de rango se
                            corrigen
  --video-quality Q         high, normal o low (también 0, 1, 2)
  --audio-quality Q         high, normal o low
  --vb TASA                 tasa de bits de vídeo: cifras, opcionalmente terminadas en k
                            (&quot;1500k&quot;)
  --ab TASA                 tasa de bits de audio (&quot;128k&quot;)
  --fps FPS                 velocidad de fotogramas (&quot;29.97&quot;)
  --aspect A:B              relación de aspecto de la imagen (&quot;16:9&quot;)
  --crop IZQ,SUP,DER,INF    píxeles que se quitan por la izquierda, arriba, derecha y abajo
  --vflip, --hflip          voltea la imagen vertical / horizontalmente
  --rotate GRADOS           grados en sentido horario, de -270 a 270
  --rate HZ                 frecuencia de muestreo del audio (&quot;44100&quot;)
  --channels N              1, 2 o auto
  --no-audio                omite el sonido
  --audio-tracks all|first  conserva todas las pistas de sonido o solo la primera
  --subtitles keep|burn|none  copia las pistas de subtítulos, incrusta la primera en la imagen
                            o las omite
  --keep-date, --no-keep-date  da a la salida la fecha de modificación del origen
                            (predeterminado)
  --upscale, --no-upscale   permite un tamaño de imagen mayor que el del origen
                            (predeterminado)
  --crf N                   calidad constante en lugar de una tasa de bits; cuanto menor,
                            mejor. Escalas: H.264 0-51 (normalmente 22), HEVC 0-51 (28),
                            VP9 0-63 (32), AV1 0-63 (30); los formatos con otros
                            codificadores no la admiten
  --deinterlace MODO        off (predeterminado), auto (orígenes detectados como
                            entrelazados) o always
  --start T                 empieza la salida en T del origen (hh:mm:ss.fff o segundos)
  --duration T              hace que la salida dure T (hh:mm:ss.fff o segundos)
  Cada opción con valor admite también &quot;auto&quot; donde el diálogo ofrece &quot;Auto&quot;.</translation>
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
        <translation>Ejecución:
  -j, --jobs N              archivos que se convierten a la vez (predeterminado: el número
                            de procesadores)
  --dry-run                 muestra cada origen, su ruta de salida, su cadena de opciones y
                            el tamaño de salida estimado; no convierte nada
  --json                    un objeto JSON por evento en la salida estándar (esquema 1)
  -q, --quiet               muestra solo los fallos y los errores
  -v, --verbose             muestra también las advertencias de las bibliotecas multimedia
                            (-vv: información)
  -h, --help                este texto
  --version                 versión del programa</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not for the format %2, whose encoder has no constant quality mode (H.264, HEVC, VP9 and AV1 formats have one)</source>
        <translation>--crf: &quot;%1&quot; no sirve para el formato %2, cuyo codificador no tiene modo de calidad constante (los formatos H.264, HEVC, VP9 y AV1 lo tienen)</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not a quality from %2 (best) to %3 for %4</source>
        <translation>--crf: &quot;%1&quot; no es una calidad de %2 (la mejor) a %3 para %4</translation>
    </message>
    <message>
        <source>--start: &quot;%1&quot; is not a time (hh:mm:ss.fff or seconds)</source>
        <translation>--start: &quot;%1&quot; no es un tiempo (hh:mm:ss.fff o segundos)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a length above 0 (hh:mm:ss.fff or seconds)</source>
        <translation>--duration: &quot;%1&quot; no es una duración mayor que 0 (hh:mm:ss.fff o segundos)</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>tamaño desconocido</translation>
    </message>
    <message>
        <source>size %1</source>
        <translation>tamaño %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n convertido</numerusform>
            <numerusform>%n convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with warnings)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (%n con advertencias)</numerusform>
            <numerusform>%1 (%n con advertencias)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, %3, %4, %5 in %6 s</source>
        <extracomment>%1 is &quot;N files:&quot;, %2 &quot;N converted&quot;, %3 &quot;N failed&quot;, %4 &quot;N skipped&quot;, %5 &quot;N stopped&quot;, %6 the seconds the whole run took.</extracomment>
        <translation>%1 %2, %3, %4, %5 en %6 s</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallido</numerusform>
            <numerusform>%n fallidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n omitido</numerusform>
            <numerusform>%n omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n detenido</numerusform>
            <numerusform>%n detenidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s title, shown where the window lists its bars.</extracomment>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Más órdenes</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: converts video and audio files. Files and folders named here are added to the list;
when the program is already running, they are added to its window.</source>
        <translation>%1: convierte archivos de vídeo y audio. Los archivos y carpetas indicados aquí se añaden a la lista;
si el programa ya está en ejecución, se añaden a su ventana.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Media files, or folders to search for media files.</source>
        <translation>Archivos multimedia, o carpetas en las que buscar archivos multimedia.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Pruebe &apos;--help&apos; para obtener más información.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Convert Files</source>
        <translation>Convertir archivos</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Invertir selección</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Quitar los archivos seleccionados</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Contenido de la ayuda</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play (Enter or a double-click on a row)</source>
        <translation>Reproducir (Intro o doble clic en una fila)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Up (Alt+Up)</source>
        <translation>Subir (Alt+Arriba)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move Down (Alt+Down)</source>
        <translation>Bajar (Alt+Abajo)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renombrar…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>My Presets</source>
        <translation>Mis preajustes</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Not a media file, or the file is damaged</source>
        <translation>No es un archivo multimedia, o el archivo está dañado</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>El archivo está vacío</translation>
    </message>
    <message>
        <source>The file holds no audio or video</source>
        <translation>El archivo no contiene audio ni vídeo</translation>
    </message>
    <message>
        <source>Reading the file timed out</source>
        <translation>Se agotó el tiempo de lectura del archivo</translation>
    </message>
    <message>
        <source>The path is a folder, not a file</source>
        <translation>La ruta es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>The path is not a regular file</source>
        <translation>La ruta no es un archivo normal</translation>
    </message>
    <message>
        <source>The file refers to other files, which are not read</source>
        <translation>El archivo hace referencia a otros archivos, que no se leen</translation>
    </message>
    <message>
        <source>The source changed on disk during the conversion</source>
        <translation>El origen cambió en el disco durante la conversión</translation>
    </message>
    <message>
        <source>The conversion failed</source>
        <translation>La conversión falló</translation>
    </message>
    <message>
        <source>Skipped: %1 already exists</source>
        <translation>Omitido: %1 ya existe</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Total Files: %1</source>
        <translation>Total de archivos: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>Duración total: %1</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Archivos encontrados: %1</translation>
    </message>
    <message>
        <source>Adding file %1 of %2</source>
        <translation>Añadiendo el archivo %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be opened:</source>
        <translation>
            <numerusform>No se pudo abrir %n archivo:</numerusform>
            <numerusform>No se pudieron abrir %n archivos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read:</source>
        <translation>
            <numerusform>No se pudo leer %n carpeta:</numerusform>
            <numerusform>No se pudieron leer %n carpetas:</numerusform>
        </translation>
    </message>
    <message>
        <source>No media files were found in %1.</source>
        <translation>No se encontraron archivos multimedia en %1.</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Códec vídeo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Códec audio</translation>
    </message>
</context>
<context>
    <name>GridItems</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Burn In</source>
        <translation>Incrustar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Filename Extension</source>
        <translation>Extensión del archivo</translation>
    </message>
    <message>
        <source>Keep File Date</source>
        <translation>Conservar fecha del archivo</translation>
    </message>
    <message>
        <source>Give the output file the modification date of the source file</source>
        <translation>Da al archivo de salida la fecha de modificación del archivo de origen</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Establece la tasa de bits de vídeo en bps (bits por segundo)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Velocidad de fotogramas (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Establece cuántos fotogramas se muestran por segundo. Una velocidad de fotogramas mayor hace más fluida la reproducción</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Establece la relación entre anchura y altura según la pantalla de su dispositivo de reproducción</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>Crop the input video</source>
        <translation>Recorta el vídeo de entrada</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Vertically Flip</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Flip the input video vertically</source>
        <translation>Voltea el vídeo de entrada verticalmente</translation>
    </message>
    <message>
        <source>Horizontally Flip</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip the input video horizontally</source>
        <translation>Voltea el vídeo de entrada horizontalmente</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Rotate the video xx degrees clockwise. Valid number is from -270 to 270</source>
        <translation>Gira el vídeo xx grados en sentido horario. Los valores válidos van de -270 a 270</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Never: a video smaller than the chosen size keeps its own size instead of being enlarged</source>
        <translation>Nunca: un vídeo más pequeño que el tamaño elegido conserva su propio tamaño en lugar de ampliarse</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Tasa de bits de audio</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Establece la tasa de bits de audio en bps (bits por segundo)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Establece la frecuencia de muestreo del audio (el número de muestras por segundo)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Establece el número de canales de audio. 1 - Mono, 2 - Estéreo</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>Pistas de audio</translation>
    </message>
    <message>
        <source>All: every audio track (other languages, commentary) where the format can hold several. First: only the main one</source>
        <translation>Todas: cada pista de audio (otros idiomas, comentarios) donde el formato admite varias. Primera: solo la principal</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Quitar audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Keep: subtitle tracks go into the output where the format can hold them. Burn In: the default text track is drawn into the picture. None: left out</source>
        <translation>Conservar: las pistas de subtítulos pasan a la salida donde el formato las admite. Incrustar: la pista de texto predeterminada se dibuja en la imagen. Ninguno: se omiten</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Archivo de salida</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Configuración de vídeo</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Configuración de audio</translation>
    </message>
    <message>
        <source>Subtitle Settings</source>
        <translation>Configuración de subtítulos</translation>
    </message>
    <message>
        <source>digits, optionally ending in k</source>
        <translation>cifras, opcionalmente terminadas en k</translation>
    </message>
    <message>
        <source>digits, in Hz</source>
        <translation>cifras, en Hz</translation>
    </message>
    <message>
        <source>a number above 0</source>
        <translation>un número mayor que 0</translation>
    </message>
    <message>
        <source>width:height in whole numbers, such as 16:9</source>
        <translation>anchura:altura en números enteros, como 16:9</translation>
    </message>
    <message>
        <source>whole degrees from -270 to 270</source>
        <translation>grados enteros de -270 a 270</translation>
    </message>
    <message>
        <source>pixels, 0 or more</source>
        <translation>píxeles, 0 o más</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot;.</source>
        <translation>%1: &quot;%2&quot; se sustituyó por &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot; (it takes %4).</source>
        <translation>%1: &quot;%2&quot; se sustituyó por &quot;%3&quot; (admite %4).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual video bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>&quot;%1&quot; son %1 bit/s, muy por debajo de las tasas de bits de vídeo habituales. ¿Quería decir &quot;%1k&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual audio bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>&quot;%1&quot; son %1 bit/s, muy por debajo de las tasas de bits de audio habituales. ¿Quería decir &quot;%1k&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).</source>
        <translation>&quot;%1&quot; son %1 Hz, muy por debajo de las frecuencias de muestreo habituales (8000 Hz o más, normalmente 44100 o 48000).</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Calidad constante</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Video Quality Mode</source>
        <translation>Modo de calidad de vídeo</translation>
    </message>
    <message>
        <source>Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one picture quality and the size follows the content (the video bitrate is then not used)</source>
        <translation>Tasa de bits: la tasa de bits de vídeo determina el tamaño del archivo. Calidad constante: el codificador mantiene una misma calidad de imagen y el tamaño depende del contenido (entonces no se usa la tasa de bits de vídeo)</translation>
    </message>
    <message>
        <source>Constant Quality</source>
        <translation>Calidad constante</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the encoder&apos;s own scale: lower is better</source>
        <translation>La calidad de imagen que se mantiene en el modo de calidad constante, en la escala propia del codificador: cuanto menor, mejor</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelazar</translation>
    </message>
    <message>
        <source>Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: only sources found to be interlaced. Always: every source</source>
        <translation>Convierte los dos campos de las imágenes entrelazadas de videocámara o televisión en imágenes completas. Auto: solo los orígenes detectados como entrelazados. Siempre: todos los orígenes</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning</source>
        <translation>Dónde empieza la salida dentro del origen: hh:mm:ss.fff o segundos. Vacío: desde el principio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end</source>
        <translation>Cuánto dura la salida: hh:mm:ss.fff o segundos. Vacío: hasta el final</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time, so the whole file is kept (it takes hh:mm:ss.fff or seconds, such as 1:30.5 or 90.5%3).</source>
        <translation>%1: &quot;%2&quot; no es un tiempo, así que se conserva el archivo completo (admite hh:mm:ss.fff o segundos, como 1:30.5 o 90.5%3).</translation>
    </message>
    <message>
        <source>, above 0</source>
        <translation>, mayor que 0</translation>
    </message>
    <message>
        <source>This format&apos;s video encoder has no constant quality mode: it always uses the video bitrate</source>
        <translation>El codificador de vídeo de este formato no tiene modo de calidad constante: siempre usa la tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the %1 scale from %2 (best, largest files) to %3 (worst, smallest files): lower is better. Starts at %4</source>
        <translation>La calidad de imagen que se mantiene en el modo de calidad constante, en la escala de %1 de %2 (la mejor, archivos más grandes) a %3 (la peor, archivos más pequeños): cuanto menor, mejor. Empieza en %4</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list in a sentence, such as &quot;2 converted, 1 failed&quot;.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Video lib not found</source>
        <translation>No se encontró la biblioteca de vídeo</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>¿Quiere visitar nuestro sitio web para comprobar si hay una versión nueva?</translation>
    </message>
    <message>
        <source>Please add file to the list.</source>
        <translation>Añada archivos a la lista.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>¿Quiere salir?</translation>
    </message>
    <message>
        <source>Stop converting and quit?</source>
        <translation>¿Detener la conversión y salir?</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos que convertir</translation>
    </message>
    <message>
        <source>Enter plays the selected file; Alt+Up and Alt+Down move it</source>
        <translation>Intro reproduce el archivo seleccionado; Alt+Arriba y Alt+Abajo lo mueven</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>All Supported Media Files</source>
        <translation>Todos los archivos multimedia admitidos</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Todos los archivos de audio admitidos</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Todos los archivos de vídeo admitidos</translation>
    </message>
</context>
<context>
    <name>OutputEstimate</name>
    <message>
        <source>depends on the content</source>
        <translation>depende del contenido</translation>
    </message>
    <message>
        <source>about %1 KB</source>
        <translation>unos %1 KB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>unos %1 MB</translation>
    </message>
</context>
<context>
    <name>OutputFolders</name>
    <message>
        <source>Create %1?</source>
        <translation>¿Crear %1?</translation>
    </message>
    <message>
        <source>The folder could not be created:
%1</source>
        <translation>No se pudo crear la carpeta:
%1</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <source>High (larger file size)</source>
        <translation>Alta (archivo más grande)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Baja (archivo más pequeño)</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Configuración de salida</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Anchura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Calidad de vídeo:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Calidad de audio:</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>Núcleos de CPU:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>If the output file exists</source>
        <translation>Si el archivo de salida existe</translation>
    </message>
    <message>
        <source>&amp;More &gt;&gt;</source>
        <translation>&amp;Más &gt;&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>&amp;More &lt;&lt;</source>
        <translation>&amp;Más &lt;&lt;</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Abre el menú de perfiles de salida</translation>
    </message>
    <message>
        <source>Custom... lets you type the width and height</source>
        <translation>Personalizado... permite escribir la anchura y la altura</translation>
    </message>
    <message>
        <source>How many files are converted at the same time</source>
        <translation>Cuántos archivos se convierten a la vez</translation>
    </message>
    <message>
        <source>The folder the converted files are written to</source>
        <translation>La carpeta en la que se guardan los archivos convertidos</translation>
    </message>
    <message>
        <source>What happens when a file of the same name is already there</source>
        <translation>Qué ocurre cuando ya existe un archivo con el mismo nombre</translation>
    </message>
    <message>
        <source>Shows or hides the advanced settings</source>
        <translation>Muestra u oculta la configuración avanzada</translation>
    </message>
    <message>
        <source>Size note</source>
        <translation>Nota sobre el tamaño</translation>
    </message>
    <message>
        <source>Save as &amp;Preset…</source>
        <translation>Guardar como &amp;preajuste…</translation>
    </message>
</context>
<context>
    <name>OutputSizes</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>an empty box</source>
        <translation>un campo vacío</translation>
    </message>
    <message>
        <source>%1: %2 was replaced by &quot;%3&quot; (it takes an even number from %4 to %5).</source>
        <extracomment>%1 is &quot;Width&quot; or &quot;Height&quot;, %2 the typed value in quotes or &quot;an empty box&quot;.</extracomment>
        <translation>%1: %2 se sustituyó por &quot;%3&quot; (admite un número par de %4 a %5).</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>No se encontró la biblioteca de vídeo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Press Space to turn the sound off or on</source>
        <translation>Pulse Espacio para quitar o activar el sonido</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview 10 s</source>
        <translation>Vista previa 10 s</translation>
    </message>
    <message>
        <source>Cancel Preview</source>
        <translation>Cancelar vista previa</translation>
    </message>
    <message>
        <source>Convert 10 seconds from the middle of %1 with these settings and play them</source>
        <translation>Convierte 10 segundos del centro de %1 con esta configuración y los reproduce</translation>
    </message>
    <message>
        <source>Select a file in the list to preview these settings on it</source>
        <translation>Seleccione un archivo de la lista para previsualizar en él esta configuración</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Sin vista previa: %1</translation>
    </message>
    <message>
        <source>Preview: %1 KB for %2 s, %3 kbit/s</source>
        <translation>Vista previa: %1 KB en %2 s, %3 kbit/s</translation>
    </message>
</context>
<context>
    <name>PreviewRun</name>
    <message>
        <source>A preview is already being made</source>
        <translation>Ya se está generando una vista previa</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder for the preview: %1</source>
        <translation>No se puede crear una carpeta temporal para la vista previa: %1</translation>
    </message>
    <message>
        <source>The output format is unknown</source>
        <translation>El formato de salida es desconocido</translation>
    </message>
</context>
<context>
    <name>ProbePool</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Esto es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, pipe or socket).</source>
        <translation>Esto no es un archivo normal (un dispositivo, una tubería o un socket).</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>AAC - Advanced Audio Coding Files (*.aac)</source>
        <translation>AAC - Archivos Advanced Audio Coding (*.aac)</translation>
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
        <translation>M4A - Audio MPEG-4 (*.m4a)</translation>
    </message>
    <message>
        <source>MP2 - MPEG Layer-2 Audio (*.mp2)</source>
        <translation>MP2 - Audio MPEG Layer-2 (*.mp2)</translation>
    </message>
    <message>
        <source>MP3 - MPEG Layer-3 Audio (*.mp3)</source>
        <translation>MP3 - Audio MPEG Layer-3 (*.mp3)</translation>
    </message>
    <message>
        <source>OGG - Ogg Vorbis Audio (*.ogg)</source>
        <translation>OGG - Audio Ogg Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>RA - Real Audio (*.ra)</source>
        <translation>RA - Real Audio (*.ra)</translation>
    </message>
    <message>
        <source>WAV - Waveform Audio (*.wav)</source>
        <translation>WAV - Audio Waveform (*.wav)</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - Formato 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - Formato AVI Xvid (*.avi)</translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation>F4V - Flash Video (*.f4v)</translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation>FLV - Flash Video (*.flv)</translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation>MKV - Vídeo Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - Vídeo QuickTime (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - Vídeo H264 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - Vídeo MPEG-4 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - Vídeo MPEG-1 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - Vídeo MPEG-2 (*.mpg)</translation>
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
        <translation>WebM - Vídeo WebM (*.webm)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 - HEVC Video (*.mp4)</source>
        <translation>MP4 - Vídeo HEVC (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9 Video + Opus Audio (*.webm)</source>
        <translation>WebM - Vídeo VP9 + audio Opus (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1 Video + Opus Audio (*.mkv)</source>
        <translation>MKV - Vídeo AV1 + audio Opus (*.mkv)</translation>
    </message>
    <message>
        <source>WebM - AV1 Video + Opus Audio (*.webm)</source>
        <translation>WebM - Vídeo AV1 + audio Opus (*.webm)</translation>
    </message>
    <message>
        <source>MKV - H264 Video + AAC Audio, All Tracks (*.mkv)</source>
        <translation>MKV - Vídeo H264 + audio AAC, todas las pistas (*.mkv)</translation>
    </message>
    <message>
        <source>Opus - Opus Audio (*.opus)</source>
        <translation>Opus - Audio Opus (*.opus)</translation>
    </message>
    <message>
        <source>Phone - H264 Video 1080p</source>
        <translation>Teléfono - Vídeo H264 1080p</translation>
    </message>
    <message>
        <source>Phone - HEVC Video 1080p</source>
        <translation>Teléfono - Vídeo HEVC 1080p</translation>
    </message>
    <message>
        <source>TV - H264 Video 1080p</source>
        <translation>TV - Vídeo H264 1080p</translation>
    </message>
    <message>
        <source>TV - HEVC Video 4K</source>
        <translation>TV - Vídeo HEVC 4K</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vídeo HD</translation>
    </message>
    <message>
        <source>PMP</source>
        <extracomment>Portable media players (Archos, Creative ZEN, iRiver, Zune).</extracomment>
        <translation>Reproductores portátiles</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Vídeo web</translation>
    </message>
    <message>
        <source>General Audio Format</source>
        <translation>Formatos de audio generales</translation>
    </message>
    <message>
        <source>General Video Format</source>
        <translation>Formatos de vídeo generales</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Formatos modernos</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Abrir carpeta de salida</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Nombre del archivo de salida</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Falló: %1</translation>
    </message>
    <message>
        <source>%1 converted with problems: %2</source>
        <translation>%1 se convirtió con problemas: %2</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>OK - %1</source>
        <translation>Correcto - %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Stop converting?</source>
        <translation>¿Detener la conversión?</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Transcurrido: %1</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Tiempo restante: %1</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>One row per file: output name, progress and status</source>
        <translation>Una fila por archivo: nombre de salida, progreso y estado</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Stops the conversion, or closes the window once it has ended</source>
        <translation>Detiene la conversión, o cierra la ventana cuando ha terminado</translation>
    </message>
    <message>
        <source>Opens the folder the converted files are written to</source>
        <translation>Abre la carpeta en la que se guardan los archivos convertidos</translation>
    </message>
    <message>
        <source>Estimated Size</source>
        <translation>Tamaño estimado</translation>
    </message>
</context>
<context>
    <name>QueueConversion</name>
    <message>
        <source>%1 cannot be converted: the output format is unknown.</source>
        <translation>No se puede convertir %1: el formato de salida es desconocido.</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>¡Ruta no válida!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>RowTexts</name>
    <message>
        <source>Audio tracks: %1, subtitle tracks: %2</source>
        <translation>Pistas de audio: %1, pistas de subtítulos: %2</translation>
    </message>
    <message>
        <source>Can not open file: 
%1

Error: 
%2</source>
        <translation>No se puede abrir el archivo: 
%1

Error: 
%2</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>interlaced</source>
        <translation>entrelazado</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n convertido</numerusform>
            <numerusform>%n convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with problems)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (%n con problemas)</numerusform>
            <numerusform>%1 (%n con problemas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallido</numerusform>
            <numerusform>%n fallidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n omitido</numerusform>
            <numerusform>%n omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>%n cancelado</numerusform>
            <numerusform>%n cancelados</numerusform>
        </translation>
    </message>
    <message>
        <source>Canceled after %1 of %2</source>
        <translation>Se canceló tras %1 de %2</translation>
    </message>
    <message>
        <source>Convert Finished!</source>
        <translation>¡Conversión terminada!</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nada que convertir</translation>
    </message>
    <message>
        <source>Convert Finished. Click here to open the output folder</source>
        <translation>Conversión terminada. Pulse aquí para abrir la carpeta</translation>
    </message>
    <message>
        <source>%1. Nothing was converted.</source>
        <translation>%1. No se convirtió nada.</translation>
    </message>
    <message>
        <source>%1. Click here to open the output folder</source>
        <translation>%1. Pulse aquí para abrir la carpeta</translation>
    </message>
</context>
<context>
    <name>SettingsGrid</name>
    <message>
        <source>Advanced settings</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>F2 edits the selected value; Space switches a yes-or-no value</source>
        <translation>F2 edita el valor seleccionado; Espacio cambia un valor de sí o no</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No web browser could be started. The address is:
%1</source>
        <translation>No se pudo iniciar ningún navegador web. La dirección es:
%1</translation>
    </message>
    <message>
        <source>This does not exist (any more):
%1</source>
        <translation>Esto no existe (o ya no existe):
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this folder. It is here:
%1</source>
        <translation>No se pudo iniciar ningún programa para mostrar esta carpeta. Está aquí:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this file. It is here:
%1</source>
        <translation>No se pudo iniciar ningún programa para mostrar este archivo. Está aquí:
%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>picture size</source>
        <translation>tamaño de imagen</translation>
    </message>
    <message>
        <source>video bitrate</source>
        <translation>tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>tasa de bits de audio</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>velocidad de fotogramas</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>frecuencia de muestreo</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>número de canales</translation>
    </message>
    <message>
        <source>aspect</source>
        <translation>relación de aspecto</translation>
    </message>
    <message>
        <source>crop, flip or rotate setting</source>
        <translation>ajuste de recorte, volteo o giro</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>códec de vídeo</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>códec de audio</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>formato de salida</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>izquierda %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>derecha %1</translation>
    </message>
    <message>
        <source>top %1</source>
        <translation>arriba %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>abajo %1</translation>
    </message>
    <message>
        <source>The crop margins (%1) are larger than the picture (%2×%3) of %4. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>Los márgenes de recorte (%1) son mayores que la imagen (%2×%3) de %4. Redúzcalos en Recortar vídeo, en la configuración avanzada.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the %2 &quot;%3&quot; cannot be used for it. Choose another value in the output settings.</source>
        <extracomment>%1 is a file name, %2 a setting such as &quot;video bitrate&quot;, %3 its value.</extracomment>
        <translation>No se puede convertir %1: el valor &quot;%3&quot; (%2) no se puede usar con él. Elija otro valor en la configuración de salida.</translation>
    </message>
    <message>
        <source>The crop margins are larger than the picture of %1. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>Los márgenes de recorte son mayores que la imagen de %1. Redúzcalos en Recortar vídeo, en la configuración avanzada.</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>No se puede convertir %1: %2</translation>
    </message>
    <message>
        <source>Please try to convert it to another format.</source>
        <translation>Intente convertirlo a otro formato.</translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>Please wait...</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Leyendo archivos, espere...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
