#!/usr/bin/env bash
# Leaves the window drawing curve after curve for MINUTES minutes under the offscreen
# platform (R, then F8 and F11 in turn between curves) and prints its resident memory once
# a minute, then how much it grew per minute after the first minute, once start-up has
# settled. SPEED is the pause after each segment in milliseconds: 0, the default here,
# draws some 4000 curves a minute where the program's own 9 draws about 10, so that what
# each curve leaves behind adds up within minutes. Run after `make build`.
#
#   tools/soak.sh MINUTES [SPEED]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:?usage: tools/soak.sh MINUTES [SPEED]}
speed=${2:-0}

first='' last='' lastMinute=0
while IFS=$'\t' read -r minute curves rss; do
  echo "$minute"$'\t'"$curves"$'\t'"$rss"
  [[ $minute == minute ]] && continue
  [[ $minute == 1 ]] && first=$rss
  last=$rss lastMinute=$minute
done < <(QT_QPA_PLATFORM=offscreen build/tools/soak/soak_driver "$minutes" "$speed" 2>/dev/null)

if ((lastMinute < 2)); then
  echo "run at least 2 minutes for a growth figure"
  exit
fi
awk -v first="$first" -v last="$last" -v n="$lastMinute" 'BEGIN {
  printf "minute 1: %.1f MB, minute %d: %.1f MB, growth after the first minute: %.1f KB per minute\n",
         first / 1024, n, last / 1024, (last - first) / (n - 1) }'
