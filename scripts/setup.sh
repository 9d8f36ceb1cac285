#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing DREV need, and nothing when all
# of them are there already. Safe to run any number of times.
#
#   scripts/setup.sh          what building DREV and running the bench need (make run, make build)
#   scripts/setup.sh check    that, and what every test needs: GLFW, Neovim, the web toolchain
#                             and a headless browser (make check)
#   scripts/setup.sh web      that, and the web toolchain: emscripten, Node.js and npm (make web,
#                             which then installs the page's npm packages from web/package-lock.json)
set -euo pipefail

tier=${1:-base}

base=(
    cmake make g++ pkg-config
    libgl-dev libglu1-mesa-dev freeglut3-dev libgl1-mesa-dri
    libegl-dev libegl-mesa0 libpng-dev libcli11-dev
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev rapidjson-dev
    python3
    xvfb xdotool x11-apps x11-utils
    libfreetype-dev fonts-dejavu-core
    clang-14 libclang-rt-14-dev
    valgrind
)
# The web toolchain is large: only make web and make check ask for it.
web=(emscripten nodejs)
# Debian's nodejs comes without npm, which is a package of its own there; a nodejs that carries
# npm itself (NodeSource's) conflicts with that package.
if ! command -v npm >/dev/null 2>&1; then
    web+=(npm)
fi
check=(libglfw3-dev neovim chromium-headless-shell)

case "$tier" in
base) packages=("${base[@]}") ;;
web) packages=("${base[@]}" "${web[@]}") ;;
check) packages=("${base[@]}" "${web[@]}" "${check[@]}") ;;
*)
    echo "usage: scripts/setup.sh [base|web|check]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these Debian packages are missing: ${missing[*]}" >&2
    echo "setup: run 'sudo scripts/setup.sh $tier' (or install them with apt-get) and try again." >&2
    exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
