#!/usr/bin/env bash
# Fails when a file of the platform includes a header of a layer above its
# own, or anything outside the platform, and when the product (controls,
# server, link, host programs) includes what only tests and scripts may.
# usage: check-layers.sh PLATFORM_DIR
# The layers and the public headers each provides are in PLATFORM_DIR/layers.txt;
# a file in a layer's folder (tests included) belongs to that layer.
set -euo pipefail
dir=${1:-$(dirname "$0")/../platform}
cd "$dir"

declare -A rank owner
n=0
while read -r layer headers; do
  [[ -z "$layer" || "$layer" == \#* ]] && continue
  rank[$layer]=$n; n=$((n + 1))
  for h in $headers; do owner[$h]=$layer; done
done < layers.txt

failures=0
fail() { echo "$1" >&2; failures=$((failures + 1)); }

# The layer of a path relative to the platform folder, or empty.
layer_of() {
  local path=$1
  if [[ "$path" == */* ]]; then
    local top=${path%%/*}
    [[ -n "${rank[$top]:-}" ]] && echo "$top"
  else
    echo "${owner[$path]:-}"
  fi
}

for h in *.h; do
  [[ -n "${owner[$h]:-}" ]] || fail "$dir/$h: public header without a layer in layers.txt"
done
for d in */; do
  d=${d%/}
  [[ -n "${rank[$d]:-}" ]] || fail "$dir/$d: folder that is not a layer in layers.txt"
done

while IFS= read -r file; do
  file=${file#./}
  own=$(layer_of "$file")
  [[ -n "$own" ]] || continue
  while IFS=: read -r line include; do
    target=${include#*\"}; target=${target%\"*}
    if [[ "$target" != platform/* ]]; then
      [[ "$target" == */* ]] && fail "$dir/$file:$line: includes $target from outside the platform"
      continue
    fi
    to=$(layer_of "${target#platform/}")
    if [[ -z "$to" ]]; then
      fail "$dir/$file:$line: includes $target, which no layer holds"
    elif (( rank[$to] > rank[$own] )); then
      fail "$dir/$file:$line: $own includes $target of the higher layer $to"
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(find . -name '*.h' -o -name '*.cpp' | sort)

# Test hooks and the script drivers stay out of the product; tests and
# benchmarks beside it may use them.
while IFS= read -r hit; do
  fail "$dir/../$hit: the product includes a header meant for tests and scripts only"
done < <(cd .. && grep -rn --include='*.cpp' --include='*.h' -E '#include "platform/(test_support|scripting)\.h"' \
           clients server link hosts 2>/dev/null | grep -v -E '/(tests|bench)/' | cut -d: -f1,2 || true)

if (( failures > 0 )); then
  echo "check-layers: $failures finding(s) break the platform's layers" >&2
  exit 1
fi
echo "check-layers: every include of the platform goes down or sideways"
