<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: unknown option</source>
        <translation>%1: opção desconhecida</translation>
    </message>
    <message>
        <source>%1: takes no value</source>
        <translation>%1: não aceita valor</translation>
    </message>
    <message>
        <source>%1: needs a value</source>
        <translation>%1: precisa de um valor</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: indicada mais de uma vez</translation>
    </message>
    <message>
        <source>Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.</source>
        <translation>Uso:  veltrane-convert [opções] ARQUIVO|PASTA... -o PASTA
  ou: veltrane-convert [opções] ARQUIVO -o ARQUIVO_DE_SAÍDA
  ou: veltrane-convert [opções] --files-from LISTA -o PASTA
Converte arquivos de mídia com os perfis e as configurações do Veltrane Video Converter.</translation>
    </message>
    <message>
        <source>Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line (&quot;-&quot;: standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0)</source>
        <translation>Entrada:
  --files-from LISTA        converte também os arquivos e pastas indicados em LISTA,
                            um por linha (&quot;-&quot;: entrada padrão)
  -0, --null                os nomes em LISTA terminam com um byte NUL (find -print0)</translation>
    </message>
    <message>
        <source>Results go to standard output; failures, warnings and errors to standard error.</source>
        <translation>Os resultados vão para a saída padrão; falhas, avisos e erros, para a saída de erro
padrão.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).</source>
        <translation>Status de saída: 0 tudo convertido (ou ignorado), 1 alguma falha, 2 uso incorreto,
128+N encerrado pelo sinal N após remover as saídas incompletas (130 Ctrl-C,
143 SIGTERM, 129 SIGHUP).</translation>
    </message>
    <message>
        <source>a bitrate from 1 to 1000000k bits per second</source>
        <translation>uma taxa de bits de 1 a 1000000k bits por segundo</translation>
    </message>
    <message>
        <source>a frame rate from 0.01 to 1000</source>
        <translation>uma taxa de quadros de 0.01 a 1000</translation>
    </message>
    <message>
        <source>a sample rate from 1000 to 384000 Hz</source>
        <translation>uma taxa de amostragem de 1000 a 384000 Hz</translation>
    </message>
    <message>
        <source>an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100</source>
        <translation>uma proporção A:B com A e B de 1 a 100000 e A/B de 0.01 a 100</translation>
    </message>
    <message>
        <source>converted: %1 -&gt; %2</source>
        <translation>convertido: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>skipped: %1: %2</source>
        <translation>ignorado: %1: %2</translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation>parado: %1</translation>
    </message>
    <message>
        <source>failed: %1: %2</source>
        <translation>falhou: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>aviso: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file:</source>
        <translation>
            <numerusform>%n arquivo:</numerusform>
            <numerusform>%n arquivos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files:</source>
        <translation>
            <numerusform>%n arquivo:</numerusform>
            <numerusform>%n arquivos:</numerusform>
        </translation>
    </message>
    <message>
        <source>(interrupted)</source>
        <translation>(interrompido)</translation>
    </message>
    <message>
        <source>Can not open file: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>unknown output format</source>
        <translation>formato de saída desconhecido</translation>
    </message>
    <message>
        <source>Cannot convert. %1</source>
        <translation>Não é possível converter. %1</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not WxH (such as 640x480) or auto</source>
        <translation>--size: &quot;%1&quot; não está no formato LxA (como 640x480) nem é auto</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not four numbers L,T,R,B</source>
        <translation>--crop: &quot;%1&quot; não são quatro números E,S,D,I</translation>
    </message>
    <message>
        <source>--crop: &quot;%1&quot; is not a whole number of pixels from 0 to %2</source>
        <translation>--crop: &quot;%1&quot; não é um número inteiro de pixels de 0 a %2</translation>
    </message>
    <message>
        <source>--rotate: &quot;%1&quot; is not a whole number of degrees from -270 to 270</source>
        <translation>--rotate: &quot;%1&quot; não é um número inteiro de graus de -270 a 270</translation>
    </message>
    <message>
        <source>--channels: &quot;%1&quot; is not 1, 2 or auto</source>
        <translation>--channels: &quot;%1&quot; não é 1, 2 nem auto</translation>
    </message>
    <message>
        <source>a bitrate: digits, optionally ending in k</source>
        <translation>uma taxa de bits: dígitos, opcionalmente terminados em k</translation>
    </message>
    <message>
        <source>a sample rate: digits</source>
        <translation>uma taxa de amostragem: dígitos</translation>
    </message>
    <message>
        <source>a frame rate: a positive number</source>
        <translation>uma taxa de quadros: um número positivo</translation>
    </message>
    <message>
        <source>an aspect: digits:digits</source>
        <translation>uma proporção: dígitos:dígitos</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not %3</source>
        <translation>%1: &quot;%2&quot; não é %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>--format: give either --profile or --format, not both</source>
        <translation>--format: indique --profile ou --format, não ambos</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not a format key (%2)</source>
        <translation>--format: &quot;%1&quot; não é uma chave de formato (%2)</translation>
    </message>
    <message>
        <source>%1: the audio format %2 has no picture settings</source>
        <translation>%1: o formato de áudio %2 não tem configurações de imagem</translation>
    </message>
    <message>
        <source>--video-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--video-quality: &quot;%1&quot; não é high, normal nem low</translation>
    </message>
    <message>
        <source>--audio-quality: &quot;%1&quot; is not high, normal or low</source>
        <translation>--audio-quality: &quot;%1&quot; não é high, normal nem low</translation>
    </message>
    <message>
        <source>--profile: no profile matches &quot;%1&quot; (see --list-profiles)</source>
        <translation>--profile: nenhum perfil corresponde a &quot;%1&quot; (veja --list-profiles)</translation>
    </message>
    <message>
        <source>--if-exists: &quot;%1&quot; is not keep-both, overwrite or skip</source>
        <translation>--if-exists: &quot;%1&quot; não é keep-both, overwrite nem skip</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: &quot;%1&quot; não é um número de 1 a %2</translation>
    </message>
    <message>
        <source>-o: an output folder is needed</source>
        <translation>-o: é necessária uma pasta de saída</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder</source>
        <translation>-o: &quot;%1&quot; não é uma pasta existente</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>cannot read folder %1 (skipped)</source>
        <translation>não foi possível ler a pasta %1 (ignorada)</translation>
    </message>
    <message>
        <source>Try &apos;veltrane-convert --help&apos;.</source>
        <translation>Tente &apos;veltrane-convert --help&apos;.</translation>
    </message>
    <message>
        <source>--files-from: %1: cannot be read</source>
        <translation>--files-from: %1: não pode ser lido</translation>
    </message>
    <message>
        <source>-q: give -q or -v, not both</source>
        <translation>-q: indique -q ou -v, não ambos</translation>
    </message>
    <message>
        <source>-0: only with --files-from</source>
        <translation>-0: só com --files-from</translation>
    </message>
    <message>
        <source>-: to read the names from standard input, give --files-from -</source>
        <translation>-: para ler os nomes da entrada padrão, indique --files-from -</translation>
    </message>
    <message>
        <source>no input files or folders</source>
        <translation>nenhum arquivo ou pasta de entrada</translation>
    </message>
    <message>
        <source>-o: &quot;%1&quot; is not an existing folder (a file name is taken for one source only)</source>
        <translation>-o: &quot;%1&quot; não é uma pasta existente (um nome de arquivo só vale para uma única origem)</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>Biblioteca de vídeo não encontrada</translation>
    </message>
    <message numerus="yes">
        <source>Overall %1%  %2/%n files  %3x real time  %4 left</source>
        <translation>
            <numerusform>Total %1%  %2/%n arquivo  %3x tempo real  faltam %4</numerusform>
            <numerusform>Total %1%  %2/%n arquivos  %3x tempo real  faltam %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--profile: &quot;%1&quot; matches %n profiles:</source>
        <translation>
            <numerusform>--profile: &quot;%1&quot; corresponde a %n perfil:</numerusform>
            <numerusform>--profile: &quot;%1&quot; corresponde a %n perfis:</numerusform>
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
        <translation>Saída:
  -o, --output PASTA        pasta existente que recebe os arquivos convertidos; com
                            exatamente uma origem, um nome de arquivo para a sua saída
  --profile TEXTO           perfil pelo id, pela legenda exata ou por uma parte única
                            de uma legenda (maiúsculas ou minúsculas); padrão
                            &quot;MP4 - H264 Video (*.mp4)&quot;
  --format CHAVE            chave do formato de saída em vez de um perfil (mp4h264,
                            mp3, ...)
  --preset NOME|ARQUIVO     parte de uma predefinição salva na janela (&quot;Minhas
                            predefinições&quot;) ou de um arquivo de predefinição (um
                            arquivo existente ou qualquer texto com &quot;/&quot;); as opções
                            dadas aqui se aplicam por cima dela
  --settings-from-window    parte das configurações que o programa de janela salvou
                            por último (perfil, tamanho, qualidades, valores da grade;
                            não recorte, espelhamento nem rotação); as opções dadas
                            aqui se aplicam por cima delas
  --list-profiles           lista os PROFILE_COUNT perfis: id, legenda, caminho no menu,
                            chave e extensão (com --json: um array de objetos) e sai
  --keep-tree               recria cada pasta indicada (pelo nome) e as suas subpastas
                            dentro da pasta de saída
  --if-exists MODO          keep-both (padrão: &quot;nome (1).ext&quot;), overwrite ou skip</translation>
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
        <translation>Imagem e som (como na janela de configurações de saída):
  --size LxA|auto           tamanho da imagem; tamanhos ímpares ou fora do intervalo
                            são corrigidos
  --video-quality Q         high, normal ou low (também 0, 1, 2)
  --audio-quality Q         high, normal ou low
  --vb TAXA                 taxa de bits do vídeo: dígitos, opcionalmente terminados
                            em k (&quot;1500k&quot;)
  --ab TAXA                 taxa de bits do áudio (&quot;128k&quot;)
  --fps FPS                 taxa de quadros (&quot;29.97&quot;)
  --aspect A:B              proporção de exibição (&quot;16:9&quot;)
  --crop E,S,D,I            pixels removidos à esquerda, em cima, à direita e embaixo
  --vflip, --hflip          espelha a imagem na vertical / na horizontal
  --rotate GRAUS            graus no sentido horário, de -270 a 270
  --rate HZ                 taxa de amostragem do áudio (&quot;44100&quot;)
  --channels N              1, 2 ou auto
  --no-audio                deixa o som de fora
  --audio-tracks all|first  mantém todas as faixas de áudio ou só a primeira
  --subtitles keep|burn|none  copia as faixas de legenda, grava a primeira na imagem
                            ou as deixa de fora
  --keep-date, --no-keep-date  dá à saída a data de modificação da origem (padrão)
  --upscale, --no-upscale   permite um tamanho de imagem maior que o da origem (padrão)
  --crf N                   qualidade constante em vez de uma taxa de bits; quanto
                            menor, melhor. Escalas: H.264 0-51 (em geral 22), HEVC
                            0-51 (28), VP9 0-63 (32), AV1 0-63 (30); formatos com
                            outros codificadores a recusam
  --deinterlace MODO        off (padrão), auto (origens detectadas como entrelaçadas)
                            ou always
  --start T                 inicia a saída em T na origem (hh:mm:ss.fff ou segundos)
  --duration T              faz a saída durar T (hh:mm:ss.fff ou segundos)
  Toda opção com valor também aceita &quot;auto&quot; onde a janela oferece &quot;Automático&quot;.</translation>
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
        <translation>Execução:
  -j, --jobs N              arquivos convertidos ao mesmo tempo (padrão: o número de
                            processadores)
  --dry-run                 mostra cada origem, o caminho de saída, as opções e o
                            tamanho estimado da saída; não converte nada
  --json                    um objeto JSON por evento na saída padrão (esquema 1)
  -q, --quiet               mostra só as falhas e os erros
  -v, --verbose             mostra também os avisos das bibliotecas de mídia
                            (-vv: informações)
  -h, --help                este texto
  --version                 versão do programa</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not for the format %2, whose encoder has no constant quality mode (H.264, HEVC, VP9 and AV1 formats have one)</source>
        <translation>--crf: &quot;%1&quot; não serve para o formato %2, cujo codificador não tem modo de qualidade constante (os formatos H.264, HEVC, VP9 e AV1 têm)</translation>
    </message>
    <message>
        <source>--crf: &quot;%1&quot; is not a quality from %2 (best) to %3 for %4</source>
        <translation>--crf: &quot;%1&quot; não é uma qualidade de %2 (melhor) a %3 para o %4</translation>
    </message>
    <message>
        <source>--start: &quot;%1&quot; is not a time (hh:mm:ss.fff or seconds)</source>
        <translation>--start: &quot;%1&quot; não é um tempo (hh:mm:ss.fff ou segundos)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a length above 0 (hh:mm:ss.fff or seconds)</source>
        <translation>--duration: &quot;%1&quot; não é uma duração maior que 0 (hh:mm:ss.fff ou segundos)</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>tamanho desconhecido</translation>
    </message>
    <message>
        <source>size %1</source>
        <translation>tamanho %1</translation>
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
            <numerusform>%1 (%n com avisos)</numerusform>
            <numerusform>%1 (%n com avisos)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, %3, %4, %5 in %6 s</source>
        <extracomment>%1 is &quot;N files:&quot;, %2 &quot;N converted&quot;, %3 &quot;N failed&quot;, %4 &quot;N skipped&quot;, %5 &quot;N stopped&quot;, %6 the seconds the whole run took.</extracomment>
        <translation>%1 %2, %3, %4, %5 em %6 s</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n com falha</numerusform>
            <numerusform>%n com falha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignorado</numerusform>
            <numerusform>%n ignorados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n parado</numerusform>
            <numerusform>%n parados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Toobar</source>
        <extracomment>The toolbar&apos;s title, shown where the window lists its bars.</extracomment>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Mais comandos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: converts video and audio files. Files and folders named here are added to the list;
when the program is already running, they are added to its window.</source>
        <translation>%1: converte arquivos de vídeo e áudio. Os arquivos e pastas indicados aqui são adicionados
à lista; se o programa já estiver em execução, eles são adicionados à janela dele.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Media files, or folders to search for media files.</source>
        <translation>Arquivos de mídia ou pastas onde procurar arquivos de mídia.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Tente &apos;--help&apos; para mais informações.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Convert Files</source>
        <translation>Converter arquivos</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverter seleção</translation>
    </message>
    <message>
        <source>Remove Selected Files</source>
        <translation>Remover arquivos selecionados</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Conteúdo da ajuda</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Play (Enter or a double-click on a row)</source>
        <translation>Reproduzir (Enter ou clique duplo em uma linha)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Up (Alt+Up)</source>
        <translation>Mover para cima (Alt+Seta para cima)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Move Down (Alt+Down)</source>
        <translation>Mover para baixo (Alt+Seta para baixo)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renomear…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Excluir…</translation>
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
        <translation>Minhas predefinições</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Not a media file, or the file is damaged</source>
        <translation>Não é um arquivo de mídia, ou o arquivo está danificado</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>O arquivo está vazio</translation>
    </message>
    <message>
        <source>The file holds no audio or video</source>
        <translation>O arquivo não contém áudio nem vídeo</translation>
    </message>
    <message>
        <source>Reading the file timed out</source>
        <translation>A leitura do arquivo excedeu o tempo limite</translation>
    </message>
    <message>
        <source>The path is a folder, not a file</source>
        <translation>O caminho é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>The path is not a regular file</source>
        <translation>O caminho não é um arquivo comum</translation>
    </message>
    <message>
        <source>The file refers to other files, which are not read</source>
        <translation>O arquivo faz referência a outros arquivos, que não são lidos</translation>
    </message>
    <message>
        <source>The source changed on disk during the conversion</source>
        <translation>A origem foi alterada no disco durante a conversão</translation>
    </message>
    <message>
        <source>The conversion failed</source>
        <translation>A conversão falhou</translation>
    </message>
    <message>
        <source>Skipped: %1 already exists</source>
        <translation>Ignorado: %1 já existe</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Total Files: %1</source>
        <translation>Total de arquivos: %1</translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation>Duração total: %1</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Arquivos encontrados: %1</translation>
    </message>
    <message>
        <source>Adding file %1 of %2</source>
        <translation>Adicionando arquivo %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be opened:</source>
        <translation>
            <numerusform>Não foi possível abrir %n arquivo:</numerusform>
            <numerusform>Não foi possível abrir %n arquivos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read:</source>
        <translation>
            <numerusform>Não foi possível ler %n pasta:</numerusform>
            <numerusform>Não foi possível ler %n pastas:</numerusform>
        </translation>
    </message>
    <message>
        <source>No media files were found in %1.</source>
        <translation>Nenhum arquivo de mídia foi encontrado em %1.</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Tamanho do vídeo</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec de vídeo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec de áudio</translation>
    </message>
</context>
<context>
    <name>GridItems</name>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
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
        <translation>Primeira</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Burn In</source>
        <translation>Gravar na imagem</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Filename Extension</source>
        <translation>Extensão do arquivo</translation>
    </message>
    <message>
        <source>Keep File Date</source>
        <translation>Manter data do arquivo</translation>
    </message>
    <message>
        <source>Give the output file the modification date of the source file</source>
        <translation>Dá ao arquivo de saída a data de modificação do arquivo de origem</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Taxa de bits do vídeo</translation>
    </message>
    <message>
        <source>Set the video bit rate in bps (Bit Per Second)</source>
        <translation>Define a taxa de bits do vídeo em bps (bits por segundo)</translation>
    </message>
    <message>
        <source>Frame Rate (FPS)</source>
        <translation>Taxa de quadros (FPS)</translation>
    </message>
    <message>
        <source>Set how many frames should be displayed per second. Higher frame rate increases the smoothness when played back</source>
        <translation>Define quantos quadros são exibidos por segundo. Uma taxa de quadros maior deixa a reprodução mais suave</translation>
    </message>
    <message>
        <source>Aspect Rate</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Set width to height ratio according to the screen aspect of your playback device</source>
        <translation>Define a relação entre largura e altura de acordo com a proporção da tela do seu dispositivo de reprodução</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>Crop the input video</source>
        <translation>Recorta o vídeo de entrada</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Vertically Flip</source>
        <translation>Espelhar verticalmente</translation>
    </message>
    <message>
        <source>Flip the input video vertically</source>
        <translation>Espelha o vídeo de entrada na vertical</translation>
    </message>
    <message>
        <source>Horizontally Flip</source>
        <translation>Espelhar horizontalmente</translation>
    </message>
    <message>
        <source>Flip the input video horizontally</source>
        <translation>Espelha o vídeo de entrada na horizontal</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Rotate the video xx degrees clockwise. Valid number is from -270 to 270</source>
        <translation>Gira o vídeo xx graus no sentido horário. Valores válidos vão de -270 a 270</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Never: a video smaller than the chosen size keeps its own size instead of being enlarged</source>
        <translation>Nunca: um vídeo menor que o tamanho escolhido mantém o próprio tamanho em vez de ser ampliado</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Taxa de bits do áudio</translation>
    </message>
    <message>
        <source>Set the audio bitrate in bps(Bit Per Second)</source>
        <translation>Define a taxa de bits do áudio em bps (bits por segundo)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Set the audio sampling frequency (the number of samples per second)</source>
        <translation>Define a frequência de amostragem do áudio (o número de amostras por segundo)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Set number of audio channels. 1 - Mono, 2 - Stereo</source>
        <translation>Define o número de canais de áudio. 1 - Mono, 2 - Estéreo</translation>
    </message>
    <message>
        <source>Audio Tracks</source>
        <translation>Faixas de áudio</translation>
    </message>
    <message>
        <source>All: every audio track (other languages, commentary) where the format can hold several. First: only the main one</source>
        <translation>Todas: todas as faixas de áudio (outros idiomas, comentários) quando o formato comporta várias. Primeira: só a principal</translation>
    </message>
    <message>
        <source>Remove Audio</source>
        <translation>Remover áudio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Keep: subtitle tracks go into the output where the format can hold them. Burn In: the default text track is drawn into the picture. None: left out</source>
        <translation>Manter: as faixas de legenda vão para a saída quando o formato as comporta. Gravar na imagem: a faixa de texto padrão é desenhada na imagem. Nenhuma: deixadas de fora</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Arquivo de saída</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Configurações de vídeo</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Configurações de áudio</translation>
    </message>
    <message>
        <source>Subtitle Settings</source>
        <translation>Configurações de legenda</translation>
    </message>
    <message>
        <source>digits, optionally ending in k</source>
        <translation>dígitos, opcionalmente terminados em k</translation>
    </message>
    <message>
        <source>digits, in Hz</source>
        <translation>dígitos, em Hz</translation>
    </message>
    <message>
        <source>a number above 0</source>
        <translation>um número maior que 0</translation>
    </message>
    <message>
        <source>width:height in whole numbers, such as 16:9</source>
        <translation>largura:altura em números inteiros, como 16:9</translation>
    </message>
    <message>
        <source>whole degrees from -270 to 270</source>
        <translation>graus inteiros de -270 a 270</translation>
    </message>
    <message>
        <source>pixels, 0 or more</source>
        <translation>pixels, 0 ou mais</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot;.</source>
        <translation>%1: &quot;%2&quot; foi substituído por &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was replaced by &quot;%3&quot; (it takes %4).</source>
        <translation>%1: &quot;%2&quot; foi substituído por &quot;%3&quot; (aceita %4).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual video bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>&quot;%1&quot; são %1 bit/s, muito abaixo das taxas de bits de vídeo usuais. Você quis dizer &quot;%1k&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 bit/s, far below usual audio bitrates. Did you mean &quot;%1k&quot;?</source>
        <translation>&quot;%1&quot; são %1 bit/s, muito abaixo das taxas de bits de áudio usuais. Você quis dizer &quot;%1k&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %1 Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).</source>
        <translation>&quot;%1&quot; são %1 Hz, muito abaixo das taxas de amostragem usuais (8000 Hz ou mais, geralmente 44100 ou 48000).</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Constant quality</source>
        <translation>Qualidade constante</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Sempre</translation>
    </message>
    <message>
        <source>Video Quality Mode</source>
        <translation>Modo de qualidade do vídeo</translation>
    </message>
    <message>
        <source>Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one picture quality and the size follows the content (the video bitrate is then not used)</source>
        <translation>Taxa de bits: a taxa de bits do vídeo define o tamanho do arquivo. Qualidade constante: o codificador mantém uma única qualidade de imagem e o tamanho acompanha o conteúdo (a taxa de bits do vídeo não é usada nesse caso)</translation>
    </message>
    <message>
        <source>Constant Quality</source>
        <translation>Qualidade constante</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the encoder&apos;s own scale: lower is better</source>
        <translation>A qualidade de imagem mantida no modo de qualidade constante, na escala do próprio codificador: quanto menor, melhor</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelaçar</translation>
    </message>
    <message>
        <source>Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: only sources found to be interlaced. Always: every source</source>
        <translation>Transforma os dois campos das imagens entrelaçadas de filmadoras ou de TV em imagens inteiras. Automático: só as origens detectadas como entrelaçadas. Sempre: todas as origens</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Tempo inicial</translation>
    </message>
    <message>
        <source>Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning</source>
        <translation>Onde a saída começa na origem: hh:mm:ss.fff ou segundos. Vazio: desde o início</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end</source>
        <translation>Quanto tempo a saída dura: hh:mm:ss.fff ou segundos. Vazio: até o fim</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time, so the whole file is kept (it takes hh:mm:ss.fff or seconds, such as 1:30.5 or 90.5%3).</source>
        <translation>%1: &quot;%2&quot; não é um tempo, então o arquivo inteiro é mantido (aceita hh:mm:ss.fff ou segundos, como 1:30.5 ou 90.5%3).</translation>
    </message>
    <message>
        <source>, above 0</source>
        <translation>, maior que 0</translation>
    </message>
    <message>
        <source>This format&apos;s video encoder has no constant quality mode: it always uses the video bitrate</source>
        <translation>O codificador de vídeo deste formato não tem modo de qualidade constante: ele sempre usa a taxa de bits do vídeo</translation>
    </message>
    <message>
        <source>The picture quality kept in constant quality mode, on the %1 scale from %2 (best, largest files) to %3 (worst, smallest files): lower is better. Starts at %4</source>
        <translation>A qualidade de imagem mantida no modo de qualidade constante, na escala do %1, de %2 (melhor, arquivos maiores) a %3 (pior, arquivos menores): quanto menor, melhor. Começa em %4</translation>
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
        <translation>Biblioteca de vídeo não encontrada</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>Deseja visitar nosso site para verificar se há uma nova versão disponível?</translation>
    </message>
    <message>
        <source>Please add file to the list.</source>
        <translation>Adicione arquivos à lista.</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>Stop converting and quit?</source>
        <translation>Parar a conversão e sair?</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <source>Enter plays the selected file; Alt+Up and Alt+Down move it</source>
        <translation>Enter reproduz o arquivo selecionado; Alt+Seta para cima e Alt+Seta para baixo o movem</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>All Supported Media Files</source>
        <translation>Todos os arquivos de mídia suportados</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Todos os arquivos de áudio suportados</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Todos os arquivos de vídeo suportados</translation>
    </message>
</context>
<context>
    <name>OutputEstimate</name>
    <message>
        <source>depends on the content</source>
        <translation>depende do conteúdo</translation>
    </message>
    <message>
        <source>about %1 KB</source>
        <translation>cerca de %1 KB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>cerca de %1 MB</translation>
    </message>
</context>
<context>
    <name>OutputFolders</name>
    <message>
        <source>Create %1?</source>
        <translation>Criar %1?</translation>
    </message>
    <message>
        <source>The folder could not be created:
%1</source>
        <translation>Não foi possível criar a pasta:
%1</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <source>High (larger file size)</source>
        <translation>Alta (arquivo maior)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low (smaller file size)</source>
        <translation>Baixa (arquivo menor)</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Manter ambos</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Configurações de saída</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de saída:</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamanho do vídeo:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Qualidade do vídeo:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualidade do áudio:</translation>
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
        <translation>Se o arquivo de saída existir</translation>
    </message>
    <message>
        <source>&amp;More &gt;&gt;</source>
        <translation>&amp;Mais &gt;&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>&amp;More &lt;&lt;</source>
        <translation>&amp;Mais &lt;&lt;</translation>
    </message>
    <message>
        <source>Opens the menu of output profiles</source>
        <translation>Abre o menu de perfis de saída</translation>
    </message>
    <message>
        <source>Custom... lets you type the width and height</source>
        <translation>Personalizado... permite digitar a largura e a altura</translation>
    </message>
    <message>
        <source>How many files are converted at the same time</source>
        <translation>Quantos arquivos são convertidos ao mesmo tempo</translation>
    </message>
    <message>
        <source>The folder the converted files are written to</source>
        <translation>A pasta em que os arquivos convertidos são gravados</translation>
    </message>
    <message>
        <source>What happens when a file of the same name is already there</source>
        <translation>O que acontece quando já existe um arquivo com o mesmo nome</translation>
    </message>
    <message>
        <source>Shows or hides the advanced settings</source>
        <translation>Mostra ou oculta as configurações avançadas</translation>
    </message>
    <message>
        <source>Size note</source>
        <translation>Observação sobre o tamanho</translation>
    </message>
    <message>
        <source>Save as &amp;Preset…</source>
        <translation>Salvar como pre&amp;definição…</translation>
    </message>
</context>
<context>
    <name>OutputSizes</name>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>an empty box</source>
        <translation>uma caixa vazia</translation>
    </message>
    <message>
        <source>%1: %2 was replaced by &quot;%3&quot; (it takes an even number from %4 to %5).</source>
        <extracomment>%1 is &quot;Width&quot; or &quot;Height&quot;, %2 the typed value in quotes or &quot;an empty box&quot;.</extracomment>
        <translation>%1: em vez de %2, foi usado &quot;%3&quot; (aceita um número par de %4 a %5).</translation>
    </message>
</context>
<context>
    <name>PlayerWindow</name>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Video lib not found</source>
        <translation>Biblioteca de vídeo não encontrada</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Press Space to turn the sound off or on</source>
        <translation>Pressione Espaço para desativar ou ativar o som</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ativar som</translation>
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
        <translation>Pré-visualizar 10 s</translation>
    </message>
    <message>
        <source>Cancel Preview</source>
        <translation>Cancelar pré-visualização</translation>
    </message>
    <message>
        <source>Convert 10 seconds from the middle of %1 with these settings and play them</source>
        <translation>Converte 10 segundos do meio de %1 com estas configurações e os reproduz</translation>
    </message>
    <message>
        <source>Select a file in the list to preview these settings on it</source>
        <translation>Selecione um arquivo na lista para pré-visualizar estas configurações nele</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Sem pré-visualização: %1</translation>
    </message>
    <message>
        <source>Preview: %1 KB for %2 s, %3 kbit/s</source>
        <translation>Pré-visualização: %1 KB para %2 s, %3 kbit/s</translation>
    </message>
</context>
<context>
    <name>PreviewRun</name>
    <message>
        <source>A preview is already being made</source>
        <translation>Uma pré-visualização já está sendo criada</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder for the preview: %1</source>
        <translation>Não foi possível criar uma pasta temporária para a pré-visualização: %1</translation>
    </message>
    <message>
        <source>The output format is unknown</source>
        <translation>O formato de saída é desconhecido</translation>
    </message>
</context>
<context>
    <name>ProbePool</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Isto é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>This is not a regular file (a device, pipe or socket).</source>
        <translation>Isto não é um arquivo comum (um dispositivo, pipe ou socket).</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>AAC - Advanced Audio Coding Files (*.aac)</source>
        <translation>AAC - Arquivos Advanced Audio Coding (*.aac)</translation>
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
        <translation>M4A - Áudio MPEG-4 (*.m4a)</translation>
    </message>
    <message>
        <source>MP2 - MPEG Layer-2 Audio (*.mp2)</source>
        <translation>MP2 - Áudio MPEG Layer-2 (*.mp2)</translation>
    </message>
    <message>
        <source>MP3 - MPEG Layer-3 Audio (*.mp3)</source>
        <translation>MP3 - Áudio MPEG Layer-3 (*.mp3)</translation>
    </message>
    <message>
        <source>OGG - Ogg Vorbis Audio (*.ogg)</source>
        <translation>OGG - Áudio Ogg Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>RA - Real Audio (*.ra)</source>
        <translation>RA - Real Audio (*.ra)</translation>
    </message>
    <message>
        <source>WAV - Waveform Audio (*.wav)</source>
        <translation>WAV - Áudio Waveform (*.wav)</translation>
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
        <translation>F4V - Vídeo Flash (*.f4v)</translation>
    </message>
    <message>
        <source>FLV - Flash Video (*.flv)</source>
        <translation>FLV - Vídeo Flash (*.flv)</translation>
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
        <translation>WebM - Vídeo VP9 + Áudio Opus (*.webm)</translation>
    </message>
    <message>
        <source>MKV - AV1 Video + Opus Audio (*.mkv)</source>
        <translation>MKV - Vídeo AV1 + Áudio Opus (*.mkv)</translation>
    </message>
    <message>
        <source>WebM - AV1 Video + Opus Audio (*.webm)</source>
        <translation>WebM - Vídeo AV1 + Áudio Opus (*.webm)</translation>
    </message>
    <message>
        <source>MKV - H264 Video + AAC Audio, All Tracks (*.mkv)</source>
        <translation>MKV - Vídeo H264 + Áudio AAC, todas as faixas (*.mkv)</translation>
    </message>
    <message>
        <source>Opus - Opus Audio (*.opus)</source>
        <translation>Opus - Áudio Opus (*.opus)</translation>
    </message>
    <message>
        <source>Phone - H264 Video 1080p</source>
        <translation>Celular - Vídeo H264 1080p</translation>
    </message>
    <message>
        <source>Phone - HEVC Video 1080p</source>
        <translation>Celular - Vídeo HEVC 1080p</translation>
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
        <translation>Players portáteis</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Vídeo para a Web</translation>
    </message>
    <message>
        <source>General Audio Format</source>
        <translation>Formatos de áudio gerais</translation>
    </message>
    <message>
        <source>General Video Format</source>
        <translation>Formatos de vídeo gerais</translation>
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
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Abrir pasta de saída</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Nome do arquivo de saída</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Falhou: %1</translation>
    </message>
    <message>
        <source>%1 converted with problems: %2</source>
        <translation>%1 convertido com problemas: %2</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convertendo...</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Stop converting?</source>
        <translation>Parar a conversão?</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Decorrido: %1</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Tempo restante: %1</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>One row per file: output name, progress and status</source>
        <translation>Uma linha por arquivo: nome de saída, progresso e status</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Stops the conversion, or closes the window once it has ended</source>
        <translation>Para a conversão ou, quando ela tiver terminado, fecha a janela</translation>
    </message>
    <message>
        <source>Opens the folder the converted files are written to</source>
        <translation>Abre a pasta em que os arquivos convertidos são gravados</translation>
    </message>
    <message>
        <source>Estimated Size</source>
        <translation>Tamanho estimado</translation>
    </message>
</context>
<context>
    <name>QueueConversion</name>
    <message>
        <source>%1 cannot be converted: the output format is unknown.</source>
        <translation>%1 não pode ser convertido: o formato de saída é desconhecido.</translation>
    </message>
    <message>
        <source>Invalid path!</source>
        <translation>Caminho inválido!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>RowTexts</name>
    <message>
        <source>Audio tracks: %1, subtitle tracks: %2</source>
        <translation>Faixas de áudio: %1, faixas de legenda: %2</translation>
    </message>
    <message>
        <source>Can not open file: 
%1

Error: 
%2</source>
        <translation>Não foi possível abrir o arquivo: 
%1

Erro: 
%2</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>interlaced</source>
        <translation>entrelaçado</translation>
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
            <numerusform>%1 (%n com problemas)</numerusform>
            <numerusform>%1 (%n com problemas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n com falha</numerusform>
            <numerusform>%n com falha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignorado</numerusform>
            <numerusform>%n ignorados</numerusform>
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
        <translation>Cancelado após %1 de %2</translation>
    </message>
    <message>
        <source>Convert Finished!</source>
        <translation>Conversão concluída!</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nada a converter</translation>
    </message>
    <message>
        <source>Convert Finished. Click here to open the output folder</source>
        <translation>Conversão concluída. Clique aqui para abrir a pasta de saída</translation>
    </message>
    <message>
        <source>%1. Nothing was converted.</source>
        <translation>%1. Nada foi convertido.</translation>
    </message>
    <message>
        <source>%1. Click here to open the output folder</source>
        <translation>%1. Clique aqui para abrir a pasta de saída</translation>
    </message>
</context>
<context>
    <name>SettingsGrid</name>
    <message>
        <source>Advanced settings</source>
        <translation>Configurações avançadas</translation>
    </message>
    <message>
        <source>F2 edits the selected value; Space switches a yes-or-no value</source>
        <translation>F2 edita o valor selecionado; Espaço alterna um valor de sim ou não</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No web browser could be started. The address is:
%1</source>
        <translation>Não foi possível iniciar um navegador web. O endereço é:
%1</translation>
    </message>
    <message>
        <source>This does not exist (any more):
%1</source>
        <translation>Isto não existe (mais):
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this folder. It is here:
%1</source>
        <translation>Não foi possível iniciar um programa para mostrar esta pasta. Ela está aqui:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show this file. It is here:
%1</source>
        <translation>Não foi possível iniciar um programa para mostrar este arquivo. Ele está aqui:
%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>picture size</source>
        <translation>tamanho da imagem</translation>
    </message>
    <message>
        <source>video bitrate</source>
        <translation>taxa de bits do vídeo</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>taxa de bits do áudio</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>taxa de quadros</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>taxa de amostragem</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>canais</translation>
    </message>
    <message>
        <source>aspect</source>
        <translation>proporção</translation>
    </message>
    <message>
        <source>crop, flip or rotate setting</source>
        <translation>configuração de recorte, espelhamento ou rotação</translation>
    </message>
    <message>
        <source>video codec</source>
        <translation>codec de vídeo</translation>
    </message>
    <message>
        <source>audio codec</source>
        <translation>codec de áudio</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>formato de saída</translation>
    </message>
    <message>
        <source>left %1</source>
        <translation>esquerda %1</translation>
    </message>
    <message>
        <source>right %1</source>
        <translation>direita %1</translation>
    </message>
    <message>
        <source>top %1</source>
        <translation>superior %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <translation>inferior %1</translation>
    </message>
    <message>
        <source>The crop margins (%1) are larger than the picture (%2×%3) of %4. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>As margens de recorte (%1) são maiores que a imagem (%2×%3) de %4. Diminua-as em “Recortar vídeo” nas configurações avançadas.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 não pode ser aberto: %2</translation>
    </message>
    <message>
        <source>%1 cannot be converted: the %2 &quot;%3&quot; cannot be used for it. Choose another value in the output settings.</source>
        <extracomment>%1 is a file name, %2 a setting such as &quot;video bitrate&quot;, %3 its value.</extracomment>
        <translation>%1 não pode ser convertido: o valor “%3” (%2) não pode ser usado nele. Escolha outro valor nas configurações de saída.</translation>
    </message>
    <message>
        <source>The crop margins are larger than the picture of %1. Make them smaller under Crop Video in the advanced settings.</source>
        <translation>As margens de recorte são maiores que a imagem de %1. Diminua-as em “Recortar vídeo” nas configurações avançadas.</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>%1 não pode ser convertido: %2</translation>
    </message>
    <message>
        <source>Please try to convert it to another format.</source>
        <translation>Tente converter para outro formato.</translation>
    </message>
</context>
<context>
    <name>WaitWindow</name>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Reading files, please wait...</source>
        <translation>Lendo arquivos, aguarde...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
