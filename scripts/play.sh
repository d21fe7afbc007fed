#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game alone (no tests, so no
# GoogleTest), and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target quimbel
exec ./build/ui/quimbel "$@"
