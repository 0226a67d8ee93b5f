#!/usr/bin/env bash
# Installs what the kit needs from Debian when it is missing, then configures
# and builds into build/ (or $NIMBO_BUILD_DIR). Quick when everything is
# already there. Fails when the configure or the build fails.
#
# NIMBO_SANITIZE=1 makes the checking build instead: clang, AddressSanitizer
# and UndefinedBehaviorSanitizer, and the libFuzzer programs, into
# build-sanitize/ (or $NIMBO_BUILD_DIR). NIMBO_BUILD_TARGET builds one
# target (and what it needs) instead of everything.
#
# NIMBO_SKIP_PACKAGES=1 skips the package step, for a machine without apt or
# sudo where the packages below were installed by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=${NIMBO_SANITIZE:-0}
if [ "$sanitize" = 1 ]; then
  build=${NIMBO_BUILD_DIR:-build-sanitize}
else
  build=${NIMBO_BUILD_DIR:-build}
fi

# The second line runs the programs under a real X server with real input
# events; the third makes and checks the Debian package: dependencies computed
# from the binaries, manual pages from --help, lintian, dpkg as non-root; the
# last is the MQTT client library of the gateway and the broker its tests run.
packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev fonts-liberation2 fontconfig clang libclang-rt-14-dev
          xvfb xdotool libxcb1-dev
          dpkg-dev file help2man lintian fakeroot
          libmosquitto-dev mosquitto mosquitto-clients)
missing=()
if [ "${NIMBO_SKIP_PACKAGES:-0}" != 1 ] && command -v dpkg-query >/dev/null; then
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "setup: cannot install ${missing[*]} without root or sudo;" \
           "install them by hand and run again with NIMBO_SKIP_PACKAGES=1" >&2
      exit 1
    fi
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Configured again whenever the build folder is not complete (a configure
# that failed half way leaves a cache but no build files).
if [ ! -f "$build/CMakeCache.txt" ] || [ ! -f "$build/Makefile" ]; then
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  if [ "$sanitize" = 1 ]; then
    options+=(-DCMAKE_CXX_COMPILER=clang++ -DNIMBO_SANITIZE=ON -DNIMBO_FUZZ=ON)
  fi
  mkdir -p "$build"
  if ! cmake -S . -B "$build" "${options[@]}" >"$build.configure.log" 2>&1; then
    cat "$build.configure.log" >&2
    rm -f "$build/CMakeCache.txt"
    echo "setup: configure failed" >&2
    exit 1
  fi
  rm -f "$build.configure.log"
fi
log=$(mktemp /tmp/nimbo-build-XXXXXX.log)
status=0
cmake --build "$build" -j"$(nproc)" ${NIMBO_BUILD_TARGET:+--target "$NIMBO_BUILD_TARGET"} >"$log" 2>&1 || status=$?
grep -E 'error|warning:|Error' "$log" || true
rm -f "$log"
if [ "$status" -ne 0 ]; then
  echo "setup: build failed" >&2
  exit "$status"
fi
