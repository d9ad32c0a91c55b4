#!/usr/bin/env bash
# Sets up this machine, builds the program and starts it: ./run.sh [file.lpw]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build/release" -DCMAKE_BUILD_TYPE=Release -DLP_TESTS=OFF -DLP_BENCH=OFF -- lumenplotter
exec "$here/build/release/lumenplotter" "$@"
