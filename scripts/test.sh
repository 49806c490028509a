#!/usr/bin/env bash
# Installs what is missing, builds the host and Windows targets, and runs every test:
# host unit tests (plain and under ASan/UBSan), bounded fuzzing, Windows tests in-process under Wine,
# end-to-end tests of the real pixlin.exe under Wine on a virtual display, and the two ways of building
# pixlin.exe without a preset (MinGW g++ and clang), each from a fresh folder.
set -uo pipefail

# Every Wine start here (the session's, the end-to-end tests', the plain builds') runs without address randomization:
# with it, about one start in 2,000 ends at once because the kernel put wine64's heap where Wine must map a page of its
# own (see tests/windows/under_wine.sh). The setting passes to every process this script starts.
if [ -z "${PIXLIN_FIXED_ADDRESSES:-}" ] && setarch "$(uname -m)" --addr-no-randomize true 2>/dev/null; then
    export PIXLIN_FIXED_ADDRESSES=1
    exec setarch "$(uname -m)" --addr-no-randomize bash "$0" "$@"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/install-deps.sh || { echo "FAILED: installing the build tools"; exit 1; }

results=()
total_passed=0
total_failed=0

passed() {
    results+=("$1: $2 passed, 0 failed${3:+ ($3)}")
    total_passed=$((total_passed + $2))
}

failed() {
    results+=("$1: $2")
    total_failed=$((total_failed + 1))
}

# Runs one CTest suite. Its exit status decides; the counts come from its JUnit report.
run_suite() {
    local name=$1
    shift
    local report="$root/build/$name-ctest.xml"
    rm -f "$report"
    ctest "$@" --output-on-failure --output-junit "$report"
    local status=$?
    local tests=0 failures=0
    if [ -f "$report" ]; then
        read -r tests failures < <(python3 - "$report" <<'PY'
import sys
import xml.etree.ElementTree as tree
suite = tree.parse(sys.argv[1]).getroot()
print(int(suite.get("tests", 0)) - int(suite.get("skipped", 0)) - int(suite.get("disabled", 0)),
      suite.get("failures", 0))
PY
)
    fi
    if [ "$status" -eq 0 ] && [ "$tests" -gt 0 ]; then
        passed "$name" "$tests"
    else
        results+=("$name: $((tests - failures)) passed, $((failures > 0 ? failures : 1)) failed (ctest exit status $status)")
        total_passed=$((total_passed + tests - failures))
        total_failed=$((total_failed + (failures > 0 ? failures : 1)))
    fi
}

build() {
    local preset=$1
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$jobs"
}

mkdir -p build
if build host; then
    run_suite host --preset host -j "$jobs"
else
    failed host "BUILD FAILED"
fi

if build host-sanitize; then
    run_suite host-sanitize --preset host-sanitize -j "$jobs"
else
    failed host-sanitize "BUILD FAILED"
fi

# The layout reader, the BMP readers, the ICC profile reader, the palette readers and the skin checker's whole path take
# any bytes: bounded fuzzing under ASan and UBSan, each starting from real files of its kind (a file, or a folder of
# them). A fixed seed makes a run repeatable; its corpus, log and any crash input stay in build/fuzz-runs/TARGET until the next run.
fuzz_seed=20240611
fuzz_target() {
    local target=$1 seeds=$2 seconds=$3
    local dir=build/fuzz-runs/$target
    rm -rf "$dir"
    mkdir -p "$dir/corpus" "$dir/crashes"
    if [ -d "$seeds" ]; then
        cp "$seeds"/* "$dir/corpus/"
    else
        cp "$seeds" "$dir/corpus/"
    fi
    if "build/fuzz/tests/fuzz/$target" -seed="$fuzz_seed" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$dir/crashes/" "$dir/corpus" >"$dir/log" 2>&1; then
        passed "$target" 1 "$(grep -oE 'Done [0-9]+ runs' "$dir/log"), seed $fuzz_seed"
    else
        tail -n 40 "$dir/log"
        failed "$target" "0 passed, 1 failed (see $dir)"
    fi
}
if build fuzz; then
    fuzz_target layout_reader_fuzz skin/pixlin.dat0 45
    fuzz_target bmp_pixels_fuzz tests/fuzz/seed.bmp 15
    # The profiles of Debian's icc-profiles-free (version 2) and a version 4 one of ours, made with LittleCMS.
    rm -rf build/fuzz-runs/icc-seeds
    mkdir -p build/fuzz-runs/icc-seeds
    cp /usr/share/color/icc/*.icc tests/fuzz/seed_v4.icc build/fuzz-runs/icc-seeds/
    fuzz_target icc_profile_fuzz build/fuzz-runs/icc-seeds 30
    # The palette readers and the kept colours file, from small files our writers and hand-made layouts give.
    fuzz_target gpl_palette_fuzz tests/fuzz/palette_seeds/gpl 20
    fuzz_target ase_palette_fuzz tests/fuzz/palette_seeds/ase 20
    fuzz_target json_files_fuzz tests/fuzz/palette_seeds/json 20
    # A small skin of each picture format and BMP variant, made by Debian's Python, which has Pillow.
    if /usr/bin/python3 tests/fuzz/skin_seeds.py build/fuzz-runs/skin-seeds; then
        fuzz_target skin_check_fuzz build/fuzz-runs/skin-seeds 90
    else
        failed skin_check_fuzz "0 passed, 1 failed (its seeds could not be made)"
    fi
else
    failed fuzz "BUILD FAILED"
fi

# pixlin.exe as a user without the presets builds it: plain cmake with a toolchain file, tests off, in a fresh
# folder. MinGW g++ is the MSYS2 way; clang shows the code is not tied to GCC.
plain_builds=(
    "plain-mingw cmake/mingw-w64-x86_64.cmake"
    "plain-clang cmake/clang-mingw-w64-x86_64.cmake"
)
declare -A plain_built
for row in "${plain_builds[@]}"; do
    read -r name toolchain <<<"$row"
    dir=build/$name
    rm -rf "$dir"
    if cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" >"$dir.log" 2>&1 &&
        cmake --build "$dir" -j "$jobs" >>"$dir.log" 2>&1 &&
        cmake -DEXE="$dir/src/app/pixlin.exe" -DOBJDUMP=x86_64-w64-mingw32-objdump \
            -P tests/windows/check_imports.cmake >>"$dir.log" 2>&1; then
        plain_built[$name]=yes
    else
        tail -n 40 "$dir.log"
        failed "$name" "0 passed, 1 failed (see $dir.log)"
    fi
done

windows_built=no
build windows && windows_built=yes
source scripts/wine-session.sh
wine_session_start "$root" yes
if [ "$windows_built" = yes ]; then
    # Tests share one display and the pointer, so they run one at a time.
    run_suite windows --preset windows
else
    failed windows "BUILD FAILED"
fi
# Each plain build's program must also start, follow the pointer and sample under Wine.
for row in "${plain_builds[@]}"; do
    read -r name _ <<<"$row"
    [ "${plain_built[$name]:-}" = yes ] || continue
    if bash tests/e2e/sampling_test.sh "build/$name/src/app/pixlin.exe" "$root/skin" >"build/$name-e2e.log" 2>&1; then
        passed "$name" 1 "built without a preset; imports system DLLs only; sampling test passed"
    else
        cat "build/$name-e2e.log"
        failed "$name" "0 passed, 1 failed (built, but its sampling test failed: build/$name-e2e.log)"
    fi
done
wine_session_end

echo
echo "== Summary =="
printf '%s\n' "${results[@]}"
echo "total: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
