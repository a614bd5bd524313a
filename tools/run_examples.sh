#!/usr/bin/env bash
# Drives the deliverables in dist/ with our host on the built-in example
# channel: 64-bit libraries natively, 32-bit ones under qemu-i386. The
# pass-through models run on their own; each width's transmitter and
# receiver run as a link in both flows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
# The models write their debug logs into the working directory.
mkdir -p "$build/run"
cd "$build/run"

host() {
  local width=$1
  shift
  if [ "$width" = x86 ]; then
    qemu-i386 "$build/x86/tools/ami_host" "$@"
  else
    "$build/x64/tools/ami_host" "$@"
  fi
}

for pair in "x64 linux-x64 _x64" "x86 linux-x86 "; do
  read -r width platform suffix <<<"$pair"
  dist="$root/dist/$platform"
  for library in "$dist"/Zenth_*.so; do
    [ -e "$library" ] || continue
    echo "== $(basename "$library") ($width)"
    host "$width" "$library" | sed 's/^/   /'
  done
  tx="$dist/Foxglove$suffix.so"
  rx="$dist/Larkspur$suffix.so"
  if [ -e "$tx" ] && [ -e "$rx" ]; then
    echo "== link $(basename "$tx") -> channel -> $(basename "$rx") ($width)"
    host "$width" --link "$tx" "$rx" --bits 300 \
      --tx-params "(Foxglove (VOD_Level 7) (DE_Level 2) (gain_debugonly 1) (LTI_mode 1))" \
      --rx-params "(Larkspur (EQ_Level 8) (Limit 0) (LTI_mode 1))" | sed 's/^/   /'
  fi
done
