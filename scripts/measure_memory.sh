#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the memory of a long game: quimbel-long-game plays N whole deals on
# the real table window by clicks (pauses of 1 and 2 ms, refused cards and
# their boxes included) and prints the resident memory after every deal, then
# the growth per deal over the last hundred deals. A game is meant to stay
# within 1 MB of what it holds after its third deal.
#
#   scripts/measure_memory.sh [-b BUILD_DIR] [-n DEALS] [-s SEED] [-m KB] [-x]
#     -b  the build folder that holds ui/tools/quimbel-long-game (default: build)
#     -n  deals to play (default: 200)
#     -s  the seed of the scripted deck (default: 1)
#     -m  fail (status 1) when the growth per deal is larger than KB
#     -x  on a virtual screen (Xvfb, the X11 platform) instead of offscreen
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
build="$raiz/build"
args=()
xvfb=""
while getopts "b:n:s:m:x" op; do
    case "$op" in
    b) build=$(cd "$OPTARG" && pwd) ;;
    n) args+=(--deals "$OPTARG") ;;
    s) args+=(--seed "$OPTARG") ;;
    m) args+=(--max-growth "$OPTARG") ;;
    x) xvfb=1 ;;
    *) sed -n '3,14p' "$0" >&2; exit 2 ;;
    esac
done
programa="$build/ui/tools/quimbel-long-game"
[ -x "$programa" ] || { echo "measure_memory: no program at $programa (build it first)" >&2; exit 1; }

if [ -z "$xvfb" ]; then
    QT_QPA_PLATFORM=offscreen exec "$programa" "${args[@]}"
fi

command -v Xvfb >/dev/null || { echo "measure_memory: -x needs Xvfb" >&2; exit 1; }
tmp=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$tmp/display" 2>"$tmp/xvfb.log" &
servidor=$!
trap 'kill "$servidor" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "measure_memory: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$tmp/display")" QT_QPA_PLATFORM=xcb "$programa" "${args[@]}"
