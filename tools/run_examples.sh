#!/usr/bin/env bash
# Drives every deliverable in dist/ with our host on the built-in example
# channel: 64-bit libraries natively, 32-bit ones under qemu-i386.
set -euo pipefail
build=${1:-build}

run_host() {
  local width=$1 library=$2
  shift 2
  local host=("$build/$width/tools/ami_host")
  [ "$width" = x86 ] && host=(qemu-i386 "${host[@]}")
  echo "== $(basename "$library") ($width)"
  "${host[@]}" "$library" "$@" | sed 's/^/   /'
}

for library in dist/linux-x64/*.so; do run_host x64 "$library"; done
for library in dist/linux-x86/*.so; do run_host x86 "$library"; done
