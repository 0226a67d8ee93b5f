#!/usr/bin/env bash
# Fuzzes every target for SECONDS each (default 10) with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, in the checking build
# folder (build-sanitize, or $NIMBO_SANITIZE_DIR). New inputs that reach new
# code are kept in that folder, never in the repository; an input that
# breaks a target is saved beside it and the script fails, naming the file to
# move into tools/fuzz/reproducers/NAME once the fault is fixed.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
build=${NIMBO_SANITIZE_DIR:-build-sanitize}
NIMBO_SANITIZE=1 NIMBO_BUILD_DIR="$build" NIMBO_BUILD_TARGET=nimbo_fuzzers scripts/setup.sh

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$build"/bin/*_fuzz; do targets+=("$(basename "$f" _fuzz)"); done
fi
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/nimbo-xdg-XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
. scripts/sanitizer-options.sh

failed=0
for t in "${targets[@]}"; do
  work="$build/fuzz/$t"
  mkdir -p "$work/corpus" "$work/crashes"
  log="$work/last-run.log"
  status=0
  # -rss_limit_mb: a target's memory must stay flat; growth is a finding.
  "$build/bin/${t}_fuzz" "$work/corpus" "tools/fuzz/corpus/$t" \
      -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$work/crashes/" >"$log" 2>&1 || status=$?
  execs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  rate=$(grep -m1 'stat::average_exec_per_sec' "$log" | awk '{print $2}')
  rss=$(grep -m1 'stat::peak_rss_mb' "$log" | awk '{print $2}')
  cov=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -o 'cov: [0-9]*' || true)
  if [ "$status" -ne 0 ]; then
    failed=1
    echo "fuzz $t: FAILED (see $log)"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -5
  else
    echo "fuzz $t: ${execs:-?} inputs in ${seconds} s (${rate:-?}/s), ${cov:-cov: ?}, peak ${rss:-?} MB"
  fi
done
exit "$failed"
