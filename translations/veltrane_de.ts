<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown option</source>
        <translation>%1: unbekannte Option</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation>%1: braucht einen Wert</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.</source>
        <translation>Aufruf: veltrane-convert [Optionen] DATEI|ORDNER... -o ORDNER
  oder: veltrane-convert [Optionen] DATEI -o AUSGABEDATEI
  oder: veltrane-convert [Optionen] --files-from LISTE -o ORDNER
Konvertiert Mediendateien mit den Profilen und Einstellungen von Veltrane Video Converter.</translation>
    </message>
    <message>
        <source>Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line (&quot;-&quot;: standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0)</source>
        <translation>Eingabe:
  --files-from LISTE        auch die in LISTE genannten Dateien und Ordner konvertieren,
                            einer pro Zeile (&quot;-&quot;: Standardeingabe)
  -0, --null                die Namen in LISTE enden mit einem NUL-Byte (find -print0)</translation>
    </message>
    <message>
        <source>Results go to standard output; failures, warnings and errors to standard error.</source>
        <translation>Ergebnisse gehen auf die Standardausgabe, Fehlschläge, Warnungen und Fehler auf die
Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</source>
        <translation>Rückgabewert: 0 alles konvertiert (oder übersprungen), 1 manches fehlgeschlagen,
2 falscher Aufruf, 128+N durch Signal N beendet, nachdem unfertige Ausgaben entfernt
wurden (130 Strg+C, 143 SIGTERM, 129 SIGHUP).</translation>
    </message>
    <message>
        <source>a bitrate from 1 to 1000000k bits per second</source>
        <translation>eine Bitrate von 1 bis 1000000k Bit pro Sekunde</translation>
    </message>
    <message>
        <source>a frame rate from 0.01 to 1000</source>
        <translation>eine Bildrate von 0.01 bis 1000</translation>
    </message>
    <message>
        <source>a sample rate from 1000 to 384000 Hz</source>
        <translation>eine Abtastrate von 1000 bis 384000 Hz</translation>
    </message>
    <message>
        <source>an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100</source>
        <translation>ein Seitenverhältnis A:B mit A und B von 1 bis 100000 und A/B von 0.01 bis 100</translation>
    </message>
    <message>
        <source>converted: %1 -&gt; %2</source>
        <translation>konvertiert: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>skipped: %1: %2</source>
        <translation>übersprungen: %1: %2</translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation>angehalten: %1</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>fehlgeschlagen: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file:</source>
        <translation>
            <numerusform>%n Datei:</numerusform>
            <numerusform>%n Dateien:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files:</source>
        <translation>
            <numerusform>%n Datei:</numerusform>
            <numerusform>%n Dateien:</numerusform>
        </translation>
    </message>
    <message>
        <source>(interrupted)</source>
        <translation>(unterbrochen)</translation>
    </message>
    <message>
        <source>Can not open file: %1</source>
        <translation>Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>unknown output format</source>
        <translation>unbekanntes Ausgabeformat</translation>
    </message>
    <message>
        <source>Cannot convert. %1</source>
        <translation>Konvertieren nicht möglich. %1</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not WxH (such as 640x480) or auto</source>
        <translation>--size: &quot;%1&quot; ist nicht BxH (etwa 640x480) oder auto</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not four numbers L,T,R,B</source>
        <translation>--crop: &quot;%1&quot; sind nicht vier Zahlen L,O,R,U</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not a whole number of pixels from 0 to %2</source>
        <translation>--crop: &quot;%1&quot; ist keine ganze Zahl von Pixeln von 0 bis %2</translation>
    </message>
    <message>
        <source>--rotate: &quot;%1&quot; is not a whole number of degrees from -270 to 270</source>
        <translation>--rotate: &quot;%1&quot; ist keine ganze Gradzahl von -270 bis 270</translation>
    </message>
    <message>
        <source>--channels: &quot;%1&quot; is not 1, 2 or auto</source>
        <translation>--channels: &quot;%1&quot; ist nicht 1, 2 oder auto</translation>
    </message>
    <message>
        <source>a bitrate: digits, optionally ending in k</source>
        <translation>eine Bitrate: Ziffern, wahlweise mit k am Ende</translation>
    </message>
    <message>
        <source>a sample rate: digits</source>
        <translation>eine Abtastrate: Ziffern</translation>
    </message>
    <message>
        <source>a frame rate: a positive number</source>
        <translation>eine Bildrate: eine positive Zahl</translation>
    </message>
    <message>
        <source>an aspect: digits:digits</source>
        <translation>ein Seitenverhältnis: Ziffern:Ziffern</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not %3</source>
        <translation>%1: &quot;%2&quot; ist nicht %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>--format: give either --profile or --format, not both</source>
        <translation>--format: entweder --profile oder --format angeben, nicht beide</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not a format key (%2)</source>
        <translation>--format: &quot;%1&quot; ist kein Formatschlüssel (%2)</translation>
    </message>
    <message>
        <source>%1: the audio format %2 has no picture settings</source>
        <translation>%1: das Audioformat %2 hat keine Bildeinstellungen</translation>
    </message>
    <message>
        <source>--video-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--video-quality: &quot;%1&quot; ist nicht high, normal oder low</translation>
    </message>
    <message>
        <source>--audio-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--audio-quality: &quot;%1&quot; ist nicht high, normal oder low</translation>
    </message>
    <message>
        <source>--profile: no profile matches &quot;%1&quot; (see --list-profiles)</source>
        <translation>--profile: kein Profil passt zu &quot;%1&quot; (siehe --list-profiles)</translation>
    </message>
    <message>
        <source>--if-exists: &quot;%1&quot; is not keep-both, overwrite or skip</source>
        <translation>--if-exists: &quot;%1&quot; ist nicht keep-both, overwrite oder skip</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: &quot;%1&quot; ist keine Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>-o: an output folder is needed</source>
        <translation>-o: ein Ausgabeordner wird gebraucht</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder</source>
        <translation>-o: &quot;%1&quot; ist kein vorhandener Ordner</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>cannot read folder %1 (skipped)</source>
        <translation>Ordner %1 kann nicht gelesen werden (übersprungen)</translation>
    </message>
    <message>
        <source>Try &apos;veltrane-convert --help&apos;.</source>
        <translation>Mehr mit &apos;veltrane-convert --help&apos;.</translation>
    </message>
    <message>
        <source>--files-from: %1: cannot be read</source>
        <translation>--files-from: %1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>-q: give -q or -v, not both</source>
        <translation>-q: -q oder -v angeben, nicht beide</translation>
    </message>
    <message>
        <source>-0: only with --files-from</source>
        <translation>-0: nur zusammen mit --files-from</translation>
    </message>
    <message>
        <source>-: to read the names from standard input, give --files-from -</source>
        <translation>-: um die Namen von der Standardeingabe zu lesen, --files-from - angeben</translation>
    </message>
    <message>
        <source>no input files or folders</source>
        <translation>keine Eingabedateien oder -ordner</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder (a file name is taken for one source only)</source>
        <translation>-o: &quot;%1&quot; ist kein vorhandener Ordner (ein Dateiname gilt nur bei einer einzigen Quelle)</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>Videobibliothek nicht gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Overall %1%  %2/%n files  %3x real time  %4 left</source>
        <translation>
            <numerusform>Gesamt %1%  %2/%n Datei  %3x Echtzeit  noch %4</numerusform>
            <numerusform>Gesamt %1%  %2/%n Dateien  %3x Echtzeit  noch %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--profile: &quot;%1&quot; matches %n profiles:</source>
        <translation>
            <numerusform>--profile: &quot;%1&quot; passt zu %n Profil:</numerusform>
            <numerusform>--profile: &quot;%1&quot; passt zu %n Profilen:</numerusform>
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
        <translation>Ausgabe:
  -o, --output ORDNER       vorhandener Ordner, der die konvertierten Dateien aufnimmt;
                            bei genau einer Quelle ein Dateiname für ihre Ausgabe
  --profile TEXT            Profil nach ID, genauer Bezeichnung oder einem eindeutigen
                            Teil einer Bezeichnung (Groß-/Kleinschreibung egal);
                            Vorgabe &quot;MP4 - H264 Video (*.mp4)&quot;
  --format SCHLÜSSEL        Formatschlüssel statt eines Profils (mp4h264, mp3, ...)
  --preset NAME|DATEI       von einer im Fenster gespeicherten Voreinstellung ausgehen
                            (&quot;Meine Voreinstellungen&quot;) oder von einer Voreinstellungsdatei
                            (eine vorhandene Datei oder beliebiger Text mit einem &quot;/&quot;);
                            hier angegebene Optionen überschreiben sie
  --settings-from-window    von den Einstellungen ausgehen, die das Fensterprogramm
                            zuletzt gespeichert hat (Profil, Größe, Qualität, erweiterte
                            Einstellungen; nicht Zuschnitt, Spiegeln oder Drehen);
                            hier angegebene Optionen überschreiben sie
  --list-profiles           die PROFILE_COUNT Profile auflisten: ID, Bezeichnung,
                            Menüpfad, Schlüssel und Endung (mit --json: ein Array von
                            Objekten), dann beenden
  --keep-tree               jeden angegebenen Ordner (unter seinem Namen) samt
                            Unterordnern im Ausgabeordner nachbilden
  --if-exists MODUS         keep-both (Vorgabe: &quot;name (1).ext&quot;), overwrite oder skip</translation>
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
        <translation>Bild und Ton (wie im Dialog der Ausgabeeinstellungen):
  --size BxH|auto           Bildgröße; ungerade oder unzulässige Werte werden berichtigt
  --video-quality Q         high, normal oder low (auch 0, 1, 2)
  --audio-quality Q         high, normal oder low
  --vb RATE                 Videobitrate: Ziffern, wahlweise mit k am Ende (&quot;1500k&quot;)
  --ab RATE                 Audiobitrate (&quot;128k&quot;)
  --fps FPS                 Bildrate (&quot;29.97&quot;)
  --aspect A:B              Seitenverhältnis der Anzeige (&quot;16:9&quot;)
  --crop L,O,R,U            Pixel, die links, oben, rechts und unten entfernt werden
  --vflip, --hflip          das Bild vertikal / horizontal spiegeln
  --rotate GRAD             Grad im Uhrzeigersinn, -270 bis 270
  --rate HZ                 Abtastrate des Tons (&quot;44100&quot;)
  --channels N              1, 2 oder auto
  --no-audio                den Ton weglassen
  --audio-tracks all|first  alle Audiospuren behalten oder nur die erste
  --subtitles keep|burn|none  Untertitelspuren übernehmen, die erste ins Bild
                            einbrennen oder sie weglassen
  --keep-date, --no-keep-date  der Ausgabe das Änderungsdatum der Quelle geben (Vorgabe)
  --upscale, --no-upscale   eine Bildgröße über der der Quelle erlauben (Vorgabe)
  --crf N                   konstante Qualität statt einer Bitrate; kleiner ist besser.
                            Skalen: H.264 0-51 (üblich 22), HEVC 0-51 (28), VP9 0-63 (32),
                            AV1 0-63 (30); Formate mit anderen Encodern lehnen sie ab
  --deinterlace MODUS       off (Vorgabe), auto (Quellen mit erkanntem Zeilensprung) oder
                            always
  --start T                 die Ausgabe bei T in der Quelle beginnen lassen (hh:mm:ss.fff
                            oder Sekunden)
  --duration T              die Ausgabe T lang machen (hh:mm:ss.fff oder Sekunden)
  Jede Option mit Wert nimmt auch &quot;auto&quot;, wo der Dialog &quot;Auto&quot; anbietet.</translation>
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
        <translation>Ablauf:
  -j, --jobs N              gleichzeitig konvertierte Dateien (Vorgabe: Zahl der
                            Prozessoren)
  --dry-run                 jede Quelle, ihren Ausgabepfad, ihre Optionen und die
                            geschätzte Ausgabegröße ausgeben; nichts konvertieren
  --json                    ein JSON-Objekt pro Ereignis auf der Standardausgabe (Schema 1)
  -q, --quiet               nur Fehlschläge und Fehler ausgeben
  -v, --verbose             auch die Warnungen der Medienbibliotheken ausgeben
                            (-vv: Informationen)
  -h, --help                dieser Text
  --version                 Programmversion</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not for the format %2, whose encoder has no constant quality mode (H.264, HEVC, VP9 and AV1 formats have one)</source>
        <translation>--crf: &quot;%1&quot; ist nicht für das Format %2, dessen Encoder keinen Modus mit konstanter Qualität hat (H.264-, HEVC-, VP9- und AV1-Formate haben einen)</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not a quality from %2 (best) to %3 for %4</source>
        <translation>--crf: &quot;%1&quot; ist keine Qualität von %2 (beste) bis %3 für %4</translation>
    </message>
    <message>
        <source>--start: &quot;%1&quot; is not a time (hh:mm:ss.fff or seconds)</source>
        <translation>--start: &quot;%1&quot; ist keine Zeitangabe (hh:mm:ss.fff oder Sekunden)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a length above 0 (hh:mm:ss.fff or seconds)</source>
        <translation>--duration: &quot;%1&quot; ist keine Länge über 0 (hh:mm:ss.fff oder Sekunden)</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>Größe unbekannt</translation>
    </message>
    <message>
        <source>size %1</source>
        <translation>Größe %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n konvertiert</numerusform>
            <numerusform>%n konvertiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with warnings)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (%n mit Warnungen)</numerusform>
            <numerusform>%1 (%n mit Warnungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, %3, %4, %5 in %6 s</source>
        <extracomment>%1 is &quot;N files:&quot;, %2 &quot;N converted&quot;, %3 &quot;N failed&quot;, %4 &quot;N skipped&quot;, %5 &quot;N stopped&quot;, %6 the seconds the whole run took.</extracomment>
        <translation>%1 %2, %3, %4, %5 in %6 s</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n angehalten</numerusform>
            <numerusform>%n angehalten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s title, shown where the window lists its bars.</extracomment>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: converts video and audio files. Files and folders named here are added to the list;
when the program is already running, they are added to its window.</source>
        <translation>%1: konvertiert Video- und Audiodateien. Hier genannte Dateien und Ordner
kommen in die Liste; läuft das Programm bereits, kommen sie in sein Fenster.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>Media files, or folders to search for media files.</source>
        <translation>Mediendateien oder Ordner, in denen nach Mediendateien gesucht wird.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Mehr Informationen mit &apos;--help&apos;.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Convert Files</source>
        <translation>Dateien konvertieren</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Ausgewählte Dateien entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Hilfeinhalt</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play (Enter or a double-click on a row)</source>
        <translation>Abspielen (Eingabetaste oder Doppelklick auf eine Zeile)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Up (Alt+Up)</source>
        <translation>Nach oben (Alt+Pfeil nach oben)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move Down (Alt+Down)</source>
        <translation>Nach unten (Alt+Pfeil nach unten)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>My Presets</source>
        <translation>Meine Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Not a media file, or the file is damaged</source>
        <translation>Keine Mediendatei, oder die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>The file holds no audio or video</source>
        <translation>Die Datei enthält weder Audio noch Video</translation>
    </message>
    <message>
        <source>Reading the file timed out</source>
        <translation>Das Lesen der Datei hat zu lange gedauert</translation>
    </message>
    <message>
        <source>The path is a folder, not a file</source>
        <translation>Der Pfad ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>The path is not a regular file</source>
        <translation>Der Pfad ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The file refers to other files, which are not read</source>
        <translation>Die Datei verweist auf andere Dateien, die nicht gelesen werden</translation>
    </message>
    <message>
        <source>The source changed on disk during the conversion</source>
        <translation>Die Quelle wurde während der Konvertierung auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>The conversion failed</source>
        <translation>Die Konvertierung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Skipped: %1 already exists</source>
        <translation>Übersprungen: %1 ist bereits vorhanden</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Total Files: %1</source>
        <translation>Dateien gesamt: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>Gesamtdauer: %1</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Gefundene Dateien: %1</translation>
    </message>
    <message>
        <source>Adding file %1 of %2</source>
        <translation>Datei %1 von %2 wird hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be opened:</source>
        <translation>
            <numerusform>%n Datei konnte nicht geöffnet werden:</numerusform>
            <numerusform>%n Dateien konnten nicht geöffnet werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read:</source>
        <translation>
            <numerusform>%n Ordner konnte nicht gelesen werden:</numerusform>
            <numerusform>%n Ordner konnten nicht gelesen werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>No media files were found in %1.</source>
        <translation>In %1 wurden keine Mediendateien gefunden.</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Audiocodec</translation>
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
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Burn In</source>
        <translation>Einbrennen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Filename Extension</source>
        <translation>Dateiendung</translation>
    </message>
    <message>
        <source>Keep File Date</source>
        <translation>Dateidatum behalten</translation>
    </message>
    <message>
        <source>Give the output file the modification date of the source file</source>
        <translation>Der Ausgabedatei das Änderungsdatum der Quelldatei geben</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Die Videobitrate in bps (Bit pro Sekunde) festlegen</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Bildrate (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Festlegen, wie viele Bilder pro Sekunde angezeigt werden. Eine höhere Bildrate macht die Wiedergabe flüssiger</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Das Verhältnis von Breite zu Höhe passend zum Bildschirm Ihres Wiedergabegeräts festlegen</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Video zuschneiden</translation>
    </message>
    <message>
        <source>Crop the input video</source>
        <translation>Das Eingangsvideo zuschneiden</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Vertically Flip</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Flip the input video vertically</source>
        <translation>Das Eingangsvideo vertikal spiegeln</translation>
    </message>
    <message>
        <source>Horizontally Flip</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip the input video horizontally</source>
        <translation>Das Eingangsvideo horizontal spiegeln</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Rotate the video xx degrees clockwise. Valid number is from -270 to 270</source>
        <translation>Das Video um xx Grad im Uhrzeigersinn drehen. Gültig sind Zahlen von -270 bis 270</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Hochskalieren</translation>
    </message>
    <message>
        <source>Never: a video smaller than the chosen size keeps its own size instead of being enlarged</source>
        <translation>Nie: Ein Video, das kleiner als die gewählte Größe ist, behält seine eigene Größe, statt vergrößert zu werden</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Die Audiobitrate in bps (Bit pro Sekunde) festlegen</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Die Abtastfrequenz des Audios festlegen (die Zahl der Abtastwerte pro Sekunde)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Die Zahl der Audiokanäle festlegen. 1 - Mono, 2 - Stereo</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>Audiospuren</translation>
    </message>
    <message>
        <source>All: every audio track (other languages, commentary) where the format can hold several. First: only the main one</source>
        <translation>Alle: jede Audiospur (andere Sprachen, Kommentar), wo das Format mehrere aufnehmen kann. Erste: nur die Hauptspur</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Audio entfernen</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Keep: subtitle tracks go into the output where the format can hold them. Burn In: the default text track is drawn into the picture. None: left out</source>
        <translation>Behalten: Untertitelspuren kommen in die Ausgabe, wo das Format sie aufnehmen kann. Einbrennen: Die Standard-Textspur wird ins Bild gezeichnet. Keine: weggelassen</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Audioeinstellungen</translation>
    </message>
    <message>
        <source>Subtitle Settings</source>
        <translation>Untertiteleinstellungen</translation>
    </message>
    <message>
        <source>digits, optionally ending in k</source>
        <translation>Ziffern, wahlweise mit k am Ende</translation>
    </message>
    <message>
        <source>digits, in Hz</source>
        <translation>Ziffern, in Hz</translation>
    </message>
    <message>
        <source>a number above 0</source>
        <translation>eine Zahl über 0</translation>
    </message>
    <message>
        <source>width:height in whole numbers, such as 16:9</source>
        <translation>Breite:Höhe in ganzen Zahlen, etwa 16:9</translation>
    </message>
    <message>
        <source>whole degrees from -270 to 270</source>
        <translation>ganze Grad von -270 bis 270</translation>
    </message>
    <message>
        <source>pixels, 0 or more</source>
        <translation>Pixel, 0 oder mehr</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot;.</source>
        <translation>%1: &quot;%2&quot; wurde durch &quot;%3&quot; ersetzt.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot; (it takes %4).</source>
        <translation>%1: &quot;%2&quot; wurde durch &quot;%3&quot; ersetzt (erlaubt sind %4).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual video bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>&quot;%1&quot; sind %1 Bit/s, weit unter üblichen Videobitraten. Meinten Sie &quot;%1k&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual audio bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>&quot;%1&quot; sind %1 Bit/s, weit unter üblichen Audiobitraten. Meinten Sie &quot;%1k&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).</source>
        <translation>&quot;%1&quot; sind %1 Hz, weit unter üblichen Abtastraten (8000 Hz und mehr, meist 44100 oder 48000).</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Konstante Qualität</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>Video Quality Mode</source>
        <translation>Videoqualitätsmodus</translation>
    </message>
    <message>
        <source>Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one picture quality and the size follows the content (the video bitrate is then not used)</source>
        <translation>Bitrate: Die Videobitrate bestimmt die Dateigröße. Konstante Qualität: Der Encoder hält eine gleichbleibende Bildqualität, und die Größe richtet sich nach dem Inhalt (die Videobitrate wird dann nicht verwendet)</translation>
    </message>
    <message>
        <source>Constant Quality</source>
        <translation>Konstante Qualität</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the encoder&apos;s own scale: lower is better</source>
        <translation>Die im Modus „Konstante Qualität“ gehaltene Bildqualität, auf der eigenen Skala des Encoders: kleiner ist besser</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacing</translation>
    </message>
    <message>
        <source>Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: only sources found to be interlaced. Always: every source</source>
        <translation>Wandelt die beiden Halbbilder von Camcorder- oder TV-Bildern mit Zeilensprung in Vollbilder um. Auto: nur Quellen, bei denen Zeilensprung erkannt wurde. Immer: jede Quelle</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning</source>
        <translation>Wo die Ausgabe in der Quelle beginnt: hh:mm:ss.fff oder Sekunden. Leer: vom Anfang an</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end</source>
        <translation>Wie lange die Ausgabe dauert: hh:mm:ss.fff oder Sekunden. Leer: bis zum Ende</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time, so the whole file is kept (it takes hh:mm:ss.fff or seconds, such as 1:30.5 or 90.5%3).</source>
        <translation>%1: &quot;%2&quot; ist keine Zeitangabe, daher wird die ganze Datei behalten (erlaubt sind hh:mm:ss.fff oder Sekunden, etwa 1:30.5 oder 90.5%3).</translation>
    </message>
    <message>
        <source>, above 0</source>
        <translation>, über 0</translation>
    </message>
    <message>
        <source>This format&apos;s video encoder has no constant quality mode: it always uses the video bitrate</source>
        <translation>Der Videoencoder dieses Formats hat keinen Modus mit konstanter Qualität: Er verwendet immer die Videobitrate</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the %1 scale from %2 (best, largest files) to %3 (worst, smallest files): lower is better. Starts at %4</source>
        <translation>Die im Modus „Konstante Qualität“ gehaltene Bildqualität, auf der %1-Skala von %2 (beste, größte Dateien) bis %3 (schlechteste, kleinste Dateien): kleiner ist besser. Beginnt bei %4</translation>
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
        <translation>Videobibliothek nicht gefunden</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>Möchten Sie auf unserer Webseite nachsehen, ob eine neue Version erschienen ist?</translation>
    </message>
    <message>
        <source>Please add file to the list.</source>
        <translation>Bitte fügen Sie der Liste Dateien hinzu.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Stop converting and quit?</source>
        <translation>Konvertierung anhalten und beenden?</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <source>Enter plays the selected file; Alt+Up and Alt+Down move it</source>
        <translation>Die Eingabetaste spielt die ausgewählte Datei ab; Alt+Pfeil nach oben und Alt+Pfeil nach unten verschieben sie</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>All Supported Media Files</source>
        <translation>Alle unterstützten Mediendateien</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Alle unterstützten Audiodateien</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Alle unterstützten Videodateien</translation>
    </message>
</context>
<context>
    <name>OutputEstimate</name>
    <message>
        <source>depends on the content</source>
        <translation>hängt vom Inhalt ab</translation>
    </message>
    <message>
        <source>about %1 KB</source>
        <translation>etwa %1 KB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>etwa %1 MB</translation>
    </message>
</context>
<context>
    <name>OutputFolders</name>
    <message>
        <source>Create %1?</source>
        <translation>%1 anlegen?</translation>
    </message>
    <message>
        <source>The folder could not be created:
%1</source>
        <translation>Der Ordner konnte nicht angelegt werden:
%1</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <source>High (larger file size)</source>
        <translation>Hoch (größere Datei)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Niedrig (kleinere Datei)</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ausgabeeinstellungen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Videogröße:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Videoqualität:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Audioqualität:</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPU-Kerne:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>If the output file exists</source>
        <translation>Wenn die Ausgabedatei vorhanden ist</translation>
    </message>
    <message>
        <source>&amp;More &gt;&gt;</source>
        <translation>&amp;Mehr &gt;&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>&amp;More &lt;&lt;</source>
        <translation>&amp;Mehr &lt;&lt;</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Öffnet das Menü der Ausgabeprofile</translation>
    </message>
    <message>
        <source>Custom... lets you type the width and height</source>
        <translation>Mit Benutzerdefiniert... lassen sich Breite und Höhe eingeben</translation>
    </message>
    <message>
        <source>How many files are converted at the same time</source>
        <translation>Wie viele Dateien gleichzeitig konvertiert werden</translation>
    </message>
    <message>
        <source>The folder the converted files are written to</source>
        <translation>Der Ordner, in den die konvertierten Dateien geschrieben werden</translation>
    </message>
    <message>
        <source>What happens when a file of the same name is already there</source>
        <translation>Was geschieht, wenn bereits eine Datei mit demselben Namen vorhanden ist</translation>
    </message>
    <message>
        <source>Shows or hides the advanced settings</source>
        <translation>Blendet die erweiterten Einstellungen ein oder aus</translation>
    </message>
    <message>
        <source>Size note</source>
        <translation>Hinweis zur Größe</translation>
    </message>
    <message>
        <source>Save as &amp;Preset…</source>
        <translation>Als &amp;Voreinstellung speichern…</translation>
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
        <translation>Benutzerdefiniert...</translation>
    </message>
    <message>
        <source>an empty box</source>
        <translation>ein leeres Feld</translation>
    </message>
    <message>
        <source>%1: %2 was replaced by &quot;%3&quot; (it takes an even number from %4 to %5).</source>
        <extracomment>%1 is &quot;Width&quot; or &quot;Height&quot;, %2 the typed value in quotes or &quot;an empty box&quot;.</extracomment>
        <translation>%1: %2 wurde durch &quot;%3&quot; ersetzt (erlaubt ist eine gerade Zahl von %4 bis %5).</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>Videobibliothek nicht gefunden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Press Space to turn the sound off or on</source>
        <translation>Mit der Leertaste den Ton aus- oder einschalten</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Stummschaltung aufheben</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stummschalten</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview 10 s</source>
        <translation>Vorschau 10 s</translation>
    </message>
    <message>
        <source>Cancel Preview</source>
        <translation>Vorschau abbrechen</translation>
    </message>
    <message>
        <source>Convert 10 seconds from the middle of %1 with these settings and play them</source>
        <translation>10 Sekunden aus der Mitte von %1 mit diesen Einstellungen konvertieren und abspielen</translation>
    </message>
    <message>
        <source>Select a file in the list to preview these settings on it</source>
        <translation>Wählen Sie in der Liste eine Datei aus, um an ihr eine Vorschau dieser Einstellungen zu sehen</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Keine Vorschau: %1</translation>
    </message>
    <message>
        <source>Preview: %1 KB for %2 s, %3 kbit/s</source>
        <translation>Vorschau: %1 KB für %2 s, %3 kbit/s</translation>
    </message>
</context>
<context>
    <name>PreviewRun</name>
    <message>
        <source>A preview is already being made</source>
        <translation>Es wird bereits eine Vorschau erstellt</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder for the preview: %1</source>
        <translation>Für die Vorschau kann kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>The output format is unknown</source>
        <translation>Das Ausgabeformat ist unbekannt</translation>
    </message>
</context>
<context>
    <name>ProbePool</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Dies ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, pipe or socket).</source>
        <translation>Dies ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket).</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>AAC - Advanced Audio Coding Files (*.aac)</source>
        <translation>AAC - Advanced-Audio-Coding-Dateien (*.aac)</translation>
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
        <translation>M4A - MPEG-4-Audio (*.m4a)</translation>
    </message>
    <message>
        <source>MP2 - MPEG Layer-2 Audio (*.mp2)</source>
        <translation>MP2 - MPEG-Layer-2-Audio (*.mp2)</translation>
    </message>
    <message>
        <source>MP3 - MPEG Layer-3 Audio (*.mp3)</source>
        <translation>MP3 - MPEG-Layer-3-Audio (*.mp3)</translation>
    </message>
    <message>
        <source>OGG - Ogg Vorbis Audio (*.ogg)</source>
        <translation>OGG - Ogg-Vorbis-Audio (*.ogg)</translation>
    </message>
    <message>
        <source>RA - Real Audio (*.ra)</source>
        <translation>RA - Real Audio (*.ra)</translation>
    </message>
    <message>
        <source>WAV - Waveform Audio (*.wav)</source>
        <translation>WAV - Waveform-Audio (*.wav)</translation>
    </message>
    <message>
        <source>WMA - Windows Media Audio (*.wma)</source>
        <translation>WMA - Windows Media Audio (*.wma)</translation>
    </message>
    <message>
        <source>3GP - 3GP Format (*.3gp)</source>
        <translation>3GP - 3GP-Format (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - AVI-Xvid-Format (*.avi)</translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation>F4V - Flash-Video (*.f4v)</translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation>FLV - Flash-Video (*.flv)</translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation>MKV - Matroska-Video (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - QuickTime-Video (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - H264-Video (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - MPEG-4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - MPEG-1-Video (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - MPEG-2-Video (*.mpg)</translation>
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
        <translation>WebM - WebM-Video (*.webm)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 - HEVC Video (*.mp4)</source>
        <translation>MP4 - HEVC-Video (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9 Video + Opus Audio (*.webm)</source>
        <translation>WebM - VP9-Video + Opus-Audio (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1 Video + Opus Audio (*.mkv)</source>
        <translation>MKV - AV1-Video + Opus-Audio (*.mkv)</translation>
    </message>
    <message>
        <source>WebM - AV1 Video + Opus Audio (*.webm)</source>
        <translation>WebM - AV1-Video + Opus-Audio (*.webm)</translation>
    </message>
    <message>
        <source>MKV - H264 Video + AAC Audio, All Tracks (*.mkv)</source>
        <translation>MKV - H264-Video + AAC-Audio, alle Spuren (*.mkv)</translation>
    </message>
    <message>
        <source>Opus - Opus Audio (*.opus)</source>
        <translation>Opus - Opus-Audio (*.opus)</translation>
    </message>
    <message>
        <source>Phone - H264 Video 1080p</source>
        <translation>Smartphone - H264-Video 1080p</translation>
    </message>
    <message>
        <source>Phone - HEVC Video 1080p</source>
        <translation>Smartphone - HEVC-Video 1080p</translation>
    </message>
    <message>
        <source>TV - H264 Video 1080p</source>
        <translation>Fernseher - H264-Video 1080p</translation>
    </message>
    <message>
        <source>TV - HEVC Video 4K</source>
        <translation>Fernseher - HEVC-Video 4K</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-Video</translation>
    </message>
    <message>
        <source>PMP</source>
        <extracomment>Portable media players (Archos, Creative ZEN, iRiver, Zune).</extracomment>
        <translation>Tragbare Player</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Web-Video</translation>
    </message>
    <message>
        <source>General Audio Format</source>
        <translation>Allgemeine Audioformate</translation>
    </message>
    <message>
        <source>General Video Format</source>
        <translation>Allgemeine Videoformate</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Neuere Formate</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>Ausgabeordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Name der Ausgabedatei</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 converted with problems: %2</source>
        <translation>%1 mit Problemen konvertiert: %2</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Wird konvertiert...</translation>
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
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Stop converting?</source>
        <translation>Konvertierung anhalten?</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Verstrichen: %1</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Fortschritt der Konvertierung</translation>
    </message>
    <message>
        <source>One row per file: output name, progress and status</source>
        <translation>Eine Zeile pro Datei: Ausgabename, Fortschritt und Status</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Stops the conversion, or closes the window once it has ended</source>
        <translation>Hält die Konvertierung an oder schließt das Fenster, wenn sie beendet ist</translation>
    </message>
    <message>
        <source>Opens the folder the converted files are written to</source>
        <translation>Öffnet den Ordner, in den die konvertierten Dateien geschrieben werden</translation>
    </message>
    <message>
        <source>Estimated Size</source>
        <translation>Geschätzte Größe</translation>
    </message>
</context>
<context>
    <name>QueueConversion</name>
    <message>
        <source>%1 cannot be converted: the output format is unknown.</source>
        <translation>%1 kann nicht konvertiert werden: Das Ausgabeformat ist unbekannt.</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Ungültiger Pfad!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>RowTexts</name>
    <message>
        <source>Audio tracks: %1, subtitle tracks: %2</source>
        <translation>Audiospuren: %1, Untertitelspuren: %2</translation>
    </message>
    <message>
        <source>Can not open file: 
%1

Error: 
%2</source>
        <translation>Datei kann nicht geöffnet werden: 
%1

Fehler: 
%2</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>interlaced</source>
        <translation>mit Zeilensprung</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n konvertiert</numerusform>
            <numerusform>%n konvertiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with problems)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (%n mit Problemen)</numerusform>
            <numerusform>%1 (%n mit Problemen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>%n abgebrochen</numerusform>
            <numerusform>%n abgebrochen</numerusform>
        </translation>
    </message>
    <message>
        <source>Canceled after %1 of %2</source>
        <translation>Abgebrochen nach %1 von %2</translation>
    </message>
    <message>
        <source>Convert Finished!</source>
        <translation>Konvertierung abgeschlossen!</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nichts zu konvertieren</translation>
    </message>
    <message>
        <source>Convert Finished. Click here to open the output folder</source>
        <translation>Konvertierung abgeschlossen. Hier klicken, um den Ausgabeordner zu öffnen</translation>
    </message>
    <message>
        <source>%1. Nothing was converted.</source>
        <translation>%1. Es wurde nichts konvertiert.</translation>
    </message>
    <message>
        <source>%1. Click here to open the output folder</source>
        <translation>%1. Hier klicken, um den Ausgabeordner zu öffnen</translation>
    </message>
</context>
<context>
    <name>SettingsGrid</name>
    <message>
        <source>Advanced settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>F2 edits the selected value; Space switches a yes-or-no value</source>
        <translation>F2 bearbeitet den ausgewählten Wert; die Leertaste schaltet einen Ja/Nein-Wert um</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No web browser could be started. The address is:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Adresse lautet:
%1</translation>
    </message>
    <message>
        <source>This does not exist (any more):
%1</source>
        <translation>Dies ist nicht (mehr) vorhanden:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this folder. It is here:
%1</source>
        <translation>Es konnte kein Programm gestartet werden, das diesen Ordner zeigt. Er liegt hier:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this file. It is here:
%1</source>
        <translation>Es konnte kein Programm gestartet werden, das diese Datei zeigt. Sie liegt hier:
%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>picture size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>video bitrate</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanalzahl</translation>
    </message>
    <message>
        <source>aspect</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>crop, flip or rotate setting</source>
        <translation>Einstellung zum Zuschneiden, Spiegeln oder Drehen</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>links %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>rechts %1</translation>
    </message>
    <message>
        <source>top %1</source>
        <translation>oben %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>unten %1</translation>
    </message>
    <message>
        <source>The crop margins (%1) are larger than the picture (%2×%3) of %4. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>Die Zuschnittränder (%1) sind größer als das Bild (%2×%3) von %4. Verkleinern Sie sie unter „Video zuschneiden“ in den erweiterten Einstellungen.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the %2 &quot;%3&quot; cannot be used for it. Choose another value in the output settings.</source>
        <extracomment>%1 is a file name, %2 a setting such as &quot;video bitrate&quot;, %3 its value.</extracomment>
        <translation>%1 kann nicht konvertiert werden: Der Wert „%3“ (%2) ist dafür nicht verwendbar. Wählen Sie in den Ausgabeeinstellungen einen anderen Wert.</translation>
    </message>
    <message>
        <source>The crop margins are larger than the picture of %1. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>Die Zuschnittränder sind größer als das Bild von %1. Verkleinern Sie sie unter „Video zuschneiden“ in den erweiterten Einstellungen.</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>%1 kann nicht konvertiert werden: %2</translation>
    </message>
    <message>
        <source>Please try to convert it to another format.</source>
        <translation>Bitte versuchen Sie, in ein anderes Format zu konvertieren.</translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Dateien werden gelesen, bitte warten...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
</TS>
