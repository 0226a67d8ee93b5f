#!/usr/bin/env bash
# Makes the Debian package of a build, checks what it holds and that the
# programs taken out of it run.
# usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check-package.sh BUILD_DIR}" && pwd)
work=$(mktemp -d /tmp/nimbo-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fail() { echo "check-package: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no package"
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Package Version Architecture | tr '\n' ' ')"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -c "$deb" | awk '{print $NF}' > "$work/contents"
for f in usr/bin/dorvo usr/bin/test usr/bin/plcsim usr/bin/nimbo-poll usr/bin/nimbo-container usr/bin/nimbo-regsvr \
         libnimboplatform.so libnimbo.so libled.so libzemled8.so libzemtext.so libzembutton.so libzembar.so libzemedit.so \
         usr/include/nimbo/platform/olectl.h usr/include/nimbo/server/nimbo_dispids.h \
         usr/share/nimbo/forms/dorvo/generale.frm usr/share/nimbo/forms/test/Generale.frm \
         usr/share/nimbo/nimbo-registry.txt nimboConfig.cmake pkgconfig/nimbo.pc; do
  grep -q "$f\$" "$work/contents" || fail "the package lacks $f"
done
dpkg-deb -x "$deb" "$work/root"
if cut -f6 "$work/root/usr/share/nimbo/nimbo-registry.txt" | grep -q '^/'; then
  fail "the package's store holds absolute paths"
fi
for program in dorvo test plcsim nimbo-poll nimbo-container nimbo-regsvr; do
  "$work/root/usr/bin/$program" --help > "$work/help" 2>&1 || fail "$program --help from the package failed: $(cat "$work/help")"
done
echo "package: $(wc -l < "$work/contents") entries; its six programs answer --help"
