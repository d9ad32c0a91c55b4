// links: formula muparser benchmark
// Parsing a formula text into a tree, as every redraw does for every entry, against
// muparser reading the same formula into its bytecode (its first evaluation).
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>

#include "formula/DocumentState.h"
#include "formula/Parser.h"

namespace {

struct Formula {
  const char* ours;
  const char* muparser;
};
const Formula formulas[] = {
    {"x^2+1", "x^2+1"},
    {"2sin(3x)+cos(x)/2", "2*sin(3*x)+cos(x)/2"},
    {"a*x^3-b*x^2+c*x-d", "a*x^3-b*x^2+c*x-d"},
    {"sqrt(abs(x))*exp(-x^2/2)+log(x^2+1)", "sqrt(abs(x))*exp(-x^2/2)+ln(x^2+1)"},
};

void Ours(benchmark::State& state, int mode) {
  static const bool ready = (ResetMiscSettings(), ResetAllSettings(0), true);
  (void)ready;
  const std::string text = formulas[state.range(0)].ours;
  for (auto _ : state) {
    const TreePtr t = ParseExpression(text, mode);
    benchmark::DoNotOptimize(t.get());
  }
}

void ParseCheckMode(benchmark::State& state) { Ours(state, 1); }
void ParseEvaluationTree(benchmark::State& state) { Ours(state, 3); }

void MuparserCompile(benchmark::State& state) {
  double x = 0.5, a = 1, b = 2, c = 3, d = 4;
  for (auto _ : state) {
    mu::Parser p;
    p.DefineVar("x", &x);
    p.DefineVar("a", &a);
    p.DefineVar("b", &b);
    p.DefineVar("c", &c);
    p.DefineVar("d", &d);
    p.SetExpr(formulas[state.range(0)].muparser);
    benchmark::DoNotOptimize(p.Eval());
  }
}

}  // namespace

BENCHMARK(ParseCheckMode)->DenseRange(0, 3);
BENCHMARK(ParseEvaluationTree)->DenseRange(0, 3);
BENCHMARK(MuparserCompile)->DenseRange(0, 3);
