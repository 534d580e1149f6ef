#!/usr/bin/env bash
# Measures what the benchmarks can't: the memory peak of a full-size headless render and
# the speed of dd writing as many bytes as a full-size Targa export, on the same disk.
# Run after `make build`; see `make bench` for the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/trochograph/trochograph
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

peak() { /usr/bin/time -f %M "$bin" --render --output "$dir/out.tga" "$@" 2>&1 >/dev/null | tail -1; }
base=$(peak --size 100)
full=$(peak --size 9600 --animate)
canvas_kb=$((9600 * 9600 * 4 / 1024))
echo "render --size 9600 --animate: peak $full KB, baseline $base KB, canvas $canvas_kb KB," \
     "$(( (full - base) * 100 / canvas_kb ))% of the canvas above the baseline"

bytes=$((18 + 3 * 9600 * 9600 + 26))
for _ in 1 2 3; do
  rm -f "$dir/dd.out"
  dd if=/dev/zero of="$dir/dd.out" bs=1M count=$((bytes / 1048576)) 2>&1 | tail -1
done
TMPDIR="$dir" build/bench/trochograph_bench --benchmark_filter=targaToFile
