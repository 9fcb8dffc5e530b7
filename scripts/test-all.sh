#!/usr/bin/env bash
# Builds every preset the tests need and runs every test: natively under AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, which also builds the libFuzzer targets), and the Windows build under Wine. The 32-bit Windows build compiles
# the product only (32-bit programs cannot run on these machines). Each fuzz target then runs briefly over its seed
# inputs (scripts/fuzz-smoke.sh). Ends with the time of every step and the count of test cases.
set -uo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-$(nproc)}
failed_steps=()
step_times=()
passed_total=0
failed_total=0

run_step() {
    local started=$SECONDS
    echo "==> $*"
    "$@" || failed_steps+=("$*")
    step_times+=("$(printf '%5ds  %s' $((SECONDS - started)) "$*")")
}

build_preset() {
    run_step cmake --preset "$1" >/dev/null && run_step cmake --build --preset "$1" -j "$jobs"
}

# Adds the test cases that GoogleTest reports in the preset's last ctest log to the totals.
count_test_cases() {
    local log=build/$1/Testing/Temporary/LastTest.log
    [[ -f $log ]] || return 0
    local passed failed
    passed=$(grep -hoE '^\[  PASSED  \] [0-9]+ test' "$log" | awk '{n += $4} END {print n + 0}')
    failed=$(grep -hoE '^\[  FAILED  \] [0-9]+ test' "$log" | awk '{n += $4} END {print n + 0}')
    passed_total=$((passed_total + passed))
    failed_total=$((failed_total + failed))
}

test_preset() {
    run_step ctest --preset "$1" -j "$jobs"
    count_test_cases "$1"
}

for preset in native-asan windows windows-i686; do
    build_preset "$preset"
done
test_preset native-asan
test_preset windows
FUZZ_BUILD=build/native-asan run_step scripts/fuzz-smoke.sh

echo
printf '%s\n' "${step_times[@]}"
if ((${#failed_steps[@]} > 0)); then
    printf 'FAILED: %s\n' "${failed_steps[@]}"
fi
echo "Total: $passed_total test cases passed, $failed_total failed"
((${#failed_steps[@]} == 0))
