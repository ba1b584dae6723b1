<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>%1 : option inconnue</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1 : n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation>%1 : nécessite une valeur</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1 : indiquée plus d&apos;une fois</translation>
    </message>
    <message>
        <source>Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.</source>
        <translation>Utilisation : veltrane-convert [options] FICHIER|DOSSIER... -o DOSSIER
         ou : veltrane-convert [options] FICHIER -o FICHIER_SORTIE
         ou : veltrane-convert [options] --files-from LISTE -o DOSSIER
Convertit des fichiers multimédias avec les profils et les paramètres de
Veltrane Video Converter.</translation>
    </message>
    <message>
        <source>Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line (&quot;-&quot;: standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0)</source>
        <translation>Entrée :
  --files-from LISTE        convertir aussi les fichiers et dossiers nommés dans LISTE,
                            un par ligne (&quot;-&quot; : entrée standard)
  -0, --null                les noms dans LISTE finissent par un octet NUL (find -print0)</translation>
    </message>
    <message>
        <source>Results go to standard output; failures, warnings and errors to standard error.</source>
        <translation>Les résultats vont sur la sortie standard ; les échecs, avertissements et erreurs sur
la sortie d&apos;erreur standard.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</source>
        <translation>Code de retour : 0 tout est converti (ou ignoré), 1 certains ont échoué, 2 mauvaise
utilisation, 128+N arrêt par le signal N après suppression des sorties inachevées
(130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</translation>
    </message>
    <message>
        <source>a bitrate from 1 to 1000000k bits per second</source>
        <translation>un débit de 1 à 1000000k bits par seconde</translation>
    </message>
    <message>
        <source>a frame rate from 0.01 to 1000</source>
        <translation>une fréquence d&apos;images de 0.01 à 1000</translation>
    </message>
    <message>
        <source>a sample rate from 1000 to 384000 Hz</source>
        <translation>une fréquence d&apos;échantillonnage de 1000 à 384000 Hz</translation>
    </message>
    <message>
        <source>an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100</source>
        <translation>un rapport d&apos;aspect A:B avec A et B de 1 à 100000 et A/B de 0.01 à 100</translation>
    </message>
    <message>
        <source>converted: %1 -&gt; %2</source>
        <translation>converti : %1 -&gt; %2</translation>
    </message>
    <message>
        <source>skipped: %1: %2</source>
        <translation>ignoré : %1 : %2</translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation>arrêté : %1</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>échec : %1 : %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>avertissement : %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file:</source>
        <translation>
            <numerusform>%n fichier :</numerusform>
            <numerusform>%n fichiers :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files:</source>
        <translation>
            <numerusform>%n fichier :</numerusform>
            <numerusform>%n fichiers :</numerusform>
        </translation>
    </message>
    <message>
        <source>(interrupted)</source>
        <translation>(interrompu)</translation>
    </message>
    <message>
        <source>Can not open file: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>unknown output format</source>
        <translation>format de sortie inconnu</translation>
    </message>
    <message>
        <source>Cannot convert. %1</source>
        <translation>Conversion impossible. %1</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not WxH (such as 640x480) or auto</source>
        <translation>--size : &quot;%1&quot; n&apos;est ni LxH (par exemple 640x480) ni auto</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not four numbers L,T,R,B</source>
        <translation>--crop : &quot;%1&quot; n&apos;est pas une suite de quatre nombres G,H,D,B</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not a whole number of pixels from 0 to %2</source>
        <translation>--crop : &quot;%1&quot; n&apos;est pas un nombre entier de pixels de 0 à %2</translation>
    </message>
    <message>
        <source>--rotate: &quot;%1&quot; is not a whole number of degrees from -270 to 270</source>
        <translation>--rotate : &quot;%1&quot; n&apos;est pas un nombre entier de degrés de -270 à 270</translation>
    </message>
    <message>
        <source>--channels: &quot;%1&quot; is not 1, 2 or auto</source>
        <translation>--channels : &quot;%1&quot; n&apos;est pas 1, 2 ou auto</translation>
    </message>
    <message>
        <source>a bitrate: digits, optionally ending in k</source>
        <translation>un débit : des chiffres, suivis éventuellement de k</translation>
    </message>
    <message>
        <source>a sample rate: digits</source>
        <translation>une fréquence d&apos;échantillonnage : des chiffres</translation>
    </message>
    <message>
        <source>a frame rate: a positive number</source>
        <translation>une fréquence d&apos;images : un nombre positif</translation>
    </message>
    <message>
        <source>an aspect: digits:digits</source>
        <translation>un rapport d&apos;aspect : chiffres:chiffres</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not %3</source>
        <translation>%1 : &quot;%2&quot; n&apos;est pas %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>--format: give either --profile or --format, not both</source>
        <translation>--format : indiquez soit --profile, soit --format, pas les deux</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not a format key (%2)</source>
        <translation>--format : &quot;%1&quot; n&apos;est pas une clé de format (%2)</translation>
    </message>
    <message>
        <source>%1: the audio format %2 has no picture settings</source>
        <translation>%1 : le format audio %2 n&apos;a pas de paramètres d&apos;image</translation>
    </message>
    <message>
        <source>--video-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--video-quality : &quot;%1&quot; n&apos;est pas high, normal ou low</translation>
    </message>
    <message>
        <source>--audio-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--audio-quality : &quot;%1&quot; n&apos;est pas high, normal ou low</translation>
    </message>
    <message>
        <source>--profile: no profile matches &quot;%1&quot; (see --list-profiles)</source>
        <translation>--profile : aucun profil ne correspond à &quot;%1&quot; (voir --list-profiles)</translation>
    </message>
    <message>
        <source>--if-exists: &quot;%1&quot; is not keep-both, overwrite or skip</source>
        <translation>--if-exists : &quot;%1&quot; n&apos;est pas keep-both, overwrite ou skip</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs : &quot;%1&quot; n&apos;est pas un nombre de 1 à %2</translation>
    </message>
    <message>
        <source>-o: an output folder is needed</source>
        <translation>-o : un dossier de sortie est nécessaire</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder</source>
        <translation>-o : &quot;%1&quot; n&apos;est pas un dossier existant</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1 : fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>cannot read folder %1 (skipped)</source>
        <translation>impossible de lire le dossier %1 (ignoré)</translation>
    </message>
    <message>
        <source>Try &apos;veltrane-convert --help&apos;.</source>
        <translation>Essayez « veltrane-convert --help ».</translation>
    </message>
    <message>
        <source>--files-from: %1: cannot be read</source>
        <translation>--files-from : %1 : lecture impossible</translation>
    </message>
    <message>
        <source>-q: give -q or -v, not both</source>
        <translation>-q : indiquez -q ou -v, pas les deux</translation>
    </message>
    <message>
        <source>-0: only with --files-from</source>
        <translation>-0 : seulement avec --files-from</translation>
    </message>
    <message>
        <source>-: to read the names from standard input, give --files-from -</source>
        <translation>- : pour lire les noms depuis l&apos;entrée standard, indiquez --files-from -</translation>
    </message>
    <message>
        <source>no input files or folders</source>
        <translation>aucun fichier ni dossier en entrée</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder (a file name is taken for one source only)</source>
        <translation>-o : &quot;%1&quot; n&apos;est pas un dossier existant (un nom de fichier n&apos;est accepté qu&apos;avec une seule source)</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>Bibliothèque vidéo introuvable</translation>
    </message>
    <message numerus="yes">
        <source>Overall %1%  %2/%n files  %3x real time  %4 left</source>
        <translation>
            <numerusform>Total %1 %  %2/%n fichier  %3x temps réel  reste %4</numerusform>
            <numerusform>Total %1 %  %2/%n fichiers  %3x temps réel  reste %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--profile: &quot;%1&quot; matches %n profiles:</source>
        <translation>
            <numerusform>--profile : &quot;%1&quot; correspond à %n profil :</numerusform>
            <numerusform>--profile : &quot;%1&quot; correspond à %n profils :</numerusform>
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
        <translation>Sortie :
  -o, --output DOSSIER      dossier existant qui reçoit les fichiers convertis ; avec
                            une seule source, un nom de fichier pour sa sortie
  --profile TEXTE           profil par identifiant, intitulé exact ou partie unique d&apos;un
                            intitulé (sans distinction de casse) ; par défaut
                            &quot;MP4 - H264 Video (*.mp4)&quot;
  --format CLÉ              clé de format au lieu d&apos;un profil (mp4h264, mp3, ...)
  --preset NOM|FICHIER      partir d&apos;un préréglage enregistré dans la fenêtre
                            (&quot;Mes préréglages&quot;) ou d&apos;un fichier de préréglage (un fichier
                            existant, ou tout texte contenant un &quot;/&quot;) ; les options
                            données ici s&apos;y appliquent par-dessus
  --settings-from-window    partir des derniers paramètres enregistrés par le programme
                            à fenêtre (profil, taille, qualités, valeurs de la grille ;
                            sans le rognage, les retournements ni la rotation) ; les
                            options données ici s&apos;y appliquent par-dessus
  --list-profiles           lister les PROFILE_COUNT profils : identifiant, intitulé,
                            chemin de menu, clé et extension (avec --json : un tableau
                            d&apos;objets), puis quitter
  --keep-tree               recréer chaque dossier donné (sous son nom) et ses
                            sous-dossiers dans le dossier de sortie
  --if-exists MODE          keep-both (par défaut : &quot;nom (1).ext&quot;), overwrite ou skip</translation>
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
        <translation>Image et son (comme dans la boîte de dialogue des paramètres de sortie) :
  --size LxH|auto           taille de l&apos;image (corrigée si impaire ou hors limites)
  --video-quality Q         high, normal ou low (ou 0, 1, 2)
  --audio-quality Q         high, normal ou low
  --vb DÉBIT                débit vidéo : chiffres, suivis éventuellement de k (&quot;1500k&quot;)
  --ab DÉBIT                débit audio (&quot;128k&quot;)
  --fps FPS                 fréquence d&apos;images (&quot;29.97&quot;)
  --aspect A:B              rapport d&apos;aspect de l&apos;affichage (&quot;16:9&quot;)
  --crop G,H,D,B            pixels retirés à gauche, en haut, à droite et en bas
  --vflip, --hflip          retourner l&apos;image verticalement / horizontalement
  --rotate DEG              degrés dans le sens horaire, de -270 à 270
  --rate HZ                 fréquence d&apos;échantillonnage du son (&quot;44100&quot;)
  --channels N              1, 2 ou auto
  --no-audio                supprimer le son
  --audio-tracks all|first  conserver toutes les pistes audio ou seulement la première
  --subtitles keep|burn|none  copier les pistes de sous-titres, incruster la première
                            dans l&apos;image, ou les omettre
  --keep-date, --no-keep-date  donner à la sortie la date de modification
                            de la source (par défaut)
  --upscale, --no-upscale   autoriser une taille d&apos;image supérieure à celle de la
                            source (par défaut)
  --crf N                   qualité constante au lieu d&apos;un débit ; plus la valeur est
                            basse, meilleure est la qualité. Échelles : H.264 0-51 (22 en
                            général), HEVC 0-51 (28), VP9 0-63 (32), AV1 0-63 (30) ; les
                            formats utilisant d&apos;autres encodeurs le refusent
  --deinterlace MODE        off (par défaut), auto (sources détectées comme entrelacées)
                            ou always
  --start T                 faire commencer la sortie à T dans la source (hh:mm:ss.fff ou
                            secondes)
  --duration T              donner à la sortie une durée de T (hh:mm:ss.fff ou secondes)
  Chaque option à valeur accepte aussi &quot;auto&quot; là où la boîte de dialogue propose &quot;Auto&quot;.</translation>
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
        <translation>Exécution :
  -j, --jobs N              fichiers convertis simultanément (par défaut : le nombre de
                            processeurs)
  --dry-run                 afficher chaque source, son chemin de sortie, ses options et
                            la taille de sortie estimée ; ne rien convertir
  --json                    un objet JSON par événement sur la sortie standard (schéma 1)
  -q, --quiet               n&apos;afficher que les échecs et les erreurs
  -v, --verbose             afficher aussi les avertissements des bibliothèques
                            multimédias (-vv : informations)
  -h, --help                ce texte
  --version                 version du programme</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not for the format %2, whose encoder has no constant quality mode (H.264, HEVC, VP9 and AV1 formats have one)</source>
        <translation>--crf : &quot;%1&quot; ne convient pas au format %2, dont l&apos;encodeur n&apos;a pas de mode qualité constante (les formats H.264, HEVC, VP9 et AV1 en ont un)</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not a quality from %2 (best) to %3 for %4</source>
        <translation>--crf : &quot;%1&quot; n&apos;est pas une qualité de %2 (meilleure) à %3 pour %4</translation>
    </message>
    <message>
        <source>--start: &quot;%1&quot; is not a time (hh:mm:ss.fff or seconds)</source>
        <translation>--start : &quot;%1&quot; n&apos;est pas une indication de temps (hh:mm:ss.fff ou secondes)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a length above 0 (hh:mm:ss.fff or seconds)</source>
        <translation>--duration : &quot;%1&quot; n&apos;est pas une durée supérieure à 0 (hh:mm:ss.fff ou secondes)</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>taille inconnue</translation>
    </message>
    <message>
        <source>size %1</source>
        <translation>taille %1</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n converti</numerusform>
            <numerusform>%n convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with warnings)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (%n avec avertissement)</numerusform>
            <numerusform>%1 (%n avec avertissements)</numerusform>
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
            <numerusform>%n échec</numerusform>
            <numerusform>%n échecs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignoré</numerusform>
            <numerusform>%n ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n arrêté</numerusform>
            <numerusform>%n arrêtés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s title, shown where the window lists its bars.</extracomment>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Plus de commandes</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: converts video and audio files. Files and folders named here are added to the list;
when the program is already running, they are added to its window.</source>
        <translation>%1 : convertit des fichiers vidéo et audio. Les fichiers et dossiers indiqués ici sont
ajoutés à la liste ; si le programme est déjà lancé, ils sont ajoutés à sa fenêtre.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Media files, or folders to search for media files.</source>
        <translation>Fichiers multimédias, ou dossiers où chercher des fichiers multimédias.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Essayez « --help » pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Convert Files</source>
        <translation>Convertir les fichiers</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Retirer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Play (Enter or a double-click on a row)</source>
        <translation>Lire (Entrée ou double-clic sur une ligne)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Up (Alt+Up)</source>
        <translation>Monter (Alt+Haut)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move Down (Alt+Down)</source>
        <translation>Descendre (Alt+Bas)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>My Presets</source>
        <translation>Mes préréglages</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Not a media file, or the file is damaged</source>
        <translation>Ce n&apos;est pas un fichier multimédia, ou le fichier est endommagé</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Le fichier est vide</translation>
    </message>
    <message>
        <source>The file holds no audio or video</source>
        <translation>Le fichier ne contient ni audio ni vidéo</translation>
    </message>
    <message>
        <source>Reading the file timed out</source>
        <translation>La lecture du fichier a pris trop de temps</translation>
    </message>
    <message>
        <source>The path is a folder, not a file</source>
        <translation>Le chemin est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>The path is not a regular file</source>
        <translation>Le chemin n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file refers to other files, which are not read</source>
        <translation>Le fichier fait référence à d&apos;autres fichiers, qui ne sont pas lus</translation>
    </message>
    <message>
        <source>The source changed on disk during the conversion</source>
        <translation>La source a été modifiée sur le disque pendant la conversion</translation>
    </message>
    <message>
        <source>The conversion failed</source>
        <translation>La conversion a échoué</translation>
    </message>
    <message>
        <source>Skipped: %1 already exists</source>
        <translation>Ignoré&#xa0;: %1 existe déjà</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Total Files: %1</source>
        <translation>Nombre de fichiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>Durée totale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Fichiers trouvés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Adding file %1 of %2</source>
        <translation>Ajout du fichier %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be opened:</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être ouvert&#xa0;:</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être ouverts&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read:</source>
        <translation>
            <numerusform>%n dossier n&apos;a pas pu être lu&#xa0;:</numerusform>
            <numerusform>%n dossiers n&apos;ont pas pu être lus&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>No media files were found in %1.</source>
        <translation>Aucun fichier multimédia n&apos;a été trouvé dans %1.</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille de la vidéo</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec vidéo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec audio</translation>
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
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>Burn In</source>
        <translation>Incruster</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Filename Extension</source>
        <translation>Extension du nom de fichier</translation>
    </message>
    <message>
        <source>Keep File Date</source>
        <translation>Conserver la date du fichier</translation>
    </message>
    <message>
        <source>Give the output file the modification date of the source file</source>
        <translation>Donner au fichier de sortie la date de modification du fichier source</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Débit vidéo</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Définir le débit vidéo en bps (bits par seconde)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Fréquence d&apos;images (i/s)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Définir le nombre d&apos;images affichées par seconde. Une fréquence plus élevée rend la lecture plus fluide</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Rapport d&apos;aspect</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Définir le rapport largeur/hauteur selon le format d&apos;écran de votre appareil de lecture</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Rogner la vidéo</translation>
    </message>
    <message>
        <source>Crop the input video</source>
        <translation>Rogner la vidéo d&apos;entrée</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Vertically Flip</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Flip the input video vertically</source>
        <translation>Retourner la vidéo d&apos;entrée verticalement</translation>
    </message>
    <message>
        <source>Horizontally Flip</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip the input video horizontally</source>
        <translation>Retourner la vidéo d&apos;entrée horizontalement</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Rotate the video xx degrees clockwise. Valid number is from -270 to 270</source>
        <translation>Faire pivoter la vidéo de xx degrés dans le sens horaire. Valeurs valides&#xa0;: de -270 à 270</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Agrandissement</translation>
    </message>
    <message>
        <source>Never: a video smaller than the chosen size keeps its own size instead of being enlarged</source>
        <translation>Jamais&#xa0;: une vidéo plus petite que la taille choisie garde sa propre taille au lieu d&apos;être agrandie</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Définir le débit audio en bps (bits par seconde)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Définir la fréquence d&apos;échantillonnage audio (le nombre d&apos;échantillons par seconde)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Définir le nombre de canaux audio. 1 - Mono, 2 - Stéréo</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>Pistes audio</translation>
    </message>
    <message>
        <source>All: every audio track (other languages, commentary) where the format can hold several. First: only the main one</source>
        <translation>Toutes&#xa0;: chaque piste audio (autres langues, commentaires) lorsque le format peut en contenir plusieurs. Première&#xa0;: seulement la piste principale</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Supprimer l&apos;audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Keep: subtitle tracks go into the output where the format can hold them. Burn In: the default text track is drawn into the picture. None: left out</source>
        <translation>Conserver&#xa0;: les pistes de sous-titres sont copiées dans la sortie lorsque le format peut les contenir. Incruster&#xa0;: la piste de texte par défaut est dessinée dans l&apos;image. Aucun&#xa0;: omis</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Paramètres vidéo</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Paramètres audio</translation>
    </message>
    <message>
        <source>Subtitle Settings</source>
        <translation>Paramètres des sous-titres</translation>
    </message>
    <message>
        <source>digits, optionally ending in k</source>
        <translation>chiffres, suivis éventuellement de k</translation>
    </message>
    <message>
        <source>digits, in Hz</source>
        <translation>chiffres, en Hz</translation>
    </message>
    <message>
        <source>a number above 0</source>
        <translation>un nombre supérieur à 0</translation>
    </message>
    <message>
        <source>width:height in whole numbers, such as 16:9</source>
        <translation>largeur:hauteur en nombres entiers, par exemple 16:9</translation>
    </message>
    <message>
        <source>whole degrees from -270 to 270</source>
        <translation>degrés entiers de -270 à 270</translation>
    </message>
    <message>
        <source>pixels, 0 or more</source>
        <translation>pixels, 0 ou plus</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot;.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» a été remplacé par «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot; (it takes %4).</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» a été remplacé par «&#xa0;%3&#xa0;» (valeurs acceptées&#xa0;: %4).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual video bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>«&#xa0;%1&#xa0;» correspond à %1 bit/s, bien en dessous des débits vidéo habituels. Vouliez-vous dire «&#xa0;%1k&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual audio bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>«&#xa0;%1&#xa0;» correspond à %1 bit/s, bien en dessous des débits audio habituels. Vouliez-vous dire «&#xa0;%1k&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).</source>
        <translation>«&#xa0;%1&#xa0;» correspond à %1 Hz, bien en dessous des fréquences d&apos;échantillonnage habituelles (8000 Hz et plus, le plus souvent 44100 ou 48000).</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Qualité constante</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Video Quality Mode</source>
        <translation>Mode de qualité vidéo</translation>
    </message>
    <message>
        <source>Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one picture quality and the size follows the content (the video bitrate is then not used)</source>
        <translation>Débit&#xa0;: le débit vidéo détermine la taille du fichier. Qualité constante&#xa0;: l&apos;encodeur maintient une même qualité d&apos;image et la taille dépend du contenu (le débit vidéo n&apos;est alors pas utilisé)</translation>
    </message>
    <message>
        <source>Constant Quality</source>
        <translation>Qualité constante</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the encoder&apos;s own scale: lower is better</source>
        <translation>La qualité d&apos;image maintenue en mode qualité constante, sur l&apos;échelle propre à l&apos;encodeur&#xa0;: plus la valeur est basse, meilleure est la qualité</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Désentrelacement</translation>
    </message>
    <message>
        <source>Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: only sources found to be interlaced. Always: every source</source>
        <translation>Transforme les deux trames des images entrelacées de caméscope ou de télévision en images complètes. Auto&#xa0;: seulement les sources détectées comme entrelacées. Toujours&#xa0;: toutes les sources</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning</source>
        <translation>Point de la source où commence la sortie&#xa0;: hh:mm:ss.fff ou secondes. Vide&#xa0;: depuis le début</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end</source>
        <translation>Durée de la sortie&#xa0;: hh:mm:ss.fff ou secondes. Vide&#xa0;: jusqu&apos;à la fin</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time, so the whole file is kept (it takes hh:mm:ss.fff or seconds, such as 1:30.5 or 90.5%3).</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une indication de temps, le fichier entier est donc conservé (valeurs acceptées&#xa0;: hh:mm:ss.fff ou secondes, par exemple 1:30.5 ou 90.5%3).</translation>
    </message>
    <message>
        <source>, above 0</source>
        <translation>, supérieures à 0</translation>
    </message>
    <message>
        <source>This format&apos;s video encoder has no constant quality mode: it always uses the video bitrate</source>
        <translation>L&apos;encodeur vidéo de ce format n&apos;a pas de mode qualité constante&#xa0;: il utilise toujours le débit vidéo</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the %1 scale from %2 (best, largest files) to %3 (worst, smallest files): lower is better. Starts at %4</source>
        <translation>La qualité d&apos;image maintenue en mode qualité constante, sur l&apos;échelle de %1 allant de %2 (meilleure qualité, fichiers les plus gros) à %3 (qualité la plus basse, fichiers les plus petits)&#xa0;: plus la valeur est basse, meilleure est la qualité. Valeur initiale&#xa0;: %4</translation>
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
        <translation>Bibliothèque vidéo introuvable</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>Voulez-vous consulter notre site web pour vérifier si une nouvelle version est disponible&#x202f;?</translation>
    </message>
    <message>
        <source>Please add file to the list.</source>
        <translation>Veuillez ajouter des fichiers à la liste.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Voulez-vous quitter&#x202f;?</translation>
    </message>
    <message>
        <source>Stop converting and quit?</source>
        <translation>Arrêter la conversion et quitter&#x202f;?</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Enter plays the selected file; Alt+Up and Alt+Down move it</source>
        <translation>Entrée lit le fichier sélectionné&#x202f;; Alt+Haut et Alt+Bas le déplacent</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>All Supported Media Files</source>
        <translation>Tous les fichiers multimédias pris en charge</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Tous les fichiers audio pris en charge</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Tous les fichiers vidéo pris en charge</translation>
    </message>
</context>
<context>
    <name>OutputEstimate</name>
    <message>
        <source>depends on the content</source>
        <translation>dépend du contenu</translation>
    </message>
    <message>
        <source>about %1 KB</source>
        <translation>environ %1 Ko</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>environ %1 Mo</translation>
    </message>
</context>
<context>
    <name>OutputFolders</name>
    <message>
        <source>Create %1?</source>
        <translation>Créer %1&#x202f;?</translation>
    </message>
    <message>
        <source>The folder could not be created:
%1</source>
        <translation>Le dossier n&apos;a pas pu être créé&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <source>High (larger file size)</source>
        <translation>Haute (fichier plus gros)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Basse (fichier plus petit)</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conserver les deux</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Paramètres de sortie</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Taille de la vidéo&#xa0;:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Qualité vidéo&#xa0;:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualité audio&#xa0;:</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>Cœurs du processeur&#xa0;:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination&#xa0;:</translation>
    </message>
    <message>
        <source>If the output file exists</source>
        <translation>Si le fichier de sortie existe</translation>
    </message>
    <message>
        <source>&amp;More &gt;&gt;</source>
        <translation>&amp;Plus &gt;&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>&amp;More &lt;&lt;</source>
        <translation>&amp;Plus &lt;&lt;</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Ouvre le menu des profils de sortie</translation>
    </message>
    <message>
        <source>Custom... lets you type the width and height</source>
        <translation>Personnalisée... permet de saisir la largeur et la hauteur</translation>
    </message>
    <message>
        <source>How many files are converted at the same time</source>
        <translation>Nombre de fichiers convertis en même temps</translation>
    </message>
    <message>
        <source>The folder the converted files are written to</source>
        <translation>Le dossier dans lequel les fichiers convertis sont écrits</translation>
    </message>
    <message>
        <source>What happens when a file of the same name is already there</source>
        <translation>Ce qui se passe lorsqu&apos;un fichier du même nom existe déjà</translation>
    </message>
    <message>
        <source>Shows or hides the advanced settings</source>
        <translation>Affiche ou masque les paramètres avancés</translation>
    </message>
    <message>
        <source>Size note</source>
        <translation>Remarque sur la taille</translation>
    </message>
    <message>
        <source>Save as &amp;Preset…</source>
        <translation>&amp;Enregistrer comme préréglage…</translation>
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
        <translation>Personnalisée...</translation>
    </message>
    <message>
        <source>an empty box</source>
        <translation>un champ vide</translation>
    </message>
    <message>
        <source>%1: %2 was replaced by &quot;%3&quot; (it takes an even number from %4 to %5).</source>
        <extracomment>%1 is &quot;Width&quot; or &quot;Height&quot;, %2 the typed value in quotes or &quot;an empty box&quot;.</extracomment>
        <translation>%1&#xa0;: %2 a été remplacé par «&#xa0;%3&#xa0;» (un nombre pair de %4 à %5 est attendu).</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>Bibliothèque vidéo introuvable</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Press Space to turn the sound off or on</source>
        <translation>Appuyez sur Espace pour couper ou rétablir le son</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview 10 s</source>
        <translation>Aperçu 10 s</translation>
    </message>
    <message>
        <source>Cancel Preview</source>
        <translation>Annuler l&apos;aperçu</translation>
    </message>
    <message>
        <source>Convert 10 seconds from the middle of %1 with these settings and play them</source>
        <translation>Convertir 10 secondes du milieu de %1 avec ces paramètres et les lire</translation>
    </message>
    <message>
        <source>Select a file in the list to preview these settings on it</source>
        <translation>Sélectionnez un fichier dans la liste pour y prévisualiser ces paramètres</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Aucun aperçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Preview: %1 KB for %2 s, %3 kbit/s</source>
        <translation>Aperçu&#xa0;: %1 Ko pour %2 s, %3 kbit/s</translation>
    </message>
</context>
<context>
    <name>PreviewRun</name>
    <message>
        <source>A preview is already being made</source>
        <translation>Un aperçu est déjà en cours de création</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder for the preview: %1</source>
        <translation>Impossible de créer un dossier temporaire pour l&apos;aperçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The output format is unknown</source>
        <translation>Le format de sortie est inconnu</translation>
    </message>
</context>
<context>
    <name>ProbePool</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Ceci est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, pipe or socket).</source>
        <translation>Ceci n&apos;est pas un fichier ordinaire (périphérique, tube ou socket).</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>AAC - Advanced Audio Coding Files (*.aac)</source>
        <translation>AAC - Fichiers Advanced Audio Coding (*.aac)</translation>
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
        <translation>3GP - Format 3GP (*.3gp)</translation>
    </message>
    <message>
        <source>ASF - Advanced Streaming Format (*.asf)</source>
        <translation>ASF - Advanced Streaming Format (*.asf)</translation>
    </message>
    <message>
        <source>AVI - AVI Xvid Format (*.avi)</source>
        <translation>AVI - Format AVI Xvid (*.avi)</translation>
    </message>
    <message>
        <source>F4V - Flash Video (*.f4v)</source>
        <translation>F4V - Vidéo Flash (*.f4v)</translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation>FLV - Vidéo Flash (*.flv)</translation>
    </message>
    <message>
        <source>MKV - Matroska Video (*.mkv)</source>
        <translation>MKV - Vidéo Matroska (*.mkv)</translation>
    </message>
    <message>
        <source>MOV - QuickTime Video (*.mov)</source>
        <translation>MOV - Vidéo QuickTime (*.mov)</translation>
    </message>
    <message>
        <source>MP4 - H264 Video (*.mp4)</source>
        <translation>MP4 - Vidéo H264 (*.mp4)</translation>
    </message>
    <message>
        <source>MP4 - MPEG-4 Video (*.mp4)</source>
        <translation>MP4 - Vidéo MPEG-4 (*.mp4)</translation>
    </message>
    <message>
        <source>MPG - MPEG-1 Video (*.mpg)</source>
        <translation>MPG - Vidéo MPEG-1 (*.mpg)</translation>
    </message>
    <message>
        <source>MPG - MPEG-2 Video (*.mpg)</source>
        <translation>MPG - Vidéo MPEG-2 (*.mpg)</translation>
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
        <translation>WebM - Vidéo WebM (*.webm)</translation>
    </message>
    <message>
        <source>WMV - Windows Media Video (*.wmv)</source>
        <translation>WMV - Windows Media Video (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 - HEVC Video (*.mp4)</source>
        <translation>MP4 - Vidéo HEVC (*.mp4)</translation>
    </message>
    <message>
        <source>WebM - VP9 Video + Opus Audio (*.webm)</source>
        <translation>WebM - Vidéo VP9 + audio Opus (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1 Video + Opus Audio (*.mkv)</source>
        <translation>MKV - Vidéo AV1 + audio Opus (*.mkv)</translation>
    </message>
    <message>
        <source>WebM - AV1 Video + Opus Audio (*.webm)</source>
        <translation>WebM - Vidéo AV1 + audio Opus (*.webm)</translation>
    </message>
    <message>
        <source>MKV - H264 Video + AAC Audio, All Tracks (*.mkv)</source>
        <translation>MKV - Vidéo H264 + audio AAC, toutes les pistes (*.mkv)</translation>
    </message>
    <message>
        <source>Opus - Opus Audio (*.opus)</source>
        <translation>Opus - Audio Opus (*.opus)</translation>
    </message>
    <message>
        <source>Phone - H264 Video 1080p</source>
        <translation>Téléphone - Vidéo H264 1080p</translation>
    </message>
    <message>
        <source>Phone - HEVC Video 1080p</source>
        <translation>Téléphone - Vidéo HEVC 1080p</translation>
    </message>
    <message>
        <source>TV - H264 Video 1080p</source>
        <translation>Téléviseur - Vidéo H264 1080p</translation>
    </message>
    <message>
        <source>TV - HEVC Video 4K</source>
        <translation>Téléviseur - Vidéo HEVC 4K</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vidéo HD</translation>
    </message>
    <message>
        <source>PMP</source>
        <extracomment>Portable media players (Archos, Creative ZEN, iRiver, Zune).</extracomment>
        <translation>Baladeurs multimédias</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Vidéo pour le Web</translation>
    </message>
    <message>
        <source>General Audio Format</source>
        <translation>Formats audio courants</translation>
    </message>
    <message>
        <source>General Video Format</source>
        <translation>Formats vidéo courants</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Formats récents</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Nom du fichier de sortie</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 converted with problems: %2</source>
        <translation>%1 converti avec des problèmes&#xa0;: %2</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion en cours...</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Stop converting?</source>
        <translation>Arrêter la conversion&#x202f;?</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Temps écoulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Temps restant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>One row per file: output name, progress and status</source>
        <translation>Une ligne par fichier&#xa0;: nom de sortie, progression et état</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Stops the conversion, or closes the window once it has ended</source>
        <translation>Arrête la conversion, ou ferme la fenêtre une fois celle-ci terminée</translation>
    </message>
    <message>
        <source>Opens the folder the converted files are written to</source>
        <translation>Ouvre le dossier dans lequel les fichiers convertis sont écrits</translation>
    </message>
    <message>
        <source>Estimated Size</source>
        <translation>Taille estimée</translation>
    </message>
</context>
<context>
    <name>QueueConversion</name>
    <message>
        <source>%1 cannot be converted: the output format is unknown.</source>
        <translation>%1 ne peut pas être converti&#xa0;: le format de sortie est inconnu.</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Chemin non valide&#x202f;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>RowTexts</name>
    <message>
        <source>Audio tracks: %1, subtitle tracks: %2</source>
        <translation>Pistes audio&#xa0;: %1, pistes de sous-titres&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can not open file: 
%1

Error: 
%2</source>
        <translation>Impossible d&apos;ouvrir le fichier&#xa0;: 
%1

Erreur&#xa0;: 
%2</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>interlaced</source>
        <translation>entrelacé</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n converti</numerusform>
            <numerusform>%n convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n with problems)</source>
        <extracomment>%1 is &quot;N converted&quot;.</extracomment>
        <translation>
            <numerusform>%1 (%n avec des problèmes)</numerusform>
            <numerusform>%1 (%n avec des problèmes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n échec</numerusform>
            <numerusform>%n échecs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignoré</numerusform>
            <numerusform>%n ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n canceled</source>
        <translation>
            <numerusform>%n annulé</numerusform>
            <numerusform>%n annulés</numerusform>
        </translation>
    </message>
    <message>
        <source>Canceled after %1 of %2</source>
        <translation>Annulé après %1 sur %2</translation>
    </message>
    <message>
        <source>Convert Finished!</source>
        <translation>Conversion terminée&#x202f;!</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Rien à convertir</translation>
    </message>
    <message>
        <source>Convert Finished. Click here to open the output folder</source>
        <translation>Conversion terminée. Cliquez ici pour ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>%1. Nothing was converted.</source>
        <translation>%1. Rien n&apos;a été converti.</translation>
    </message>
    <message>
        <source>%1. Click here to open the output folder</source>
        <translation>%1. Cliquez ici pour ouvrir le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>SettingsGrid</name>
    <message>
        <source>Advanced settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>F2 edits the selected value; Space switches a yes-or-no value</source>
        <translation>F2 modifie la valeur sélectionnée&#x202f;; Espace bascule une valeur oui/non</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No web browser could be started. The address is:
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé. L&apos;adresse est&#xa0;:
%1</translation>
    </message>
    <message>
        <source>This does not exist (any more):
%1</source>
        <translation>Ceci n&apos;existe pas (ou plus)&#xa0;:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this folder. It is here:
%1</source>
        <translation>Aucun programme n&apos;a pu être lancé pour afficher ce dossier. Il se trouve ici&#xa0;:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this file. It is here:
%1</source>
        <translation>Aucun programme n&apos;a pu être lancé pour afficher ce fichier. Il se trouve ici&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>picture size</source>
        <translation>taille de l&apos;image</translation>
    </message>
    <message>
        <source>video bitrate</source>
        <translation>débit vidéo</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>débit audio</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>fréquence d&apos;images</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>nombre de canaux</translation>
    </message>
    <message>
        <source>aspect</source>
        <translation>rapport d&apos;aspect</translation>
    </message>
    <message>
        <source>crop, flip or rotate setting</source>
        <translation>paramètre de rognage, de retournement ou de rotation</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>codec vidéo</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>codec audio</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>format de sortie</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>gauche %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>droite %1</translation>
    </message>
    <message>
        <source>top %1</source>
        <translation>haut %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>bas %1</translation>
    </message>
    <message>
        <source>The crop margins (%1) are larger than the picture (%2×%3) of %4. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>Les marges de rognage (%1) sont plus grandes que l&apos;image (%2×%3) de %4. Réduisez-les sous «&#xa0;Rogner la vidéo&#xa0;» dans les paramètres avancés.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the %2 &quot;%3&quot; cannot be used for it. Choose another value in the output settings.</source>
        <extracomment>%1 is a file name, %2 a setting such as &quot;video bitrate&quot;, %3 its value.</extracomment>
        <translation>%1 ne peut pas être converti&#xa0;: la valeur «&#xa0;%3&#xa0;» (%2) ne peut pas être utilisée. Choisissez une autre valeur dans les paramètres de sortie.</translation>
    </message>
    <message>
        <source>The crop margins are larger than the picture of %1. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>Les marges de rognage sont plus grandes que l&apos;image de %1. Réduisez-les sous «&#xa0;Rogner la vidéo&#xa0;» dans les paramètres avancés.</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>%1 ne peut pas être converti&#xa0;: %2</translation>
    </message>
    <message>
        <source>Please try to convert it to another format.</source>
        <translation>Veuillez essayer de le convertir dans un autre format.</translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Lecture des fichiers, veuillez patienter...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
</TS>
