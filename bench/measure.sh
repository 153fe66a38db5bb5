#!/bin/bash
# Times mapdiff against mawk doing the same job, checks that both list the
# same rows, and measures peak memory. The first timing is the target's: the
# two published tables, 21 alternating pairs, mapdiff at most 0.8 times
# mawk's median.
#
#   measure.sh BUILD_DIR WORK_DIR [DATA_FOLDER]
#
# BUILD_DIR is a Release build holding bench/mapdiff; WORK_DIR receives the
# bundles (make_bundles.sh). Needs mawk and GNU time (/usr/bin/time).
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 BUILD_DIR WORK_DIR [DATA_FOLDER]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
mapdiff=$(cd "$1" && pwd)/bench/mapdiff
work=$2
map=Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt
# The same job in awk: column 1 to column 2 of every line of three or more
# columns, then old TAB new for every common key whose value changed.
program='NR==FNR{if(NF>=3)a[$1]=$2;next} NF>=3&&($1 in a)&&a[$1]!=$2{print a[$1]"\t"$2}'

"$here/make_bundles.sh" "$work" ${3:+"$3"} > /dev/null
cd "$work"

mapdiff_of() { echo "$mapdiff 'Glyphs Old$1.app' 'Glyphs New$1.app'"; }
mawk_of() { echo "mawk -F'\t' '$program' 'Glyphs Old$1.app/$map' 'Glyphs New$1.app/$map'"; }
size_of() { echo $(($(stat -c %s "Glyphs Old$1.app/$map") + $(stat -c %s "Glyphs New$1.app/$map"))); }

echo "== rows, mapdiff against mawk (both sorted)"
for pair in "" " projected" " x10" " projected x10"; do
    "$mapdiff" "Glyphs Old$pair.app" "Glyphs New$pair.app" 2> /dev/null | sort > mapdiff.rows
    mawk -F'\t' "$program" "Glyphs Old$pair.app/$map" "Glyphs New$pair.app/$map" | sort > mawk.rows
    if cmp -s mapdiff.rows mawk.rows; then verdict=same; else verdict=DIFFERENT; fi
    echo "pair '${pair# }': mapdiff $(wc -l < mapdiff.rows) rows, mawk $(wc -l < mawk.rows) rows, $verdict"
done

echo "== what mapdiff loads (no Qt Gui, no Qt Widgets)"
readelf -d "$mapdiff" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/  \1/p'

echo "== time, the published tables, alternating runs"
python3 "$here/alternate_runs.py" --runs 21 --target 0.8 "$(mapdiff_of "")" "$(mawk_of "")"

echo "== time, the tables ten times over, alternating runs"
python3 "$here/alternate_runs.py" --runs 10 --warmup 1 "$(mapdiff_of " x10")" "$(mawk_of " x10")"

echo "== peak memory (max RSS, median of 5 runs)"
for pair in " tiny" "" " projected" " x10"; do
    rss=$(for run in 1 2 3 4 5; do
        /usr/bin/time -f %M "$mapdiff" "Glyphs Old$pair.app" "Glyphs New$pair.app" 2>&1 > /dev/null | tail -n 1
    done | sort -n | sed -n 3p)
    echo "pair '${pair# }': $rss KiB, files $(size_of "$pair") bytes"
done
