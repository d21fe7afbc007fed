#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, whatever Quimbel needs to build and test that this
# machine lacks; packages already present are left alone.
#   deps.sh build   the compiler, CMake and Qt 6 (enough to build and play)
#   deps.sh test    the above, plus GoogleTest, Xvfb and fonts for the tests,
#                   and the checkers of the Debian package and its metadata
# As root it runs apt-get itself, otherwise through sudo; without either it
# prints the command a root user must run and exits with status 1.
set -euo pipefail

paquetes=(g++ make cmake pkg-config qt6-base-dev qt6-svg-dev libgl-dev)
if [ "${1:-build}" = test ]; then
    paquetes+=(libgtest-dev xvfb xauth fonts-liberation fonts-dejavu-core
        dpkg-dev file lintian appstream desktop-file-utils)
fi

if ! command -v apt-get >/dev/null 2>&1; then
    echo "quimbel: this system has no apt-get. Install these packages (Debian names) and run again:" >&2
    echo "  ${paquetes[*]}" >&2
    exit 1
fi

faltan=()
for p in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed'; then
        faltan+=("$p")
    fi
done
[ ${#faltan[@]} -eq 0 ] && exit 0

orden=(apt-get install -y --no-install-recommends "${faltan[@]}")
if [ "$(id -u)" -eq 0 ]; then
    como=()
elif command -v sudo >/dev/null 2>&1 && sudo -v 2>/dev/null; then
    como=(sudo)
else
    echo "quimbel: these packages are missing: ${faltan[*]}" >&2
    echo "quimbel: this user cannot install them; as root, run:" >&2
    echo "  ${orden[*]}" >&2
    exit 1
fi
echo "quimbel: installing ${faltan[*]}" >&2
"${como[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${como[@]}" "${orden[@]}" -qq
