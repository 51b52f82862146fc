#!/usr/bin/env bash
# Where start-up goes, in measures that a busy machine cannot spoil: instructions counted by
# callgrind for each stage (inclusive: a stage counts what it calls), the dynamic loader's own
# statistics, and the resident memory at the first paint by what holds it. For Pumpvale and for the
# two yardsticks of bench/startup.sh. Uses the desktop's display, or a virtual one (Xvfb).
# bench/startup_profile.sh PROGRAM profiles another build of the start-up program instead of this one.
set -euo pipefail
if [ $# -gt 0 ]; then
    set -- "$(realpath "$1")"
fi
cd "$(dirname "$0")/.."
source tools/setup.sh
pumpvale_install_missing "${pumpvale_ci_packages[@]}" valgrind xvfb xauth python3
program=${1:-build/default/bench/startup}
if [ $# -eq 0 ]; then
    cmake --preset bench >/dev/null
    cmake --build --preset bench --target startup >/dev/null
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
declare -A modes=([Pumpvale]="" ["empty window"]="--reference" ["one label"]="--label")
for name in Pumpvale "empty window" "one label"; do
    # Qt's D-Bus thread may fork a helper; each process writes its own file, the program's is the largest.
    valgrind --tool=callgrind --callgrind-out-file="$out/${name// /_}.%p" "$program" ${modes[$name]} \
        >/dev/null 2>&1
    largest=$(ls -S "$out/${name// /_}".* | sed -n 1p) # sed reads on to the end; head would not
    callgrind_annotate --inclusive=yes --threshold=100 "$largest" >"$out/${name// /_}.txt" 2>/dev/null
done

python3 - "$out" <<'PY'
import re, sys
out = sys.argv[1]
stages = [  # (what, the function whose inclusive count measures it)
    ("everything", "PROGRAM TOTALS"),
    ("loading and linking the libraries", "_dl_start"),
    ("the application object", "QApplication::QApplication(int&, char**, int)"),
    ("font configuration (fontconfig; the empty window reads it as it ends)", "FcInitLoadConfigAndFonts"),
    ("the font database, when the first text is laid out", "QFontDatabasePrivate::ensureFontDatabase()"),
    ("building the intro window", "pumpvale::Form1::Form1("),
    ("  its two pictures, from the build's pixels", "pumpvale::parts::addPicture("),
    ("  its three labels (the font database included)", "pumpvale::parts::addLabel("),
    ("showing the window (the label's size included)", "QWidget::show()"),
    ("the window icon", "QXcbWindow::setWindowIcon(QIcon const&)"),
    ("the first paint", "QGuiApplicationPrivate::processExposeEvent("),
    ("tearing down", "QApplication::~QApplication()"),
]
names = ["Pumpvale", "empty window", "one label"]
def counts(name):
    found = {}
    for line in open(f"{out}/{name.replace(' ', '_')}.txt"):
        m = re.match(r"\s*([\d,]+) \([^)]*\)\s+(.*)$", line)
        if not m:
            continue
        n, where = int(m.group(1).replace(",", "")), m.group(2)
        for what, key in stages:
            if key in where and what not in found:
                found[what] = n
    return found
table = {name: counts(name) for name in names}
print("| millions of instructions, inclusive | " + " | ".join(names) + " |")
print("|---|" + "---|" * len(names))
for what, _ in stages:
    print(f"| {what} | " + " | ".join(f"{table[n].get(what, 0) / 1e6:.1f}" for n in names) + " |")
PY

echo
echo "The dynamic loader (LD_DEBUG=statistics), Pumpvale:"
LD_DEBUG=statistics "$program" 2>&1 >/dev/null | grep -E "total startup time|number of relocations:|final number" |
    sed -E 's/^ *[0-9]+: *//' | sed -n 1,4p
for name in Pumpvale "empty window" "one label"; do
    echo
    echo "Resident memory at the first paint, $name:"
    "$program" ${modes[$name]} --memory 2>/dev/null
done
