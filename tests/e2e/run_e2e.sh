#!/usr/bin/env bash
# Drives the real Quillstone on a private X server the way a user does: drags
# two Glyphs bundles onto the drop zones from another program, compares them,
# saves the report through the save dialog, has a badly named bundle refused
# and a mapping file of 40 GB told without being read, moves, resizes and
# closes the window. The saved report is checked byte for byte. Then it
# starts the program again, several times, to see the window come back where
# it was closed, fitted into the screen, or at its designed place when the
# preference file is of no use or Alt and Ctrl are held. A further start
# opens the menus of the menu bar and the About panel, and quits with Ctrl+Q;
# the next ends by the termination signal; the next ones have almost no file
# descriptors left, and fail, told; the next keeps the window's bounds
# in a data folder whose name is not UTF-8. Two more run under a stand-in
# window manager that announces a frame no screen could hold: the window is
# fitted onto the screen as if no frame had been announced. The last starts
# run under a window manager (openbox): a window stored off each edge of the
# screen comes back with its whole frame, title bar included, on the screen;
# then the Window menu's Zoom, Bring All to Front and Minimize, and Ctrl+W.
#
# Usage: run_e2e.sh QUILLSTONE XDND_SOURCE WM_DELETE FRAME_ANNOUNCER
# Set E2E_SCREENSHOTS to a folder to keep the screenshots taken on the way.
set -Eeuo pipefail

for tool in Xvfb xdotool xwininfo xprop openbox; do
    command -v "$tool" >/dev/null || { echo "e2e: skipped, $tool is not installed"; exit 77; }
done

program=$(readlink -f "$1") dragSource=$(readlink -f "$2") wmDelete=$(readlink -f "$3")
readonly program dragSource wmDelete

# Where the controls stand, in the coordinates of the window's content, which
# is as high as designed; the menu bar stands above it.
readonly contentHeight=500
readonly upperZone="185 65" lowerZone="185 167"
readonly compareButton="139 242" saveButton="310 242"
readonly waitLimit=20

# The bundles' icon: a blue rounded square of 128 pixels, as PNG.
readonly iconPng='
iVBORw0KGgoAAAANSUhEUgAAAIAAAACACAMAAAD04JH5AAAAM1BMVEUAAAA7b9E7b9E7b9E7b9E7
b9E7b9E7b9E7b9E7b9E7b9E7b9E7b9E7b9E7b9E7b9E7b9GPwTi5AAAAEHRSTlMAEjxzqdf1GGzr
KrJYB6EPMBCbHwAAASdJREFUeNrt29sRgzAMRNEANmCe6r/aFADmMcFaZnK3AZ+Ao+Fj9fkQQkg2
Vd2E2NqPaWNo6ur+6V2f7MGkvrt1/DDa4xmH678+WJGEi09hsmKZLhw/L1Ywy3x2/hqtaOJ6cn6y
wkmHgjla8cSjt7CYQxbJ/b/0X+jMKbl5ELwAITN/zS37U3n0A4zSG5C7Bb0noN8BJE9A2vn+Mdds
v5FqX0C9ATS+gEY3hXKzKPoC4gbQ+gLaDcCcAwAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA
AAAAAAB4H0BeYJBXOOQlFnmNR15kkle55GU2fZ1PXmiUVzr1pVZ5rVdfbJZXu/Xldn29X77goF/x
0C+56Nd8XrDopF/1esGy2wvW/Qgh/5Mv48Pug1JAU94AAAAASUVORK5CYII='

work=$(mktemp -d "${TMPDIR:-/tmp}/quillstone-e2e.XXXXXX")
shots=${E2E_SCREENSHOTS:-$work/screens}
mkdir -p "$shots"
xvfbPid="" wmPid="" programPid="" sourcePid="" keysPid="" heldKeys=() mainWindow="" found="" keepWork=0
export LC_ALL=C # the X tools complain about locales that are not installed

say() { printf '[e2e %3ss] %s\n' "$SECONDS" "$*"; }

have() { command -v "$1" >/dev/null 2>&1; }

screenshot() { # name [window]
    if have import; then
        import -window "${2:-root}" "$shots/$1.png" 2>/dev/null && say "screenshot $shots/$1.png"
    elif have xwd; then
        local -a which=(-root)
        [ -z "${2:-}" ] || which=(-id "$2")
        xwd -silent "${which[@]}" -out "$shots/$1.xwd" 2>/dev/null && say "screenshot $shots/$1.xwd"
    fi
    return 0
}

# With ImageMagick at hand, a step's screenshot waits until the main window
# looks different from before the step: evidence that the step showed.
rememberLook() {
    rm -f "$work/before.rgb"
    if have import; then import -window "$mainWindow" "rgb:$work/before.rgb" 2>/dev/null || true; fi
}
looksChanged() {
    import -window "$mainWindow" "rgb:$work/now.rgb" 2>/dev/null && ! cmp -s "$work/before.rgb" "$work/now.rgb"
}
evidence() { # name
    if [ -s "$work/before.rgb" ]; then waitUntil "a change in the window for: $1" looksChanged; fi
    screenshot "$1" "$mainWindow"
}

fail() {
    trap - ERR
    say "FAILED: $*"
    if [ -n "${DISPLAY:-}" ]; then
        screenshot failure
        echo "--- windows"
        xwininfo -root -tree 2>&1 | grep -v 'has no name' || true
    fi
    [ -n "$sourcePid" ] && { echo "--- drag source"; cat "$work/source.log" 2>/dev/null || true; }
    echo "--- Quillstone stderr"
    cat "$work/program.err" 2>/dev/null || true
    echo "--- kept for inspection: $work"
    keepWork=1
    exit 1
}
trap 'fail "command failed at line $LINENO: $BASH_COMMAND"' ERR

stopProcess() { # pid
    [ -n "$1" ] && kill -0 "$1" 2>/dev/null || return 0
    kill -TERM "$1" 2>/dev/null || true
    for _ in $(seq 20); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null || true
}

cleanUp() {
    releaseKeys
    stopProcess "$sourcePid"
    stopProcess "$programPid"
    stopProcess "$wmPid"
    stopProcess "$xvfbPid"
    if [ "$keepWork" = 0 ]; then rm -rf "$work"; fi
}
trap cleanUp EXIT

# Polls every 0.1 s until the command succeeds, for at most that many
# seconds; fails at once when the program has died.
pollFor() { # seconds command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if [ -n "$programPid" ] && ! kill -0 "$programPid" 2>/dev/null; then
            fail "Quillstone ended while waiting"
        fi
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

waitUntil() { # description command...
    local what=$1
    shift
    pollFor "$waitLimit" "$@" || fail "gave up after ${waitLimit} s waiting for $what"
}

# The program's windows on screen. xdotool gives up on the whole list when
# a window vanishes while it looks, so an empty answer means "ask again".
programWindows() { xdotool search --onlyvisible --pid "$programPid" 2>/dev/null; }

# Sets $found to a window of the program on screen other than its main window.
findNewWindow() {
    found=$(programWindows | grep -vx "$mainWindow" | head -n 1)
    [ -n "$found" ]
}

windowShown() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
windowGone() { ! windowShown "$1"; }

hasFocus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

focusWindow() { # window
    xdotool windowfocus "$1" 2>/dev/null || true
    waitUntil "the keyboard focus on window $1" hasFocus "$1"
}

# A point of the main window's content ("x y" in its coordinates) on the screen.
screenPoint() { # "x y"
    local x y geometry left top height
    read -r x y <<<"$1"
    geometry=$(xwininfo -id "$mainWindow")
    left=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$geometry")
    top=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$geometry")
    height=$(sed -n 's/.*Height: *//p' <<<"$geometry")
    echo $((left + x)) $((top + height - contentHeight + y))
}

# --- the user's world ------------------------------------------------------

bigEndian32() { # number
    local n=$1
    printf '%b' "$(printf '\\x%02x' $((n >> 24 & 255)) $((n >> 16 & 255)) $((n >> 8 & 255)) $((n & 255)))"
}

# An icns file holding the icon as its one 128-pixel PNG image.
writeIcns() { # path
    local png="$work/icon.png" size
    base64 -d <<<"$iconPng" >"$png"
    size=$(stat -c %s "$png")
    { printf icns; bigEndian32 $((size + 16)); printf ic07; bigEndian32 $((size + 8)); cat "$png"; } >"$1"
}

makeBundle() { # name short-version build map-lines...
    local contents="$work/apps/$1/Contents"
    local resources="$contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources"
    mkdir -p "$resources" "$contents/Resources"
    writeIcns "$contents/Resources/GlyphsApp.icns"
    cat >"$contents/Info.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<dict>
	<key>CFBundleIconFile</key>
	<string>GlyphsApp</string>
	<key>CFBundleShortVersionString</key>
	<string>$2</string>
	<key>CFBundleVersion</key>
	<string>$3</string>
</dict>
</plist>
PLIST
    shift 3
    printf '%s\n' "$@" >"$resources/MapFileAdobeJapan1.txt"
}

displayReady() {
    kill -0 "$xvfbPid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    grep -q '[0-9]' "$work/display"
}

# Xvfb picks a free display number and writes it to descriptor 3 once it
# takes clients. It must not reset when its last client leaves: a program
# started while the server resets cannot connect, and each start here
# follows the end of the one before.
startDisplay() {
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfbPid=$!
    waitUntil "the X display" displayReady
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    say "Xvfb on $DISPLAY"
}

# A clean session: the programs see only what a fresh desktop login gives
# them, so no desktop theme swaps Qt's own dialogs for native ones.
# A font configuration that keeps the font caches in the folder $1 and takes
# everything else from the system's: what a program learns of the fonts stays
# in that folder instead of the system's cache, which root may write.
fontConfiguration() { # folder
    mkdir -p "$1"
    printf '<fontconfig><cachedir>%s</cachedir><include>/etc/fonts/fonts.conf</include></fontconfig>\n' \
        "$1/cache" >"$1/fonts.conf"
    echo "$1/fonts.conf"
}

startSession() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    session=(env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$work/home"
        FONTCONFIG_FILE="$(fontConfiguration "$work/fonts")"
        XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
        XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
        LANG=en_US.UTF-8 QT_QPA_PLATFORM=xcb)
    # Under the sanitizers, the one allocation that libdbus loses for good is
    # not reported (lsan.supp). It is named by its function, which the
    # sanitizer finds only when it walks each allocation's stack the slow way:
    # libdbus is built without frame pointers.
    : "${LSAN_OPTIONS=suppressions=$(dirname "$(readlink -f "$0")")/../lsan.supp}"
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
    local name
    for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        if [ -n "${!name+set}" ]; then session+=("$name=${!name}"); fi
    done
}

startProgram() {
    (cd "$work/home" && exec "${session[@]}" "$program") >"$work/program.out" 2>"$work/program.err" &
    programPid=$!
    waitUntil "the Quillstone window" findMainWindow
    say "Quillstone window $mainWindow at $(screenPoint "0 0")"
}

findMainWindow() {
    mainWindow=$(xdotool search --onlyvisible --pid "$programPid" --name '^Quillstone$' 2>/dev/null | head -n 1)
    [ -n "$mainWindow" ]
}

# --- what the user does ----------------------------------------------------

sourceSaid() { grep -qE "$1" "$work/source.log"; }
sourceSaidMore() { [ "$(grep -c "^$1\$" "$work/source.log")" -gt "$2" ]; }

# As a user does, presses once the pointer is over the source and the source
# knows it: under load, a press that comes before the pointer's arrival has
# been taken in can go astray. Should one still go astray, the pointer comes
# in afresh and presses again.
pressOnSource() { # x y
    local hovers presses
    for _ in 1 2 3; do
        hovers=$(grep -c '^hover$' "$work/source.log" || true)
        presses=$(grep -c '^pressed$' "$work/source.log" || true)
        xdotool mousemove "$1" "$2"
        if pollFor 5 sourceSaidMore hover "$hovers"; then
            xdotool mousedown 1
            pollFor 2 sourceSaidMore pressed "$presses" && return 0
            xdotool mouseup 1
        fi
        say "the drag source missed the press; pressing again"
        xdotool mousemove "$1" $(($2 - 60))
    done
    fail "the drag source never saw the button go down"
}

# The target answers every position the source sends; the pointer is
# nudged so a position is sent again once the previous answer is in.
acceptedAfterNudge() {
    [ "$(grep -E '^(accepted|refused)$' "$work/source.log" | tail -n 1)" = accepted ] && return 0
    xdotool mousemove_relative -- "$nudge" 0
    nudge=$((-nudge))
    return 1
}

dragOnto() { # zone-point bundle-path
    local x y
    read -r x y <<<"$(screenPoint "$1")"
    # The source stands to the right at the target's height, so the drag
    # glides straight left across nothing but the window's margin.
    local left=$((x + 420)) top=$((y - 40))
    # What the helper itself leaks at exit is no concern of this test.
    "${session[@]}" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        "$dragSource" "$left" "$top" "$2" >"$work/source.log" 2>&1 &
    sourcePid=$!
    waitUntil "the drag source window" sourceSaid '^ready$'

    pressOnSource $((left + 40)) "$y"
    local step
    for step in 1 2 3 4 5 6; do
        sleep 0.05
        xdotool mousemove $((left + 40 - (left + 40 - x) * step / 6)) "$y"
    done
    nudge=1
    waitUntil "the drop zone to accept the drag" acceptedAfterNudge
    xdotool mouseup 1
    waitUntil "the drop to end" sourceSaid '^(finished|ignored)$'
    sourceSaid '^finished$' || fail "the drop zone did not take the drop of $2"
    local status=0
    wait "$sourcePid" || status=$?
    [ "$status" = 0 ] || fail "the drag source ended with status $status"
    sourcePid=""
}

clickButton() { # "x y"
    local x y
    read -r x y <<<"$(screenPoint "$1")"
    xdotool mousemove "$x" "$y" click 1
}

answerAlert() {
    waitUntil "an alert window" findNewWindow
    local alert=$found
    screenshot alert
    focusWindow "$alert"
    xdotool key Return
    waitUntil "the alert to close" windowGone "$alert"
}

# Keeps the suggested file name and puts the folder in front of it, so the
# file's name shows what the dialog suggested.
saveReportInto() { # folder
    waitUntil "the save dialog" findNewWindow
    local dialog=$found
    screenshot save-dialog
    focusWindow "$dialog"
    xdotool key Home
    xdotool type --delay 10 "$1/"
    xdotool key Return
    waitUntil "the save dialog to close" windowGone "$dialog"
}

closeWindow() {
    "$wmDelete" "$mainWindow"
}

programEnded() { ! kill -0 "$programPid" 2>/dev/null; }

# Waits for the program to end and checks that it ended well.
# Collects the ended program: its exit status in $status, its stderr checked
# for sanitizer reports.
reapProgram() {
    status=0
    wait "$programPid" || status=$?
    programPid=""
    checkNoSanitizerReport
}

expectCleanExit() { # how it was ended
    waitUntil "Quillstone to end after $1" programEnded
    reapProgram
    [ "$status" = 0 ] || fail "Quillstone exited with status $status after $1"
}

# Closes the main window and awaits the program's clean end.
closeAndAwaitEnd() {
    closeWindow
    expectCleanExit "its window closed"
}

# The main window on the screen, menu bar included: "left top width height".
windowGeometry() {
    xwininfo -id "$mainWindow" | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { print x, y, w, h }'
}
hasGeometry() { [ "$(windowGeometry)" = "$1" ]; }
# Waits for the window whose content has these bounds: the menu bar stands
# above the content, so the window reaches menuBarHeight higher.
expectGeometry() { # content "left top width height"
    local want
    read -r left top width height <<<"$1"
    want="$left $((top - menuBarHeight)) $width $((height + menuBarHeight))"
    pollFor "$waitLimit" hasGeometry "$want" || fail "the window is at $(windowGeometry), not at $want"
}

# Holds the keys down from a client of their own until releaseKeys, which
# lets them go again: the X server keeps them down after that client ends.
holdKeys() { # keys...
    heldKeys=("$@")
    xdotool keydown "$@" exec --sync sh -c 'echo $$ >"$1"; exec sleep 600' sh "$work/held" &
    keysPid=$!
    waitUntil "the keys $* to be held" test -s "$work/held"
}

releaseKeys() {
    [ -n "$keysPid" ] || return 0
    kill "$(cat "$work/held")" 2>/dev/null || true
    wait "$keysPid" || true
    keysPid=""
    xdotool keyup "${heldKeys[@]}" 2>/dev/null || true
}

# The menu bar runs along the window's top edge, above the content.
menuBarPoint() { # x
    local geometry left top
    geometry=$(xwininfo -id "$mainWindow")
    left=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$geometry")
    top=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$geometry")
    echo $((left + $1)) $((top + 8))
}

windowSize() { xwininfo -id "$1" | sed -n 's/.*\(Width\|Height\): *//p' | paste -sd x; }

wmRunning() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# A frame and minimizing need a window manager; openbox is a small one.
startWindowManager() {
    "${session[@]}" openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wmPid=$!
    waitUntil "the window manager" wmRunning
}

# A window manager that does nothing but announce the frame it would draw,
# these extents: "left right top bottom". Should the drive fail before it is
# stopped, it ends with the display.
frameAnnounced() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_REQUEST_FRAME_EXTENTS; }
startFrameAnnouncer() { # extents
    local -a sides
    read -r -a sides <<<"$1"
    "$frameAnnouncer" "${sides[@]}" >"$work/announcer.log" 2>&1 &
    announcerPid=$!
    waitUntil "the frame announcer with $1" frameAnnounced
}
stopFrameAnnouncer() {
    stopProcess "$announcerPid"
    announcerPid=""
    xprop -root -remove _NET_SUPPORTED
}

framed() { xprop -id "$mainWindow" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }
# How far the frame reaches beyond the window: "left right top bottom".
frameExtents() { xprop -id "$mainWindow" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ,; }

# The main window's frame as the window manager draws it, title bar and
# borders included: "left top right bottom" on the screen.
frameEdges() {
    local left right top bottom x y width height
    read -r left right top bottom <<<"$(frameExtents)"
    read -r x y width height <<<"$(windowGeometry)"
    echo $((x - left)) $((y - top)) $((x + width + right)) $((y + height + bottom))
}
frameIs() { [ "$(frameEdges)" = "$1" ]; }

iconic() { xprop -id "$mainWindow" WM_STATE 2>/dev/null | grep -q 'Iconic'; }
notIconic() { ! iconic; }
sizeIs() { [ "$(windowSize "$mainWindow")" = "$1" ]; }
sizeIsNot() { [ "$(windowSize "$mainWindow")" != "$1" ]; }

# Window > the item that many items below the first: reached from the File
# menu with the keyboard, the Window menu opens on its first item.
chooseFromWindowMenu() { # steps
    local x y menu keys=()
    read -r x y <<<"$(menuBarPoint 12)"
    xdotool mousemove "$x" "$y" click 1
    waitUntil "the File menu" findNewWindow
    menu=$found
    xdotool key Right Right
    waitUntil "the Window menu" windowGone "$menu"
    waitUntil "the Window menu" findNewWindow
    for ((i = 0; i < $1; i++)); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
}

popupLeft() { xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p'; }

# Opens the first menu with a click and walks right through the others: the
# File, Edit and Window menus each drop down further right than the one
# before; the Help menu, which has no items, drops nothing.
walkTheMenus() {
    local x y menu left=-1 name
    read -r x y <<<"$(menuBarPoint 12)"
    xdotool mousemove "$x" "$y" click 1
    for name in File Edit Window; do
        waitUntil "the $name menu" findNewWindow
        menu=$found
        (($(popupLeft "$menu") > left)) || fail "the $name menu opened left of the one before"
        left=$(popupLeft "$menu")
        screenshot "menu-$name"
        xdotool key Right
        waitUntil "the $name menu to close" windowGone "$menu"
    done
    xdotool key Escape
}

# File > About: the second item of the File menu.
showAbout() {
    local x y
    read -r x y <<<"$(menuBarPoint 12)"
    xdotool mousemove "$x" "$y" click 1
    waitUntil "the File menu" findNewWindow
    local menu=$found
    xdotool key Down Down Return
    waitUntil "the File menu to close" windowGone "$menu"
    waitUntil "the About panel" findNewWindow
    local panel=$found
    screenshot about
    focusWindow "$panel"
    xdotool key Return
    waitUntil "the About panel to close" windowGone "$panel"
}

# --- checks ----------------------------------------------------------------

# The program writes the file after the dialog has closed, so it is awaited.
checkReport() { # path expected-bytes
    printf '%s' "$2" >"$work/expected.txt"
    local deadline=$((SECONDS + waitLimit))
    until cmp -s "$work/expected.txt" "$1"; do
        if ((SECONDS >= deadline)); then
            echo "--- expected"
            od -c "$work/expected.txt"
            echo "--- found"
            od -c "$1" 2>&1 || true
            fail "the report $1 is missing or differs"
        fi
        sleep 0.1
    done
}

checkNoSanitizerReport() {
    if grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/program.err"; then
        fail "the sanitizers reported a fault"
    fi
}

readonly prefsFile="$work/home/.local/share/Quillstone/Quillstone.pref"

storedBounds() { # [file]: the preference file's four members: "left top width height"
    local member
    for member in WinLeft WinTop WinWidth WinHeight; do
        sed -n "s/.*\"$member\": *\(-\{0,1\}[0-9]*\).*/\1/p" "${1:-$prefsFile}"
    done | paste -sd ' '
}

# --- the scenario ----------------------------------------------------------

makeBundle "Glyphs 3.1.app" 3.1 3133 \
    $'1\tspace\t0020' $'100\tuni4E00\t4E00' $'200\tuni4E8C\t4E8C' \
    $'300\tuni4E09\t4E09' $'7001\tuni5F0C\t5F0C'
makeBundle "Glyphs 3.2.app" 3.2 3200 \
    $'1\tspace\t0020' $'100\tuni4E00.jp78\t4E00' $'200\tuni4E8C\t4E8C' \
    $'300\tuni4E09.hw\t4E09' $'8001\tuni9F9C\t9F9C'
mkdir -p "$work/apps/MyGlyphs.app/Contents" "$work/reports"
expected=$'3.1-3133\t3.2-3200\nuni4E00\tuni4E00.jp78\nuni4E09\tuni4E09.hw'

startDisplay
startSession
startProgram
screenshot started "$mainWindow"

say "drag the old bundle onto the upper zone"
rememberLook
dragOnto "$upperZone" "$work/apps/Glyphs 3.1.app"
evidence old-loaded
say "drag the new bundle onto the lower zone"
rememberLook
dragOnto "$lowerZone" "$work/apps/Glyphs 3.2.app"
evidence new-loaded

say "compare"
rememberLook
clickButton "$compareButton"
evidence compared

say "save the report"
clickButton "$saveButton"
saveReportInto "$work/reports"
checkReport "$work/reports/Diff_3.1-3133_3.2-3200.txt" "$expected"
say "report saved and checked"

say "drag a bundle that is not Glyphs onto the upper zone"
dragOnto "$upperZone" "$work/apps/MyGlyphs.app"
answerAlert
kill -0 "$programPid" 2>/dev/null || fail "Quillstone ended after the refusal"
windowShown "$mainWindow" || fail "the main window is gone after the refusal"

say "compare with a new bundle whose mapping file is 40 GB: told, nothing read"
makeBundle "Glyphs 9.app" 9 9000
truncate -s 40G "$work/apps/Glyphs 9.app/Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt"
dragOnto "$upperZone" "$work/apps/Glyphs 3.1.app"
dragOnto "$lowerZone" "$work/apps/Glyphs 9.app"
clickButton "$compareButton"
answerAlert
# The alert of an exception that ends the program is written out before it shows.
! grep 'was not handled' "$work/program.err" || fail "a mapping file of 40 GB ended Quillstone"
kill -0 "$programPid" 2>/dev/null || fail "Quillstone ended on a mapping file of 40 GB"
windowShown "$mainWindow" || fail "the main window is gone after a mapping file of 40 GB"

say "move and resize the window, then close it"
# The window opened at its designed content size, 500 high, below its menu bar.
menuBarHeight=$(($(windowGeometry | cut -d ' ' -f 4) - 500))
((menuBarHeight > 0)) || fail "the window has no menu bar above its content"
expectGeometry "10 50 370 500"
xdotool windowsize "$mainWindow" 500 $((450 + menuBarHeight)) \
    windowmove "$mainWindow" 200 $((150 - menuBarHeight))
expectGeometry "200 150 500 450"
closeAndAwaitEnd
[ "$(storedBounds)" = "200 150 500 450" ] || fail "stored $(storedBounds), not 200 150 500 450"

say "start again: the window is where it was closed"
startProgram
expectGeometry "200 150 500 450"
closeAndAwaitEnd

say "start with the window stored off the screen and too low"
printf '{"WinWidth": 370, "WinHeight": 300, "WinLeft": 5000, "WinTop": 50}' >"$prefsFile"
startProgram
expectGeometry "910 50 370 400"
closeAndAwaitEnd

say "start with a preference file that is no JSON"
printf 'The window was wide.' >"$prefsFile"
startProgram
expectGeometry "10 50 370 500"
closeAndAwaitEnd
[ "$(storedBounds)" = "10 50 370 500" ] || fail "stored $(storedBounds) after no JSON"

say "start with a preference file of 40 GB"
rm -f "$prefsFile"
truncate -s 40G "$prefsFile"
startProgram
expectGeometry "10 50 370 500"
closeAndAwaitEnd
[ "$(storedBounds)" = "10 50 370 500" ] || fail "stored $(storedBounds) after 40 GB"

say "start with Alt and Ctrl held: the stored bounds are forgotten"
printf '{"WinWidth": 500, "WinHeight": 450, "WinLeft": 200, "WinTop": 150}' >"$prefsFile"
holdKeys alt ctrl
startProgram
releaseKeys
expectGeometry "10 50 370 500"
[ ! -e "$prefsFile" ] || fail "the preference file is still there with Alt and Ctrl held"
closeAndAwaitEnd
[ "$(storedBounds)" = "10 50 370 500" ] || fail "stored $(storedBounds) after Alt and Ctrl"

say "start again: the menus, About, and Ctrl+Q"
startProgram
walkTheMenus
showAbout
focusWindow "$mainWindow"
xdotool key ctrl+q
expectCleanExit "Ctrl+Q"

say "start again and end by the termination signal"
startProgram
kill -TERM "$programPid"
expectCleanExit "SIGTERM"

# Starts with the number of file descriptors limited, the limit raised one at
# a time; below the fewest with which the system can load the program at
# all, the program's own code never runs, and such a start is passed over. A
# start that fails is told on the standard error and ends with status 1,
# never by an abort; where the display could be opened, the alert tells it
# too and is answered. The first start whose main window opens ends the run.
# Built with the sanitizers, the program checks an object's dynamic type
# (UBSan's vptr check) by reading its memory through a pipe, which it cannot
# make without descriptors: the check then fails on sound objects and ends
# the process. A start that UBSan ended so is passed over, and no alert is
# asked for, as the starts that would show one are such; AddressSanitizer's
# reports still fail the drive.
readonly untold='An exception of class [A-Za-z]* was not handled\. The application must shut down\.'
sanitized=0
if ldd "$program" | grep -q libasan; then sanitized=1; fi
programShownOrEnded() { programEnded || [ -n "$(programWindows)" ]; }
passedOver() {
    grep -q 'error while loading shared libraries' "$work/program.err" ||
        { ((sanitized)) && grep -q 'runtime error:' "$work/program.err" &&
            ! grep -q 'ERROR: AddressSanitizer' "$work/program.err"; }
}
expectToldFailure() { # limit
    reapProgram
    [ "$status" = 1 ] || fail "with $1 file descriptors, Quillstone ended with status $status"
    grep -q "$untold" "$work/program.err" ||
        fail "with $1 file descriptors, Quillstone ended untold: $(cat "$work/program.err")"
    told=$((told + 1))
}

say "start with almost no file descriptors left: each failure told, status 1"
told=0 alerts=0
for ((limit = 4; ; limit++)); do
    ((limit <= 64)) || fail "Quillstone never opened its window with up to 64 file descriptors"
    # Its font caches of its own: fontconfig, short of descriptors, keeps a
    # cache of fonts it could not open, and later starts would draw with others.
    fonts=$(fontConfiguration "$work/fonts-$limit")
    (ulimit -n "$limit" && cd "$work/home" &&
        exec "${session[@]}" FONTCONFIG_FILE="$fonts" "$program") \
        >"$work/program.out" 2>"$work/program.err" &
    programPid=$!
    # Not waitUntil: that fails as soon as the program has ended.
    deadline=$((SECONDS + waitLimit))
    until programShownOrEnded; do
        ((SECONDS < deadline)) || fail "with $limit file descriptors, Quillstone neither showed nor ended"
        sleep 0.1
    done
    if programEnded && passedOver; then
        wait "$programPid" || true
        programPid=""
    elif programEnded; then
        expectToldFailure "$limit"
    elif grep -q "$untold" "$work/program.err"; then
        screenshot "alert-$limit"
        focusWindow "$(programWindows | head -n 1)"
        xdotool key Return
        waitUntil "the start-up alert to be answered" programEnded
        expectToldFailure "$limit"
        alerts=$((alerts + 1))
    else
        say "with $limit file descriptors the window opens; $told failed start(s) told, $alerts in an alert"
        stopProcess "$programPid"
        programPid=""
        break
    fi
done
((told > 0)) || fail "no start failed for want of file descriptors"
((alerts > 0 || sanitized)) || fail "no start that failed for want of file descriptors showed its alert"

say "start with a data folder whose name is not UTF-8: the bounds are kept in it"
dataHome="$work/home/data-$(printf '\xff\xfe')"
dataPrefs="$dataHome/Quillstone/Quillstone.pref"
mkdir -p "$dataHome/Quillstone"
printf '{"WinWidth": 500, "WinHeight": 450, "WinLeft": 200, "WinTop": 150}' >"$dataPrefs"
session+=(XDG_DATA_HOME="$dataHome")
startProgram
unset 'session[-1]'
expectGeometry "200 150 500 450"
xdotool windowmove "$mainWindow" 300 $((250 - menuBarHeight))
expectGeometry "300 250 500 450"
closeAndAwaitEnd
[ "$(storedBounds "$dataPrefs")" = "300 250 500 450" ] ||
    fail "the data folder's preference file holds $(cat "$dataPrefs"), not 300 250 500 450"
mangled=$(find "$work/home" -name "*$(printf '\xef\xbf\xbd')*")
[ -z "$mangled" ] || fail "a file of a mangled name appeared: $mangled"

say "under a window manager that announces a frame no screen holds: the window is fitted"
frameAnnouncer=$(readlink -f "$4")
# Extents of 1100 on top, or of 2^32 - 1 on each side, would put the
# content below the screen or at the far end of X's coordinates.
for extents in "0 0 1100 0" "4294967295 4294967295 4294967295 4294967295"; do
    startFrameAnnouncer "$extents"
    printf '{"WinWidth": 370, "WinHeight": 500, "WinLeft": 5000, "WinTop": 50}' >"$prefsFile"
    startProgram
    expectGeometry "910 50 370 500"
    closeAndAwaitEnd
    [ "$(storedBounds)" = "910 50 370 500" ] || fail "stored $(storedBounds) with extents $extents"
    stopFrameAnnouncer
done

startWindowManager
say "under a window manager: stored off each edge, the whole frame comes back on the screen"
# The screen is 1280 by 1024 and has no panels; the content is stored 370 by
# 500, and the frame reaches beyond it by the frame's extents.
for stored in "-600 300 left" "300 -300 top" "5000 300 right" "300 5000 bottom"; do
    read -r storedLeft storedTop edge <<<"$stored"
    printf '{"WinWidth": 370, "WinHeight": 500, "WinLeft": %s, "WinTop": %s}' \
        "$storedLeft" "$storedTop" >"$prefsFile"
    startProgram
    waitUntil "the window manager's frame" framed
    read -r l r t b <<<"$(frameExtents)"
    ((t > 0)) || fail "the window manager drew no title bar"
    frameWidth=$((l + 370 + r)) frameHeight=$((t + menuBarHeight + 500 + b))
    left=$((storedLeft - l)) top=$((storedTop - menuBarHeight - t))
    case $edge in
    left) left=0 ;;
    top) top=0 ;;
    right) left=$((1280 - frameWidth)) ;;
    bottom) top=$((1024 - frameHeight)) ;;
    esac
    want="$left $top $((left + frameWidth)) $((top + frameHeight))"
    pollFor "$waitLimit" frameIs "$want" ||
        fail "stored off the $edge edge, the frame is at $(frameEdges), not at $want"
    say "stored off the $edge edge: frame at $(frameEdges)"
    closeAndAwaitEnd
    # The file keeps the content's bounds, inside the frame and below the menu bar.
    want="$((left + l)) $((top + t + menuBarHeight)) 370 500"
    [ "$(storedBounds)" = "$want" ] || fail "stored $(storedBounds), not $want"
done

say "under a window manager: Zoom, Bring All to Front, Minimize, Ctrl+W"
startProgram
focusWindow "$mainWindow"
size=$(windowSize "$mainWindow")
chooseFromWindowMenu 1
waitUntil "the window to zoom" sizeIsNot "$size"
screenshot zoomed
chooseFromWindowMenu 1
waitUntil "the window to come back to $size" sizeIs "$size"
chooseFromWindowMenu 2
windowShown "$mainWindow" || fail "the window is gone after Bring All to Front"
focusWindow "$mainWindow"
xdotool key ctrl+m
waitUntil "the window to minimize" iconic
xdotool windowactivate "$mainWindow"
waitUntil "the window to come back" notIconic
focusWindow "$mainWindow"
xdotool key ctrl+w
expectCleanExit "Ctrl+W"
if [ -n "${E2E_SCREENSHOTS:-}" ]; then
    say "passed; screenshots in $shots"
else
    say "passed (set E2E_SCREENSHOTS to a folder to keep the screenshots)"
fi
