#!/usr/bin/env bash
# Leaves the window drawing curve after curve for MINUTES minutes under the offscreen
# platform (R, then F8 and F11 in turn between curves; with "keep", F8 alone, so that the
# curves pile up on one picture) and prints its resident memory once a minute, then how
# much it grew per minute after the first minute, once start-up has settled. SPEED is the
# pause after each segment in milliseconds: 0, the default here, draws some 50,000 curves a
# minute where the program's own 9 draws about 10, so that what each curve leaves behind
# adds up within minutes. Run after `make build`.
#
#   tools/soak.sh MINUTES [SPEED [keep]]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:?usage: tools/soak.sh MINUTES [SPEED [keep]]}
speed=${2:-0}
keep=${3:-}
out=$(mktemp)
trap 'rm -f "$out"' EXIT

QT_QPA_PLATFORM=offscreen build/tools/soak/soak_driver "$minutes" "$speed" $keep | tee "$out"
awk -F'\t' '
  NR > 1 { if ($1 == 1) first = $3; last = $3; n = $1 }
  END {
    if (n < 2) { print "run at least 2 minutes for a growth figure"; exit }
    printf "minute 1: %.1f MB, minute %d: %.1f MB, growth after the first minute: %.1f KB per minute\n",
           first / 1024, n, last / 1024, (last - first) / (n - 1)
  }' "$out"
