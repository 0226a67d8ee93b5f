#!/usr/bin/env bash
# Sets everything up, then runs the whole suite, replays the fuzz corpora and
# fuzzes every target for a short smoke.
#
#   ./test.sh [CTEST ARGS...]       the suite in build/, then the fuzz smokes
#   ./test.sh --sanitize [ARGS...]  the whole suite built with AddressSanitizer
#                                   and UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
sanitize=0
if [ "${1:-}" = --sanitize ]; then
  sanitize=1
  shift
fi
NIMBO_SANITIZE=$sanitize scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Qt wants a private runtime folder; without one it warns on every start.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/nimbo-xdg-XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
if [ "$sanitize" = 1 ]; then
  . scripts/sanitizer-options.sh
  (cd build-sanitize && ctest --output-on-failure -j2 "$@")
  exit
fi
(cd build && ctest --output-on-failure -j2 "$@")
if [ $# -eq 0 ]; then
  scripts/fuzz.sh "${NIMBO_FUZZ_SMOKE_SECONDS:-10}"
fi
