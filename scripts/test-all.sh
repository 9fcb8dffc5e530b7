#!/usr/bin/env bash
# Builds every preset and runs every test: natively under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# Windows build under Wine. The 32-bit Windows build is compiled only (32-bit programs cannot run on these machines).
# The libFuzzer targets are built and each runs briefly over its seed inputs (scripts/fuzz-smoke.sh).
set -uo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-$(nproc)}
failed_steps=()
passed_total=0
failed_total=0

run_step() {
    echo "==> $*"
    "$@" || failed_steps+=("$*")
}

build_preset() {
    run_step cmake --preset "$1" >/dev/null && run_step cmake --build --preset "$1" -j "$jobs"
}

test_preset() {
    local log
    log=$(mktemp)
    ctest --preset "$1" -j "$jobs" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    ((status == 0)) || failed_steps+=("ctest --preset $1")
    # "100% tests passed, 0 tests failed out of 17"
    local summary
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
    if [[ -n "$summary" ]]; then
        local failed total
        failed=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$summary")
        passed_total=$((passed_total + total - failed))
        failed_total=$((failed_total + failed))
    fi
    rm -f "$log"
}

for preset in native-asan windows windows-i686 fuzz; do
    build_preset "$preset"
done
test_preset native-asan
test_preset windows
run_step scripts/fuzz-smoke.sh

echo
if ((${#failed_steps[@]} > 0)); then
    printf 'FAILED: %s\n' "${failed_steps[@]}"
fi
echo "Total: $passed_total passed, $failed_total failed"
((${#failed_steps[@]} == 0))
