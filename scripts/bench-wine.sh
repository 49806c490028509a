#!/usr/bin/env bash
# Measures pixlin.exe with the default skin against a minimal pointer-following program (bench/wine/baseline.cpp)
# under Wine on a virtual display of its own, and prints the figures as a Markdown table.
#
#     bash scripts/bench-wine.sh [rounds] [build folder]
#
# Defaults: 3 rounds (about ten minutes), build/windows. PIXLIN_BENCH_ONLY=paste measures only the readouts ready to
# paste against the same skin without their keys (about three minutes); PIXLIN_BENCH_ONLY=kept start-up and memory with
# a kept colours file of 32 colours against keeping off (about a minute); PIXLIN_BENCH_ONLY=profile the picker on a
# display with a colour profile against an sRGB display, and with PIXLIN_BENCH_REFERENCE=other/pixlin.exe that build
# against this one on the sRGB display. Not part of scripts/test.sh: timings on a shared machine make poor pass/fail
# tests.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rounds=${1:-3}
build_dir=${2:-$root/build/windows}

bash "$root/scripts/install-deps.sh"
cmake --preset windows -S "$root" -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target pixlin pixlin_baseline -j "$(nproc)" >/dev/null

source "$root/scripts/wine-session.sh"
# A prefix of the benchmark's own beside its build, so that a test run elsewhere cannot disturb it; and one whose
# screen is at 200 % (192 dpi).
prefix_at_200=$build_dir/wine-bench-dpi192
trap 'WINEPREFIX=$prefix_at_200 wineserver -k >/dev/null 2>&1 || true; wine_session_end' EXIT
wine_session_start "$build_dir/wine-bench" yes
WINEPREFIX=$prefix_at_200 wine_prefix_start 192

objdump=$(grep -E '^CMAKE_OBJDUMP:' "$build_dir/CMakeCache.txt" | cut -d= -f2)
/usr/bin/python3 "$root/scripts/bench_wine.py" "$build_dir/src/app/pixlin.exe" \
    "$build_dir/bench/wine/pixlin_baseline.exe" "$root/skin" "$objdump" "$rounds" "$prefix_at_200"
