#!/usr/bin/env bash
# Sets everything up, then runs a panel:
#   ./run.sh [test]        the demonstration panel, with a simulated PLC on COM1
#   ./run.sh dorvo         the generator-set panel, with a simulated PLC on COM3
#   ./run.sh ... --no-sim  the panel alone, on whatever COMn maps to (real hardware)
# Without a display the panel runs headless for a few seconds and its
# windows are saved as PNG pictures.
set -euo pipefail
cd "$(dirname "$0")"
panel=test
sim=yes
for arg in "$@"; do
  case "$arg" in
    test|dorvo) panel=$arg ;;
    --no-sim) sim=no ;;
    *) echo "usage: ./run.sh [test|dorvo] [--no-sim]" >&2; exit 2 ;;
  esac
done
scripts/setup.sh

bin=build/bin
if [ "$panel" = dorvo ]; then com=3; scene=dorvo; else com=1; scene=demo; fi

if [ "$sim" = yes ]; then
  # The simulated station lives in a devices folder of its own, so a real
  # mapping of the user's COM ports is left alone.
  devices=$(mktemp -d /tmp/nimbo-run-XXXXXX)
  export NIMBO_DEVICES=$devices
  "$bin/plcsim" --com "$com" --live "$scene" --log "$devices/plcsim.log" > "$devices/plcsim.out" &
  simulator=$!
  trap 'kill $simulator 2>/dev/null; wait $simulator 2>/dev/null; rm -rf "$devices"' EXIT
  for _ in $(seq 50); do
    grep -q '^plcsim:' "$devices/plcsim.out" 2>/dev/null && break
    sleep 0.1
  done
  cat "$devices/plcsim.out"
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
  export QT_QPA_PLATFORM=offscreen
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/nimbo-xdg-XXXXXX)}
  chmod 700 "$XDG_RUNTIME_DIR"
  mkdir -p screenshots
  echo "No display: running the $panel panel headless for a few seconds and saving its windows."
  if [ "$panel" = dorvo ]; then
    "$bin/nimbo-dorvo" --screenshot "screenshots/dorvo.png" --after 4000 --open costanti,storico
  else
    "$bin/nimbo-demo" --screenshot "screenshots/test.png" --after 4000
  fi
else
  if [ "$panel" = dorvo ]; then "$bin/nimbo-dorvo"; else "$bin/nimbo-demo"; fi
fi
