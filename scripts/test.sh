#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and runs the whole test suite: installs what is missing, configures,
# builds, and runs CTest. The window's tests run on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
