#!/usr/bin/env bash
# compare_targets.sh REFERENCE_BUILD REFERENCE_SUFFIX BUILD SUFFIX [EMULATOR]
#
# Runs the same link (transmitter, example channel, receiver, in both flows,
# with aggressor columns) with the host and libraries of two builds and
# checks that every returned impulse sample and waveform sample agrees
# within 1e-12 of the signal's peak. The C library's tanh and exp may differ
# in the last bit between targets; nothing else may.
set -euo pipefail
reference_build=$1 reference_suffix=$2 build=$3 suffix=$4 emulator=${5:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

run() {  # run <name> <host...> <dist> <suffix>
  local name=$1 dist=$3 lib_suffix=$4
  local -a host=($2)
  "${host[@]}" --link "$dist/Foxglove$lib_suffix.so" "$dist/Larkspur$lib_suffix.so" \
    --aggressors 2 --rows 600 --bits 150 --block 1000 \
    --tx-params "(Foxglove (VOD_Level 5) (DE_Level 4) (LTI_mode 1))" \
    --rx-params "(Larkspur (EQ_Level 11) (Limit 1) (LTI_mode 1))" \
    --dump-impulse "$name.impulse" --dump-wave "$name.wave" > "$name.log"
}

dist_of() { grep -o 'QZ_DIST_DIR:PATH=.*' "$1/CMakeCache.txt" | cut -d= -f2; }
run reference "$reference_build/tools/ami_host" "$(dist_of "$reference_build")" "$reference_suffix"
run candidate "$emulator $build/tools/ami_host" "$(dist_of "$build")" "$suffix"

status=0
for dump in impulse wave; do
  paste "reference.$dump" "candidate.$dump" | awk -v name="$dump" '
    { a[NR] = $1; b[NR] = $2; m = $1 < 0 ? -$1 : $1; if (m > peak) peak = m }
    END {
      for (i = 1; i <= NR; i++) { d = a[i] - b[i]; if (d < 0) d = -d; if (d > worst) worst = d }
      printf "%s: %d samples, peak %g, largest difference %g\n", name, NR, peak, worst
      if (NR == 0 || worst > 1e-12 * peak) exit 1
    }' || status=1
done
exit $status
