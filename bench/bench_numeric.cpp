// links: formula benchmark
// The numeric helpers the evaluator calls for every sample, against the C library doing
// the same work: integer and real powers and the inverse sine.
#include <benchmark/benchmark.h>

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Numeric.h"

namespace {

// Exponents of x^2, x^7 and x^99999.
const Extended kExponents[] = {2, 7, 99999};

void OursPowerPositiveInt(benchmark::State& state) {
  const Extended n = kExponents[state.range(0)];
  Extended x = 1.0000001L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(PowerPositiveInt(x, n));
  }
}

void LibraryPowInt(benchmark::State& state) {
  const Extended n = kExponents[state.range(0)];
  Extended x = 1.0000001L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(std::pow(x, n));
  }
}

void OursPowerReal(benchmark::State& state) {
  Extended x = 2.5L;
  eng.EvalOK = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(PowerReal(x, 0.37L));
  }
}

void LibraryPowReal(benchmark::State& state) {
  Extended x = 2.5L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(std::pow(x, 0.37L));
  }
}

void OursArcSin(benchmark::State& state) {
  Extended x = 0.3L;
  eng.EvalOK = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(ArcSin(x));
  }
}

void LibraryAsin(benchmark::State& state) {
  Extended x = 0.3L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(std::asin(x));
  }
}

}  // namespace

BENCHMARK(OursPowerPositiveInt)->DenseRange(0, 2);
BENCHMARK(LibraryPowInt)->DenseRange(0, 2);
BENCHMARK(OursPowerReal);
BENCHMARK(LibraryPowReal);
BENCHMARK(OursArcSin);
BENCHMARK(LibraryAsin);
