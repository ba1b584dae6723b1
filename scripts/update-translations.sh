#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in the sources (Qt's lupdate): new
# texts are added as unfinished, texts no longer in the sources are dropped. Without
# arguments every language's file is updated; name .ts files to update only those.
#   scripts/update-translations.sh [translations/veltrane_de.ts ...]
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=/usr/lib/qt6/bin/lupdate
[ -x "$LUPDATE" ] || LUPDATE=$(command -v lupdate6 || command -v lupdate)
if [ $# -gt 0 ]; then files=("$@"); else files=(translations/veltrane_*.ts); fi
# The engine and src/base hold no user-interface texts (the engine speaks English by design).
"$LUPDATE" -silent -no-obsolete -locations none -extensions cpp,h -I src \
  src/core src/desktop src/filelist src/output src/conversion src/player src/app src/cli \
  -ts "${files[@]}"
