#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the table window on a virtual screen (Xvfb): the time from the start
# of the program to its first window on screen, and from Return on the splash
# to the table on screen (target: under 100 ms, the median of five runs, -r 5);
# the processor time of the game at rest, while a deal
# is dealt (forty short pauses) and while a long pause waits (target for the
# pauses and at rest: under 1% of one core); the peak memory; and how long
# SALIR takes to end the process. Processor time is the process's own, from
# /proc/PID/schedstat (nanoseconds); the long pause is measured by
# ui/tools/quimbel-pause-cpu, which times a real 5 s pause of the very same
# window code.
#
#   scripts/measure_table.sh [-b BUILD_DIR] [-s SECONDS] [-r RUNS] [-p TABLE.png]
#     -b  the build folder that holds ui/quimbel and ui/tools/quimbel-pause-cpu (default: build)
#     -s  length of the interval at rest in seconds (default: 10)
#     -r  start the program RUNS times and print the median start-up times too (default: 1)
#     -p  also save a screenshot of the table in the middle of a trick
#
# Needs Xvfb and xdotool (and ImageMagick's import for -p).
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
build="$raiz/build"
segundos=10
veces=1
captura=""
while getopts "b:s:r:p:" op; do
    case "$op" in
    b) build=$(cd "$OPTARG" && pwd) ;;
    s) segundos="$OPTARG" ;;
    r) veces="$OPTARG" ;;
    p) captura="$OPTARG" ;;
    *) sed -n '2,19p' "$0" >&2; exit 2 ;;
    esac
done
programa="$build/ui/quimbel"
pausas="$build/ui/tools/quimbel-pause-cpu"
[ -x "$programa" ] || { echo "measure_table: no program at $programa (build it first)" >&2; exit 1; }
[[ "$segundos" =~ ^[1-9][0-9]*$ ]] || { echo "measure_table: -s takes whole seconds" >&2; exit 2; }
[[ "$veces" =~ ^[1-9][0-9]*$ ]] || { echo "measure_table: -r takes a number of runs" >&2; exit 2; }
for orden in Xvfb xdotool; do
    command -v "$orden" >/dev/null || { echo "measure_table: needs $orden" >&2; exit 1; }
done
[ -z "$captura" ] || command -v import >/dev/null || { echo "measure_table: -p needs import" >&2; exit 1; }

tmp=$(mktemp -d)
pids=()
limpiar() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap limpiar EXIT

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=("$!")
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "measure_table: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"
export QT_QPA_PLATFORM=xcb

ahora_ms() { echo $(($(date +%s%N) / 1000000)); }
ventanas() { xdotool search --onlyvisible --name '^Quimbel \(V1\.0\)$' 2>/dev/null || true; }
tamano() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
cpu_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }

# Starts the program and opens its table: sets juego and ventana, and prints
# the time to the first window and, when the program opens on the splash,
# from Return on it to the table on screen.
arrancar() {
    local inicio antes
    inicio=$(ahora_ms)
    "$programa" 2>"$tmp/quimbel.log" &
    juego=$!
    pids+=("$juego")
    ventana=""
    for _ in $(seq 1000); do
        ventana=$(ventanas | head -n1)
        [ -n "$ventana" ] && break
        sleep 0.01
    done
    [ -n "$ventana" ] || { echo "measure_table: no window showed" >&2; exit 1; }
    primera=$(($(ahora_ms) - inicio))
    echo "start to first window shown:      $primera ms"
    # Return on the splash shows the table, which is laid behind the splash.
    if [ "$(tamano "$ventana")" != "794x569" ]; then
        sleep 1
        xdotool windowfocus --sync "$ventana"
        antes=$(ahora_ms)
        xdotool key Return
        for _ in $(seq 500); do
            ventana=$(ventanas | head -n1)
            [ -n "$ventana" ] && [ "$(tamano "$ventana")" = "794x569" ] && break
            sleep 0.01
        done
        mesa=$(($(ahora_ms) - antes))
        echo "Return on the splash to the table: $mesa ms"
    fi
}
mediana() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The start-up, -r times: each but the last program is ended at once.
primeras=() mesas=()
for vez in $(seq "$veces"); do
    mesa=""
    arrancar
    primeras+=("$primera")
    [ -z "$mesa" ] || mesas+=("$mesa")
    if [ "$vez" -lt "$veces" ]; then
        kill "$juego"
        wait "$juego" 2>/dev/null || true
        sleep 0.5
    fi
done
if [ "$veces" -gt 1 ]; then
    linea="median of $veces starts:           first window $(mediana "${primeras[@]}") ms"
    [ "${#mesas[@]}" -eq 0 ] || linea+=", Return to the table $(mediana "${mesas[@]}") ms"
    echo "$linea"
fi
[ "$(tamano "$ventana")" = "794x569" ] || { echo "measure_table: the table did not open" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$ventana")"

# A click at a point of the table, in its pixels.
pulsar() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; }
medir() { # what, seconds
    local c0 c1
    c0=$(cpu_ns "$juego")
    sleep "$2"
    c1=$(cpu_ns "$juego")
    awk -v c=$((c1 - c0)) -v s="$2" -v que="$1" \
        'BEGIN { printf "%-34s %6.2f%% of one core  (%.1f ms CPU in %d s)\n", que, 100*c/1e9/s, c/1e6, s }'
}

sleep 1
medir "CPU at rest:" "$segundos"
pulsar 230 531 # Barajar y Repartir
medir "CPU while dealing (short pauses):" 7
sleep 2
pulsar 403 487 # AGRUPAR
sleep 0.5
pulsar 346 531 # La Mano: the computer seats before the human play
sleep 1.5
if [ -n "$captura" ]; then
    import -window "$ventana" "$captura"
    echo "screenshot of the table:          $captura"
fi
echo "peak memory (VmHWM):              $(awk '/VmHWM/ { print $2, $3 }' "/proc/$juego/status")"

antes=$(ahora_ms)
pulsar 576 531 # SALIR
for _ in $(seq 500); do kill -0 "$juego" 2>/dev/null || break; sleep 0.01; done
if kill -0 "$juego" 2>/dev/null; then
    echo "measure_table: SALIR did not end the program" >&2
    exit 1
fi
echo "SALIR to the end of the process:  $(($(ahora_ms) - antes)) ms"

if [ -x "$pausas" ]; then
    "$pausas" 2>/dev/null | sed 's/^/CPU in the window'"'"'s /'
fi
