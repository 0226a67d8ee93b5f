#!/usr/bin/env bash
# Installs a build into a temporary prefix and uses it as another project
# would: pkg-config answers, the example panel builds with find_package(nimbo)
# and runs headless against the simulator; then the installed tree is moved
# and a host program run from the new place still finds its controls.
# usage: check-install.sh BUILD_DIR
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: check-install.sh BUILD_DIR}" && pwd)
work=$(mktemp -d /tmp/nimbo-install-XXXXXX)
sim=
trap '[ -n "$sim" ] && kill $sim 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen NIMBO_DEVICES=$work/devices
export XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$NIMBO_DEVICES" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset NIMBO_REGISTRY
fail() { echo "check-install: $*" >&2; exit 1; }

start_simulator() {  # BIN_DIR
  "$1/plcsim" --com 1 --set 1:300=3 --log "$work/sim.log" > "$work/sim.out" 2>&1 &
  sim=$!
  for _ in $(seq 50); do [ -e "$NIMBO_DEVICES/COM1" ] && return; sleep 0.1; done
  fail "the simulator did not start: $(cat "$work/sim.out")"
}
stop_simulator() { kill $sim; wait $sim 2>/dev/null || true; sim=; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "install failed: $(cat "$work/install.log")"
libdir=$(dirname "$(find "$prefix" -name libnimboplatform.so | head -1)")
[ -d "$libdir" ] || fail "no libnimboplatform.so installed"
for f in bin/nimbo-dorvo bin/nimbo-demo bin/plcsim bin/nimbo-poll bin/nimbo-container bin/nimbo-regsvr \
         include/nimbo/platform/form.h include/nimbo/platform/qt_embed.h include/nimbo/link/com_ser.h include/nimbo/link/client_info.h \
         include/nimbo/server/nimbo_dispids.h include/nimbo/clients/led/led_dispids.h \
         share/nimbo/forms/dorvo/generale.frm share/nimbo/forms/test/Generale.frm; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
for lib in nimbo led zemled8 zemtext zembutton zembar zemedit; do
  [ -e "$libdir/nimbo/lib$lib.so" ] || fail "nimbo/lib$lib.so is not installed"
done
store=$prefix/share/nimbo/nimbo-registry.txt
[ "$(grep -c '^control' "$store")" = 7 ] || fail "the installed store does not hold the seven controls"
if cut -f6 "$store" | grep -q '^/'; then fail "the installed store holds absolute paths"; fi

flags=$(PKG_CONFIG_PATH=$libdir/pkgconfig pkg-config --cflags --libs nimbo) || fail "pkg-config does not know nimbo"
[[ "$flags" == *-lnimboplatform* ]] || fail "pkg-config answers $flags"
echo "pkg-config: $flags"

cmake -S "$src/examples/panel" -B "$work/panel" -DCMAKE_PREFIX_PATH="$prefix" > "$work/panel-configure.log" \
  || fail "the example does not configure: $(cat "$work/panel-configure.log")"
cmake --build "$work/panel" > "$work/panel-build.log" 2>&1 || fail "the example does not build: $(cat "$work/panel-build.log")"

start_simulator "$prefix/bin"
NIMBO_REGISTRY=$store "$work/panel/panel" "$src/examples/panel/panel.frm" "$work/panel.png" \
  || fail "the example panel failed"
stop_simulator
[ -s "$work/panel.png" ] || fail "the example saved no picture"
grep -q 'st=1 read reg=300' "$work/sim.log" || fail "the example panel read nothing from the simulator"
echo "example panel: built with find_package(nimbo), read register 300 from the simulator"

moved=$work/moved
mv "$prefix" "$moved"
start_simulator "$moved/bin"
"$moved/bin/nimbo-demo" --screenshot "$work/test.png" --after 500 > "$work/test.out" 2>&1 \
  || fail "the moved tree's demonstration program failed: $(cat "$work/test.out")"
stop_simulator
echo "moved tree: nimbo-demo ran from $moved and found its controls"
