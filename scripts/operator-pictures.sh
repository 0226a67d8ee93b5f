#!/usr/bin/env bash
# Pictures of the server's report window (its three views) and of its two
# property pages, taken by a container script against a simulated line
# with one answering and one silent PLC, and of a form in design mode;
# written to docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bin=$PWD/build/bin
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/nimbo-xdg-XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
work=$(mktemp -d /tmp/nimbo-pictures-XXXXXX)
export NIMBO_DEVICES=$work
sim=""
trap 'kill $sim 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
"$bin/plcsim" --com 12 --station 1 --station 2,silent --set 1:3=7 --log /dev/null > "$work/sim" & sim=$!
sleep 1
docs=$PWD/docs
"$bin/nimbo-container" --strict <<SCRIPT
create s NIMBO.NimboCtrl.1 10 10
create led LEDLib.Led 60 10
put led Plc 1
put led Reg 3
put s AddClient @led.Client
create num ZEMEDIT.ZEMEDITCtrl.1 60 60
put num Plc 2
put s AddClient @num.Client
put s COM 12
put s InternalTimer 40
put s PlcEnabled1 1
put s PlcStop1 15
put s PlcEnabled2 1
put s PlcStart2 100
put s PlcStop2 131
put s PlcEnabled3 2
put s Go true
wait 1200
dblclick s 5 5
dialog lclick 205 1 2
dialog screenshot $docs/report-setup.png
dialog click 4
wait 300
dialog screenshot $docs/report-status.png
dialog click 5
dialog screenshot $docs/report-client.png
dialog ok
verb s Properties
dialog screenshot $docs/page-general.png
dialog page 1
dialog screenshot $docs/page-modem.png
dialog cancel
put s Go false
quit
SCRIPT
# Design mode as a person sees it: on a real (virtual) X server.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb \
  "$bin/nimbo-panel" --design examples/dorvo/generale.frm --select ZEMEDIT10 --screenshot "$docs/design-mode.png" \
  --after 500 >/dev/null
echo "operator-pictures: docs/report-{setup,status,client}.png docs/page-{general,modem}.png docs/design-mode.png"
