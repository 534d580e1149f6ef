#!/usr/bin/env bash
# Runs each fuzz target of a libFuzzer build for SECONDS, starting from its seed corpus in
# tests/fuzz/corpus/<name>/, and prints how many inputs it ran and how fast.
#
#   tools/fuzz.sh BUILD [SECONDS]      (make fuzz builds BUILD and runs this)
#
# The seeds stay as they are: what a run finds goes to BUILD/fuzz-corpus/<name>/, where the
# next run goes on from. An input that breaks a target is left in BUILD/fuzz-crashes/<name>/
# and the run fails; once the fault is mended, keep that input in the seed corpus, where
# every `make test` replays it.
set -uo pipefail

build=${1:?usage: tools/fuzz.sh BUILD [SECONDS]}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$build"/tests/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  found="$build/fuzz-corpus/$name"
  crashes="$build/fuzz-crashes/$name"
  log="$build/fuzz-$name.log"
  mkdir -p "$found" "$crashes"
  # -timeout: an input that takes a second is a fault of its own.
  if "$target" -max_total_time="$seconds" -timeout=1 -print_final_stats=1 -artifact_prefix="$crashes/" \
      "$found" "$root/tests/fuzz/corpus/$name" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  rate=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
  printf '%-15s %-6s %10s runs %8s exec/s  (%s)\n' "$name" "$result" "${runs:-?}" "${rate:-?}" "$log"
  [ "$result" = ok ] || grep -m 5 -E "ERROR|fuzz check failed|SUMMARY" "$log"
done
exit $status
