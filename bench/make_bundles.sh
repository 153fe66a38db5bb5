#!/bin/sh
# Builds pairs of Glyphs bundles for trials and benchmarks from the two
# published cid2code tables (2018 = old, 2022 = new).
#
#   make_bundles.sh OUT_FOLDER [DATA_FOLDER]
#
# DATA_FOLDER holds cid2code-2018.txt and cid2code-2022.txt; by default the
# folder beside this checkout. In OUT_FOLDER it makes:
#   Glyphs Old.app, Glyphs New.app                  the tables as they stand
#   Glyphs Old projected.app, ... New projected.app each line: CID, column 25
#                                                   (UniJIS2004-UTF32), column 26;
#                                                   "#" lines kept as they are
#   Glyphs Old x10.app, Glyphs New x10.app          the tables ten times over,
#   Glyphs Old projected x10.app, ...               every tabbed line's key
#                                                   prefixed by "0-" to "9-"
#   Glyphs Old tiny.app, Glyphs New tiny.app        three lines each, for the
#                                                   process's base memory
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 OUT_FOLDER [DATA_FOLDER]" >&2
    exit 2
fi
out=$1
data=${2:-$(dirname "$0")/../../shared/data/adobe-japan1-7}
old_table=$data/cid2code-2018.txt
new_table=$data/cid2code-2022.txt
for table in "$old_table" "$new_table"; do
    [ -r "$table" ] || { echo "$0: cannot read $table" >&2; exit 1; }
done

map_path=Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt

# bundle NAME SHORT_VERSION BUILD: makes the bundle with an Info.plist and
# writes its mapping file from stdin.
bundle() {
    rm -rf "${out:?}/$1"
    mkdir -p "$out/$1/$(dirname "$map_path")"
    cat > "$out/$1/Contents/Info.plist" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>CFBundleShortVersionString</key>
	<string>$2</string>
	<key>CFBundleVersion</key>
	<string>$3</string>
</dict>
</plist>
EOF
    cat > "$out/$1/$map_path"
}

project() {
    awk -F '\t' -v OFS='\t' '/^#/ { print; next } { print $1, $25, $26 }' "$1"
}

times_ten() {
    for repetition in 0 1 2 3 4 5 6 7 8 9; do
        sed "/	/s/^/$repetition-/" "$1"
    done
}

mkdir -p "$out"
bundle "Glyphs Old.app" 2018.07.30 1 < "$old_table"
bundle "Glyphs New.app" 2022.05.18 1 < "$new_table"
project "$old_table" | bundle "Glyphs Old projected.app" 2018.07.30 2
project "$new_table" | bundle "Glyphs New projected.app" 2022.05.18 2
times_ten "$old_table" | bundle "Glyphs Old x10.app" 2018.07.30 10
times_ten "$new_table" | bundle "Glyphs New x10.app" 2022.05.18 10
project "$old_table" > "$out/.projected-old.txt"
project "$new_table" > "$out/.projected-new.txt"
times_ten "$out/.projected-old.txt" | bundle "Glyphs Old projected x10.app" 2018.07.30 20
times_ten "$out/.projected-new.txt" | bundle "Glyphs New projected x10.app" 2022.05.18 20
rm -f "$out/.projected-old.txt" "$out/.projected-new.txt"
printf 'CID\tValue\tMore\n1\ta\tx\n2\tb\tx\n' | bundle "Glyphs Old tiny.app" 0.1 1
printf 'CID\tValue\tMore\n1\ta\tx\n2\tc\tx\n' | bundle "Glyphs New tiny.app" 0.2 1
ls -l "$out"/*.app/$map_path
