#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh <folder> [cmake options...] [-- targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
opts=(); targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--" ]; then shift; targets=("$@"); break; fi
  opts+=("$1"); shift
done
# Options given on an existing folder are applied too, not dropped.
if [ ${#opts[@]} -gt 0 ] || [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja "${opts[@]}"
fi
cmake --build "$dir" ${targets[@]:+--target "${targets[@]}"}
