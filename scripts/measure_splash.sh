#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how much processor time the game takes on a virtual screen (Xvfb):
# first while the splash animates its two pictures (targets: under 10% of one
# core), then after Return on the splash has opened the table and hidden the
# splash (under 1%). The time is the process's own, user plus system, read from
# /proc/PID/stat over each interval; the X server's is shown beside it.
#
#   scripts/measure_splash.sh [-b BUILD_DIR] [-s SECONDS] [-p SPLASH.png]
#     -b  the build folder that holds ui/quimbel (default: build)
#     -s  length of each interval in seconds (default: 10)
#     -p  also save a screenshot of the splash, taken 2 s after it opened
#
# Needs Xvfb, xdotool and ImageMagick's import (for -p); as root it installs
# what is missing with apt-get.
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
build="$raiz/build"
segundos=10
captura=""
while getopts "b:s:p:" op; do
    case "$op" in
    b) build=$(cd "$OPTARG" && pwd) ;;
    s) segundos="$OPTARG" ;;
    p) captura="$OPTARG" ;;
    *) sed -n '2,14p' "$0" >&2; exit 2 ;;
    esac
done
programa="$build/ui/quimbel"
[ -x "$programa" ] || { echo "measure_splash: no program at $programa (build it first)" >&2; exit 1; }
[[ "$segundos" =~ ^[1-9][0-9]*$ ]] || { echo "measure_splash: -s takes whole seconds" >&2; exit 2; }

faltan=()
command -v Xvfb >/dev/null || faltan+=(xvfb)
command -v xdotool >/dev/null || faltan+=(xdotool)
[ -z "$captura" ] || command -v import >/dev/null || faltan+=(imagemagick)
if [ ${#faltan[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "measure_splash: install ${faltan[*]} first" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi

tmp=$(mktemp -d)
pids=()
limpiar() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap limpiar EXIT

# A virtual screen on the first free display; Xvfb tells which one it took.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
pids+=("$xvfb")
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "measure_splash: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"

"$programa" 2>"$tmp/quimbel.log" &
juego=$!
pids+=("$juego")

# Visible top-level windows of the game ("Quimbel (V1.0)" is both windows' caption).
ventanas() { xdotool search --onlyvisible --name '^Quimbel' 2>/dev/null || true; }
tamano() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

for _ in $(seq 100); do [ -n "$(ventanas)" ] && break; sleep 0.1; done
splash=$(ventanas | head -n1)
[ -n "$splash" ] || { echo "measure_splash: the splash never showed" >&2; exit 1; }
echo "splash window: $(tamano "$splash") pixels"

hz=$(getconf CLK_TCK)
tiempo_cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Share of one core that each process used over the interval, in percent.
medir() {
    local j0 x0 j1 x1
    j0=$(tiempo_cpu "$juego"); x0=$(tiempo_cpu "$xvfb")
    sleep "$segundos"
    j1=$(tiempo_cpu "$juego"); x1=$(tiempo_cpu "$xvfb")
    awk -v j=$((j1 - j0)) -v x=$((x1 - x0)) -v hz="$hz" -v s="$segundos" -v que="$1" \
        'BEGIN { printf "%-34s quimbel %5.1f%%   Xvfb %5.1f%%   (%d s)\n", que, 100*j/hz/s, 100*x/hz/s, s }'
}

sleep 1 # let start-up settle
if [ -n "$captura" ]; then
    sleep 1
    import -window "$splash" "$captura"
    echo "screenshot of the splash: $captura"
fi
medir "splash animating:"

# Picture2 has the keyboard focus from the start: Return is the same as a click.
xdotool windowfocus --sync "$splash"
xdotool key Return
for _ in $(seq 50); do
    [ "$(ventanas)" != "$splash" ] && [ -n "$(ventanas)" ] && break
    sleep 0.1
done
mesa=$(ventanas | head -n1)
if [ -z "$mesa" ] || [ "$mesa" = "$splash" ]; then
    echo "measure_splash: the table did not open" >&2
    exit 1
fi
echo "table window: $(tamano "$mesa") pixels (the splash is hidden)"
sleep 1
medir "table open, splash hidden:"
