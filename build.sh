#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Zentaro and runs it, its tests or its benchmarks.
#   ./build.sh run              install what is missing, build, start the tool
#   ./build.sh test             install what is missing, build, run every test
#   ./build.sh test --sanitize  the same in build-sanitize with AddressSanitizer,
#                               UndefinedBehaviorSanitizer and leak checks
#   ./build.sh bench            install what is missing, build, run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-noto-cjk
    xvfb xauth xclip openbox x11-utils xdotool wmctrl
)

usage() {
    sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'
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

# Sanitizer settings for every instrumented process, also the test discovery
# runs during the build. Leaks inside system libraries are suppressed by
# tests/lsan.supp; leaks in our own code are never suppressed.
use_sanitizer_options() {
    export ASAN_OPTIONS=detect_leaks=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
}

command=${1:-}
shift || true
sanitize=false
if [ "$command" = test ] && [ "${1:-}" = --sanitize ]; then
    sanitize=true
    shift
fi
[ $# -eq 0 ] || usage

case $command in
    run)
        install_missing
        configure_and_build build -DCMAKE_BUILD_TYPE=Release
        exec build/app/zentaro
        ;;
    test)
        install_missing
        if $sanitize; then
            use_sanitizer_options
            configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTARO_SANITIZE=ON
            ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
        else
            configure_and_build build -DCMAKE_BUILD_TYPE=Release
            ctest --test-dir build --output-on-failure --parallel "$(nproc)"
        fi
        ;;
    bench)
        install_missing
        configure_and_build build -DCMAKE_BUILD_TYPE=Release
        bench/run_benchmarks.sh build
        ;;
    *)
        usage
        ;;
esac
