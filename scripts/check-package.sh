#!/usr/bin/env bash
# Makes the Debian package of a build and uses it as a Debian user would.
# lintian finds no error in it; none of its files belongs to an installed
# package and none of its programs takes the name of a shell's command; dpkg
# installs it, installs it again over itself and removes it, in a throw-away
# root whose package database is a copy of the machine's (so a file another
# package owns is refused as it would be on the machine, and the machine's
# own packages stay untouched); the programs run from where they landed,
# the demonstration panel against the simulator; and nothing is left behind.
# usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check-package.sh BUILD_DIR}" && pwd)
work=$(mktemp -d /tmp/nimbo-package-XXXXXX)
sim=
trap '[ -n "$sim" ] && kill $sim 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/xdg NIMBO_DEVICES=$work/devices
mkdir -p "$XDG_RUNTIME_DIR" "$NIMBO_DEVICES" && chmod 700 "$XDG_RUNTIME_DIR"
unset NIMBO_REGISTRY LD_LIBRARY_PATH
fail() { echo "check-package: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no package"
package=$(dpkg-deb -f "$deb" Package)
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Package Version Architecture | tr '\n' ' ')"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
[[ "$(dpkg-deb -f "$deb" Depends)" == *libc6* ]] || fail "the dependencies were not computed from the binaries"

lintian --fail-on error "$deb" > "$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"
echo "lintian: no error$(grep -c '^W:' "$work/lintian" | sed 's/^0$//; s/^./, & warnings/')"

# What the package holds, as paths on the machine.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; /\/$/d' > "$work/files"
for f in /usr/bin/nimbo-demo /usr/bin/nimbo-dorvo /usr/bin/nimbo-panel /usr/bin/plcsim /usr/lib/libnimboplatform.so.1 \
         /usr/lib/nimbo/libled.so /usr/share/nimbo/nimbo-registry.txt /usr/share/man/man1/nimbo-demo.1.gz \
         /usr/share/doc/nimbo/copyright /usr/share/doc/nimbo/changelog.gz; do
  grep -qx "$f" "$work/files" || fail "the package lacks $f"
done
for program in $(sed -n 's|^/usr/bin/||p' "$work/files"); do
  grep -qx "/usr/share/man/man1/$program.1.gz" "$work/files" || fail "$program has no manual page"
  kind=$(bash -c "type -t '$program'" 2>/dev/null || true)
  case "$kind" in builtin|keyword) fail "$program is the name of a shell $kind" ;; esac
done
# Any file of the package that an installed package owns (diversions aside).
(xargs dpkg -S < "$work/files" 2>/dev/null || true) | grep -v '^diversion' | grep -v "^$package:" > "$work/owned" || true
[ ! -s "$work/owned" ] || fail "files of installed packages: $(cat "$work/owned")"

# The throw-away root: the machine's package database without this
# package, and no trigger interests, so no program of the machine runs.
root=$work/root
admin=$root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates" "$admin/triggers"
awk -v RS= -v ORS='\n\n' -v p="Package: $package" 'index($0, p "\n") != 1' /var/lib/dpkg/status > "$admin/status"
find /var/lib/dpkg/info -name '*.list' ! -name "$package.list" ! -name "$package:*.list" -exec cp -t "$admin/info" {} +
dpkg_root() {
  local as=()
  [ "$(id -u)" = 0 ] || as=(fakeroot)
  "${as[@]}" dpkg --force-not-root --instdir="$root" --admindir="$admin" "$@" > "$work/dpkg.log" 2>&1 \
    || fail "dpkg $*: $(cat "$work/dpkg.log")"
}
dpkg_root --install "$deb"
dpkg_root --install "$deb"
echo "installed into a throw-away root, and again over itself"

for program in $(sed -n 's|^/usr/bin/||p' "$work/files"); do
  "$root/usr/bin/$program" --help > "$work/help" 2>&1 || fail "installed $program --help failed: $(cat "$work/help")"
done
ldd "$root/usr/bin/nimbo-demo" | grep -q "libnimboplatform.so.1 => $root/" \
  || fail "the installed program does not load the installed library: $(ldd "$root/usr/bin/nimbo-demo")"

"$root/usr/bin/plcsim" --com 1 --set 1:300=3 --log "$work/sim.log" > "$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$NIMBO_DEVICES/COM1" ] && break; sleep 0.1; done
[ -e "$NIMBO_DEVICES/COM1" ] || fail "the installed simulator did not start: $(cat "$work/sim.out")"
"$root/usr/bin/nimbo-demo" --screenshot "$work/demo.png" --after 2000 > "$work/demo.out" 2>&1 \
  || fail "the installed demonstration panel failed: $(cat "$work/demo.out")"
kill $sim; wait $sim 2>/dev/null || true; sim=
[ -s "$work/demo.png" ] || fail "the installed demonstration panel saved no picture"
grep -q 'st=1 read reg=300' "$work/sim.log" || fail "the installed demonstration panel read nothing from the simulator"
echo "installed programs: every one answers --help; nimbo-demo read register 300 from plcsim and saved its picture"

dpkg_root --purge "$package"
left=$(cd "$root" && find . ! -type d ! -path './var/lib/dpkg/*'; find . -type d -path '*nimbo*')
[ -z "$left" ] || fail "removing the package left: $left"
echo "removed: nothing left behind"
