#!/bin/sh
# SPDX-License-Identifier: MIT
# Usage: split-run-parallel.sh VARDOLIN-RUN EXAMPLES-FOLDER
# Runs each splittable example whole, then as 4 parts started by GNU parallel (each its own
# process, as on four machines), merges the parts and compares the JSON and the trials file
# with those of the whole run, byte for byte.
set -eu
run=$1
examples=$2
if ! command -v parallel >/dev/null 2>&1; then
    echo "GNU parallel is not installed: scripts/test installs it (scripts/packages.sh)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in plane-failure-defaults critical-circle-defaults slope-section-three-soils; do
    model=$examples/$name.vardolin
    "$run" --json --trials-csv "$work/$name-whole.csv" "$model" >"$work/$name-whole.json" 2>/dev/null
    # Each part on 2 threads, the whole run on what VARDOLIN_THREADS says: the same figures.
    VARDOLIN_THREADS=2 parallel --will-cite --halt now,fail=1 \
        "$run" --part '{}/4' --part-file "$work/$name.part-{}.json" "$model" ::: 1 2 3 4 \
        >/dev/null 2>&1
    "$run" --merge --json --trials-csv "$work/$name-merged.csv" \
        "$work/$name.part-1.json" "$work/$name.part-2.json" "$work/$name.part-3.json" \
        "$work/$name.part-4.json" >"$work/$name-merged.json"
    cmp "$work/$name-whole.json" "$work/$name-merged.json"
    cmp "$work/$name-whole.csv" "$work/$name-merged.csv"
    echo "$name: 4 parts merged give the whole run's JSON and trials file"
done
