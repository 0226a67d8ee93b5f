#!/usr/bin/env bash
# Sets everything up, then runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2 "$@"
