#!/usr/bin/env bash
# Installs what is missing, builds the host and Windows targets, and runs every test:
# host unit tests (plain and under ASan/UBSan), Windows tests in-process under Wine,
# and end-to-end tests of the real pixlin.exe under Wine on a virtual display.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/install-deps.sh || { echo "FAILED: installing the build tools"; exit 1; }

results=()
total_passed=0
total_failed=0

# Runs one CTest suite and adds its counts to the totals.
run_suite() {
    local name=$1
    shift
    local log="build/$name-ctest.log"
    ctest "$@" --output-on-failure 2>&1 | tee "$log"
    local summary passed failed all
    summary=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        results+=("$name: no tests ran")
        total_failed=$((total_failed + 1))
        return
    fi
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    all=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
    passed=$((all - failed))
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
    results+=("$name: $passed passed, $failed failed")
}

build() {
    local preset=$1
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$jobs"
}

mkdir -p build
if build host; then
    run_suite host --preset host -j "$jobs"
else
    results+=("host: BUILD FAILED"); total_failed=$((total_failed + 1))
fi

if build host-sanitize; then
    run_suite host-sanitize --preset host-sanitize -j "$jobs"
else
    results+=("host-sanitize: BUILD FAILED"); total_failed=$((total_failed + 1))
fi

# The layout reader and the BMP reader take any bytes: bounded fuzzing runs under ASan and UBSan, each starting
# from a real file of its kind.
fuzz_target() {
    local target=$1 seed=$2 seconds=$3
    local corpus log=build/$target.log
    corpus=$(mktemp -d)
    cp "$seed" "$corpus/"
    if "build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 "$corpus" >"$log" 2>&1; then
        results+=("$target: 1 passed, 0 failed ($(grep -oE 'Done [0-9]+ runs' "$log"))")
        total_passed=$((total_passed + 1))
    else
        tail -n 40 "$log"
        results+=("$target: 0 passed, 1 failed (see $log)")
        total_failed=$((total_failed + 1))
    fi
    rm -rf "$corpus"
}
if build fuzz; then
    fuzz_target layout_reader_fuzz skin/pixlin.dat0 45
    fuzz_target bmp_pixels_fuzz tests/fuzz/seed.bmp 15
else
    results+=("fuzz: BUILD FAILED"); total_failed=$((total_failed + 1))
fi

if build windows; then
    source scripts/wine-session.sh
    wine_session_start "$root" yes
    # Tests share one display and the pointer, so they run one at a time.
    run_suite windows --preset windows
    wine_session_end
else
    results+=("windows: BUILD FAILED"); total_failed=$((total_failed + 1))
fi

echo
echo "== Summary =="
printf '%s\n' "${results[@]}"
echo "total: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
