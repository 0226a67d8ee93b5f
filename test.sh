#!/usr/bin/env bash
# Sets everything up, then runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Qt wants a private runtime folder; without one it warns on every start.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/nimbo-xdg-XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
cd build
ctest --output-on-failure -j2 "$@"
