#!/usr/bin/env bash
# Fails when a layer includes a layer above it (run from the checkout, or give its path).
# Lower layers never know the shells or the rooms above them, so each can be built, tested
# and understood on its own.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
layers=(common platform tokens parsers engine journal records interaction listing run controller
        collections "help droplets" "cli app droplet-program" service-provider)
declare -A rank
for i in "${!layers[@]}"; do
  for layer in ${layers[$i]}; do rank[$layer]=$i; done
done
status=0
for layer in "${!rank[@]}"; do
  [ -d "src/$layer" ] || continue
  while IFS=: read -r file line include; do
    used=$(sed -E 's/.*#include "([a-z-]+)\/.*/\1/' <<<"$include")
    [ -n "${rank[$used]:-}" ] || continue
    if [ "${rank[$used]}" -gt "${rank[$layer]}" ] ||
       { [ "${rank[$used]}" -eq "${rank[$layer]}" ] && [ "$used" != "$layer" ]; }; then
      echo "$file:$line: $layer includes $used, a layer above or beside it"
      status=1
    fi
  done < <(grep -rnE '#include "[a-z-]+/' "src/$layer" || true)
done
exit $status
