#!/usr/bin/env bash
# Sets up this machine, builds everything and runs every test: ./test.sh
#  1. the normal build: unit tests, the program under Xvfb, the benchmarks once briefly;
#  2. the same tests built with -fsanitize=address,undefined;
#  3. the libFuzzer targets (clang), each for a fixed number of inputs (or LP_FUZZ_SECONDS).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"
"$here/scripts/setup.sh"
jobs=$(nproc)

echo "== normal build"
scripts/build.sh build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build/test --output-on-failure -j "$jobs"
scripts/smoke.sh build/test/lumenplotter
for b in build/test/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "-- $(basename "$b")"
  "$b" --benchmark_min_time=0.05
done

echo "== sanitizer build"
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DLP_SANITIZE=ON -DLP_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== fuzz targets"
# Each target first runs once every input that once failed (fuzz/regressions/<target>), then
# a fixed number of inputs from a fixed seed, starting from its seed folder alone, so that
# every run tries the same inputs (about ten seconds each here; a target is stopped after
# two minutes on a slow machine). LP_FUZZ_SECONDS=N instead runs each for N seconds from a
# random seed and keeps what it finds in build/fuzz/corpus. An input that fails is written
# into the target's regressions folder: commit it with the fix.
declare -A fuzz_runs=(
  [fuzz_equation_reader]=70000 [fuzz_evaluator]=90000 [fuzz_parser]=150000
  [fuzz_plane_drawing]=14000 [fuzz_png]=35000 [fuzz_simplifier]=160000
  [fuzz_compiled_evaluator]=6000 [fuzz_label_markup]=20000 [fuzz_macro_compiler]=40000
)
# The same inputs cover the same code only at the same addresses: without address
# randomisation where the machine allows it.
fixed=(); setarch "$(uname -m)" -R true 2>/dev/null && fixed=(setarch "$(uname -m)" -R)
fuzzers=(); for src in fuzz/fuzz_*.cpp; do [ -f "$src" ] && fuzzers+=("$(basename "$src" .cpp)"); done
if [ ${#fuzzers[@]} -gt 0 ]; then
  scripts/build.sh build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLP_FUZZ=ON -DLP_TESTS=OFF -DLP_BENCH=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -- "${fuzzers[@]}"
  for name in "${fuzzers[@]}"; do
    seeds="fuzz/seeds/$name"; regressions="fuzz/regressions/$name"; mkdir -p "$seeds" "$regressions"
    common=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$regressions/")
    echo "-- $name"
    failed=(); for f in "$regressions"/*; do [ -f "$f" ] && failed+=("$f"); done
    if [ ${#failed[@]} -gt 0 ]; then
      "build/fuzz/fuzz/$name" "${common[@]}" "${failed[@]}"
    fi
    if [ -n "${LP_FUZZ_SECONDS:-}" ]; then
      corpus="build/fuzz/corpus/$name"; mkdir -p "$corpus"
      limits=(-max_total_time="$LP_FUZZ_SECONDS")
    else
      corpus="build/fuzz/fresh/$name"; rm -rf "$corpus"; mkdir -p "$corpus"
      limits=(-seed=1 -runs="${fuzz_runs[$name]:-20000}" -reload=0 -max_total_time=120)
    fi
    "${fixed[@]}" "build/fuzz/fuzz/$name" "${limits[@]}" "${common[@]}" -print_final_stats=1 "$corpus" "$seeds"
  done
fi
echo "== all tests passed"
