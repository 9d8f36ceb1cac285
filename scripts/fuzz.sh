#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build (each executable named fuzz_* in it) on a copy
# of its seed corpus, for a time or a number of inputs per target:
#     scripts/fuzz.sh <fuzz-build-dir> <seconds-per-target>
#     scripts/fuzz.sh <fuzz-build-dir> --runs <inputs-per-target>
# The working corpus of a target is fuzz/corpus-run/<target>/, seeded from fuzz/corpus/<target>/
# and kept between runs; fuzz/<target>.dict is its dictionary when present. An input that
# makes a target fail is kept in <fuzz-build-dir>/fuzz-findings/<target>/. Prints one line per
# target and exits non-zero when any target found something.
set -uo pipefail

usage() {
    echo "usage: $0 <fuzz-build-dir> <seconds-per-target> | $0 <fuzz-build-dir> --runs <inputs-per-target>" >&2
    exit 2
}

[ $# -ge 2 ] || usage
build_dir=$(cd "$1" 2>/dev/null && pwd) || usage
if [ "$2" = "--runs" ]; then
    [ $# -eq 3 ] || usage
    limit=(-runs="$3")
else
    [ $# -eq 2 ] || usage
    limit=(-max_total_time="$2")
fi

fuzz_dir=$(cd "$(dirname "$0")/../fuzz" && pwd)
mapfile -t targets < <(find "$build_dir" -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz: no fuzz_* executables in $build_dir" >&2
    exit 2
fi

found=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    corpus="$fuzz_dir/corpus-run/$name"
    findings="$build_dir/fuzz-findings/$name"
    log="$build_dir/fuzz-findings/$name.log"
    mkdir -p "$corpus" "$findings"
    if [ -d "$fuzz_dir/corpus/$name" ]; then
        cp -n "$fuzz_dir/corpus/$name"/* "$corpus"/ 2>/dev/null
    fi
    options=("${limit[@]}" -print_final_stats=1 -timeout=10 -artifact_prefix="$findings/")
    if [ -f "$fuzz_dir/$name.dict" ]; then
        options+=(-dict="$fuzz_dir/$name.dict")
    fi

    # Each target runs in a scratch directory of its own: the font and UI readers open files
    # by relative names.
    work="$build_dir/fuzz-work/$name"
    mkdir -p "$work"
    (cd "$work" && "$target" "${options[@]}" "$corpus" >"$log" 2>&1)
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ $status -eq 0 ]; then
        echo "$name: ${runs:-?} inputs, nothing found"
    else
        found=1
        artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
        echo "$name: ${runs:-?} inputs, FOUND a fault (exit $status): ${artifact:-see $log}"
    fi
done
exit $found
