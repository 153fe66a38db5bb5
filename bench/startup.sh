#!/usr/bin/env bash
# Times the start of Quillstone against a minimal Qt Widgets program that
# shows an empty window of the same size: from exec until the X server maps
# the window, on a private Xvfb, the two programs taking turns. Prints both
# medians, their ratio and the verdict against the target (at most 1.2).
#
#   startup.sh BUILD_DIR [PAIRS]      (default 21 pairs, after 3 to warm up)
#
# BUILD_DIR is a Release build holding src/Quillstone, bench/startup_minimal
# and bench/startup_timer. Needs Xvfb; uses dbus-daemon when it is there.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [PAIRS]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
pairs=${2:-21}
quillstone=$build/src/Quillstone
minimal=$build/bench/startup_minimal
timer=$build/bench/startup_timer
target=1.2

work=$(mktemp -d "${TMPDIR:-/tmp}/quillstone-startup.XXXXXX")
xvfbPid="" busPid=""
cleanup() {
    [ -z "$xvfbPid" ] || kill "$xvfbPid" 2>/dev/null || true
    [ -z "$busPid" ] || kill "$busPid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to descriptor 3 once it
# accepts clients. It does not reset between the programs timed one after
# the other, as it would when its last client leaves.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfbPid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=":$(cat "$work/display")"

# Both programs run in the same clean session: no window manager, a private
# home without preferences, Qt's own platform integration, and a session bus
# as every desktop has one (without it, each program's first use of the bus
# tries to launch one).
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
bus=()
if command -v dbus-daemon > /dev/null; then
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" >/dev/null 2>&1 &
    busPid=$!
    for _ in $(seq 100); do
        [ -s "$work/bus" ] && break
        sleep 0.05
    done
    bus=(DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")")
fi
session=(env -i PATH="$PATH" DISPLAY="$display" HOME="$work/home"
    XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
    XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime" "${bus[@]}"
    LANG=en_US.UTF-8 QT_QPA_PLATFORM=xcb)

time_once() { "${session[@]}" "$timer" "$1"; }

for _ in 1 2 3; do
    time_once "$minimal" > /dev/null
    time_once "$quillstone" > /dev/null
done
for _ in $(seq "$pairs"); do
    time_once "$minimal" >> "$work/minimal.ms"
    time_once "$quillstone" >> "$work/quillstone.ms"
done

python3 - "$work/minimal.ms" "$work/quillstone.ms" "$target" <<'PYTHON'
import statistics, sys
minimal = [float(line) for line in open(sys.argv[1])]
quillstone = [float(line) for line in open(sys.argv[2])]
target = float(sys.argv[3])
ratio = statistics.median(quillstone) / statistics.median(minimal)
print(f"{len(minimal)} alternating pairs, exec until the window is mapped, ms")
for name, times in (("minimal Qt Widgets window", minimal), ("Quillstone", quillstone)):
    print(f"  {name:26s} median {statistics.median(times):7.1f}  min {min(times):7.1f}  max {max(times):7.1f}")
print(f"ratio {ratio:.2f} (target at most {target}): {'pass' if ratio <= target else 'MISSED'}")
PYTHON
