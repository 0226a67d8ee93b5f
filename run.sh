#!/usr/bin/env bash
# Sets everything up, then runs the main job: a simulated PLC station in its
# live mode on COM1, read by the line poller a few times so the values can be
# seen moving.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

bin=build/bin
devices=$(mktemp -d /tmp/nimbo-run-XXXXXX)
export NIMBO_DEVICES=$devices
"$bin/plcsim" --com 1 --live demo --log "$devices/plcsim.log" > "$devices/plcsim.out" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -rf "$devices"' EXIT
for _ in $(seq 50); do
  grep -q '^plcsim:' "$devices/plcsim.out" 2>/dev/null && break
  sleep 0.1
done
cat "$devices/plcsim.out"

for round in 1 2 3 4 5; do
  echo "-- pass $round: PLC 1, registers 300 to 303"
  "$bin/nimbo-poll" --com 1 --plc 1 --range 300:303
  sleep 1
done
echo "-- write 301 = 50"
"$bin/nimbo-poll" --com 1 --plc 1 --write 301=50
