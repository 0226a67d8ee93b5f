#!/usr/bin/env bash
# Start-up to first painted window of both panels, and the resident memory
# of dorvo with its three windows open, each against its simulated station.
# Prints the median of several runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
runs=${RUNS:-7}
bin=build/bin
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/nimbo-xdg-XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
work=$(mktemp -d /tmp/nimbo-bench-XXXXXX)
export NIMBO_DEVICES=$work
sims=()
trap 'kill "${sims[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
"$bin/plcsim" --com 1 --live demo --log /dev/null > "$work/sim1" & sims+=($!)
"$bin/plcsim" --com 3 --live dorvo --log /dev/null > "$work/sim3" & sims+=($!)
sleep 1

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

measure() {  # program, extra arguments...
  local program=$1; shift
  for _ in $(seq "$runs"); do
    "$bin/$program" --screenshot "$work/shot.png" --report "$@"
  done > "$work/$program.out"
  echo "$program: first paint $(awk '/first paint/ {print $3}' "$work/$program.out" | median) ms (median of $runs)"
}

measure nimbo-demo --after 0
measure nimbo-dorvo --after 0
measure nimbo-dorvo --after 1500 --open costanti,storico > /dev/null
echo "dorvo with three windows open: resident $(awk '/resident/ {print $2}' "$work/nimbo-dorvo.out" | median) KiB (median of $runs)"
