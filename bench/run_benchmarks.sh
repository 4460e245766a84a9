#!/usr/bin/env bash
# Runs Zentaro's benchmarks from a Release build and prints their figures
# against the goals in one table.
#   bench/run_benchmarks.sh BUILD_DIR [--x11] [benchmark options]
# By default the windows paint on the offscreen platform (real rasterisation
# into memory, no display needed). With --x11 everything runs on a virtual
# X server (xvfb-run), window system round trips included.
# Benchmark options pass through, e.g. --benchmark_filter=Click or
# --benchmark_out=results.json for Google Benchmark's full report.
set -euo pipefail

if [ $# -lt 1 ]; then
    sed -n '4p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi
build=$1
shift
binary=$build/bench/zentaro_bench
if [ ! -x "$binary" ]; then
    echo "No $binary: configure with -DCMAKE_BUILD_TYPE=Release and build the target zentaro_bench first." >&2
    exit 2
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [ "$build_type" != Release ]; then
    echo "Warning: $build is a '${build_type:-unknown}' build; the goals are meant for Release." >&2
fi

x11=false
if [ "${1:-}" = --x11 ]; then
    x11=true
    shift
fi

# Qt wants a private runtime directory; give it a fresh one.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime

if $x11; then
    QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24' "$binary" "$@"
else
    QT_QPA_PLATFORM=offscreen "$binary" "$@"
fi
