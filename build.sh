#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Zentaro and runs it or its tests.
#   ./build.sh run              install what is missing, build, start the tool
#   ./build.sh test             install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-noto-cjk
    xvfb xauth xclip openbox x11-utils xdotool
)

usage() {
    sed -n '2,4p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
}

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Please install these Debian packages as root, then run this again:" >&2
            echo "  apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
    fi
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "This set-up needs Debian's apt-get. Install the equivalents of: ${missing[*]}" >&2
        exit 1
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

command=${1:-}
shift || true
[ $# -eq 0 ] || usage

case $command in
    run)
        install_missing
        configure_and_build build -DCMAKE_BUILD_TYPE=Release
        exec build/app/zentaro
        ;;
    test)
        install_missing
        configure_and_build build -DCMAKE_BUILD_TYPE=Release
        ctest --test-dir build --output-on-failure --parallel "$(nproc)"
        ;;
    *)
        usage
        ;;
esac
