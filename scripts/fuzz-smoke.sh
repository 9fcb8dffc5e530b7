#!/usr/bin/env bash
# Runs every libFuzzer target of a build folder (FUZZ_BUILD, build/fuzz by default; the test run uses the targets that
# build/native-asan builds beside the tests) for a short while, starting from its seed inputs: the committed fixtures
# and, when present, the shared corpus of real workbooks. A crash, leak or timeout fails the run and leaves the input
# in FUZZ_BUILD/artifacts. For a real fuzzing session give a longer FUZZ_SECONDS and keep the corpus folder:
#   FUZZ_SECONDS=600 scripts/fuzz-smoke.sh xlsx_fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-20}
build=${FUZZ_BUILD:-build/fuzz}
corpus_root=../shared/corpus
artifacts=$build/artifacts
mkdir -p "$artifacts"

# The seed folders of a target: a target with a folder tests/data/fuzz/<target> (streams that are no workbook) its
# files, the tokenizer the formula texts of its case file (as UTF-16LE), xml the XML parts of the fixture packages, chart
# their chart parts, the xls_* targets the .xls workbooks (xls_records_fuzz their record streams), the others the
# packages and zip files, whole.
seeds_for() {
    local target=$1 seeds=$build/seeds/$1
    rm -rf "$seeds" && mkdir -p "$seeds"
    if [[ -d tests/data/fuzz/$target ]]; then
        cp tests/data/fuzz/"$target"/* "$seeds"
        echo "$seeds"
        return
    fi
    if [[ $target == tokenizer_fuzz ]]; then
        local n=0 text
        while IFS=$'\t' read -r text _; do
            n=$((n + 1))
            printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE >"$seeds/$n"
        done < <(grep -v '^//' tests/data/formula/tokenizer-cases.txt | grep $'\t')
        echo "$seeds"
        return
    fi
    local patterns=(-name '*.xlsx' -o -name '*.xlsm' -o -name '*.zip') limit=-256k extract=''
    if [[ $target == xls_records_fuzz ]]; then
        # The record streams of the workbooks, which the target puts back into a compound document.
        extract=$build/fuzz/xls_record_stream
    fi
    if [[ $target == xls_* ]]; then
        # Damaged workbooks of up to 1 MB are among the real ones.
        patterns=(-iname '*.xls') limit=-1024k
    fi
    local files
    files=$(find tests/data -type f \( "${patterns[@]}" \); \
        [[ -d $corpus_root ]] && find "$corpus_root" -type f \( "${patterns[@]}" \) -size "$limit")
    local n=0
    for file in $files; do
        n=$((n + 1))
        if [[ $target == xml_fuzz ]]; then
            mkdir -p "$seeds/$n" && (cd "$seeds/$n" && unzip -qo "$OLDPWD/$file" '*.xml' '*.rels' 2>/dev/null || true)
        elif [[ $target == chart_fuzz ]]; then
            mkdir -p "$seeds/$n" && (cd "$seeds/$n" && unzip -qo "$OLDPWD/$file" 'xl/charts/chart*.xml' 2>/dev/null || true)
        elif [[ -n $extract ]]; then
            "$extract" "$file" >"$seeds/$n" 2>/dev/null || rm -f "$seeds/$n"
        else
            cp "$file" "$seeds/$n"
        fi
    done
    echo "$seeds"
}

targets=("$@")
if ((${#targets[@]} == 0)); then
    for program in "$build"/fuzz/*_fuzz; do
        [[ -x $program ]] && targets+=("$(basename "$program")")
    done
fi
((${#targets[@]} > 0)) || { echo "no fuzz targets in $build/fuzz"; exit 1; }
# The targets run side by side: libFuzzer's time limit is wall time, so the smoke run costs FUZZ_SECONDS whatever the
# number of targets. Each writes its own log, printed when all have ended.
pids=()
for target in "${targets[@]}"; do
    program=$build/fuzz/$target
    [[ -x $program ]] || { echo "missing $program"; exit 1; }
    seeds=$(seeds_for "$target")
    mkdir -p "$build/corpus/$target"
    "$program" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$build/corpus/$target" "$seeds" >"$build/$target.log" 2>&1 &
    pids+=($!)
done
failed=()
for i in "${!targets[@]}"; do
    wait "${pids[$i]}" || failed+=("${targets[$i]}")
    echo "==> ${targets[$i]} for ${seconds}s"
    tail -n 12 "$build/${targets[$i]}.log"
done
if ((${#failed[@]} > 0)); then
    echo "fuzz targets failed: ${failed[*]} (logs in $build/<target>.log, inputs in $artifacts)"
    exit 1
fi
