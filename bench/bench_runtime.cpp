// links: platform_core benchmark
// The number-to-text conversions the drawing code calls for every tick label,
// against the C library's.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "platform/Runtime.h"

static void FloatToStr(benchmark::State& state) {
  Extended v = 0.1L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rtl::FloatToStr(v));
    v += 0.37L;
  }
}
BENCHMARK(FloatToStr);

static void Snprintf15g(benchmark::State& state) {
  Extended v = 0.1L;
  char buf[64];
  for (auto _ : state) {
    std::snprintf(buf, sizeof buf, "%.15Lg", v);
    benchmark::DoNotOptimize(std::string(buf));
    v += 0.37L;
  }
}
BENCHMARK(Snprintf15g);

static void FormatFloat3(benchmark::State& state) {
  Extended v = 0.1L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rtl::FormatFloat("0.000", v));
    v += 0.37L;
  }
}
BENCHMARK(FormatFloat3);
