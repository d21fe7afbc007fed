#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the pictures in docs/ from the game's own drawing code, on Qt's
# offscreen platform: the contact sheet of every picture and the splash, and
# the table at scale factors 1 and 2.
#   scripts/screenshots.sh [-b BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

construccion=build
if [ "${1:-}" = -b ]; then construccion=$2; shift 2; fi
salida=${1:-docs}
mkdir -p "$salida"
salida=$(cd "$salida" && pwd)

cmake --build "$construccion" -j2 --target quimbel-screenshots >/dev/null
for escala in 1 2; do
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$escala \
        "$construccion/ui/tools/quimbel-screenshots" "$salida"
done
ls "$salida"/*.png
