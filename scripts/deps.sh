#!/usr/bin/env bash
# Installs, with apt-get, whatever Quimbel needs to build and test that this
# machine lacks; packages already present are left alone.
#   deps.sh build   the compiler, CMake, GoogleTest and Qt 6 (enough to play)
#   deps.sh test    the above, plus Xvfb and fonts for the window's tests
set -euo pipefail

paquetes=(g++ make cmake pkg-config libgtest-dev libgmock-dev qt6-base-dev libgl-dev)
if [ "${1:-build}" = test ]; then
    paquetes+=(xvfb xauth fonts-liberation fonts-dejavu-core)
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

echo "quimbel: installing ${faltan[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then como=(); else como=(sudo); fi
"${como[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${como[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
