#!/usr/bin/env bash
# Fails when a translation is incomplete or a window text bypasses translation:
#  - a text of the sources that a translations/*.ts file lacks (lupdate run on a copy),
#  - an entry that is unfinished, empty, obsolete, whose %1/%n markers differ from the
#    English text's, or that drops the "&" of a button's Alt letter,
#  - a literal with letters handed straight to a widget or message call
#    (setText("..."), QLabel("..."), ShowMessage(owner, "...") ...) instead of tr().
#   scripts/check-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=/usr/lib/qt6/bin/lupdate
[ -x "$LUPDATE" ] || LUPDATE=$(command -v lupdate6 || command -v lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/veltrane_*.ts "$work/"
"$LUPDATE" -silent -locations none -extensions cpp,h -I src \
  src/core src/desktop src/filelist src/output src/conversion src/player src/app src/cli \
  -ts "$work"/veltrane_*.ts >/dev/null 2>&1

status=0
python3 - "$work"/veltrane_*.ts <<'PY' || status=1
import re, sys
import xml.etree.ElementTree as ET

def markers(text):
    return sorted(set(re.findall(r"%(?:\d+|n)", text or "")))

bad = 0
for path in sys.argv[1:]:
    name = path.rsplit("/", 1)[-1]
    done = 0
    problems = []
    for context in ET.parse(path).getroot().iter("context"):
        ctx = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            tr = message.find("translation")
            kind = tr.get("type", "") if tr is not None else "missing"
            forms = [f.text or "" for f in tr.iter("numerusform")] if tr is not None else []
            texts = forms if message.get("numerus") == "yes" else [tr.text or "" if tr is not None else ""]
            why = ""
            if kind in ("obsolete", "vanished"):
                why = "no longer in the sources"
            elif kind:
                why = kind
            elif not all(t.strip() for t in texts):
                why = "empty"
            else:
                for t in texts:
                    want = markers(source)
                    got = markers(t)
                    # A plural form may leave out %n ("one file"), never an argument.
                    if [m for m in want if m != "%n"] != [m for m in got if m != "%n"]:
                        why = "markers %s, English has %s" % (got, want)
                    # A button's "&" letter keeps it reachable with Alt ("&Stop", "参照(&B)").
                    if re.search(r"&\w", source.replace("&&", "")) and not re.search(r"&\w", t.replace("&&", "")):
                        why = "no \"&\" for the Alt key"
            if why:
                problems.append("%s: [%s] %r: %s" % (name, ctx, source[:70], why))
            else:
                done += 1
    total = done + len(problems)
    print("%s: %d of %d texts translated" % (name, done, total))
    for p in problems[:15]:
        print("  " + p)
    if len(problems) > 15:
        print("  ... and %d more" % (len(problems) - 15))
    bad += len(problems)
sys.exit(1 if bad else 0)
PY

# Calls that show their text argument; a literal with a letter in it must be wrapped.
calls='setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setAccessibleName'
calls+='|setAccessibleDescription|setLabelText|addAction|addMenu|addItem|addItems|setHeaderLabels|setTitle'
calls+='|QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu'
calls+='|information|warning|critical|question|ShowMessage|AskYesDefaultNo|BrowseForFolder|UsageError'
pattern="\\b($calls)\\((\\{|[^()\"]*,[[:space:]]*\\{?)?[[:space:]]*\"[^\"]*[A-Za-z]"
# Non-text literals that may be passed as they are (names of objects and resources).
allowed='setObjectName|"00:00:00|setText\("<b>"'
if grep -rnE "$pattern" src/app src/output src/conversion src/filelist src/player src/desktop src/cli \
    --include='*.cpp' --include='*.h' | grep -vE "$allowed"; then
  echo "check-translations: the texts above bypass translation (wrap them in tr())" >&2
  status=1
fi
exit $status
