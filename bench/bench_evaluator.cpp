// links: formula muparser benchmark
// What a redraw does for each curve: parse a formula and evaluate it at 800 samples,
// against muparser doing the same in double precision. Prints the time per evaluation of
// both and their ratio.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "MedianTimes.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/VariableValues.h"
#include "platform/Sjis.h"

namespace {

constexpr int Samples = 800;

struct Formula {
  const char* ours;
  const char* muparser;
};

// F1 is defined as x^2-3x+1; a, b, c, d are 1.5, -2, 0.5, 3.
const Formula formulas[] = {
    {"x^2+1", "x^2+1"},
    {"x^3-2x^2+x-1", "x^3-2*x^2+x-1"},
    {"x^5-5x^3+4x", "x^5-5*x^3+4*x"},
    {"a*x^3-b*x^2+c*x-d", "a*x^3-b*x^2+c*x-d"},
    {"(x+1)(x-2)(x+3)", "(x+1)*(x-2)*(x+3)"},
    {"1/(x^2+1)", "1/(x^2+1)"},
    {"x/(x-1)+1/x", "x/(x-1)+1/x"},
    {"abs(x-1)+abs(x+1)", "abs(x-1)+abs(x+1)"},
    {"sin(x)", "sin(x)"},
    {"sin(x)^2+cos(x)^2", "sin(x)^2+cos(x)^2"},
    {"2sin(3x)+cos(x)/2", "2*sin(3*x)+cos(x)/2"},
    {"tan(x)", "tan(x)"},
    {"sin(cos(sin(x)))", "sin(cos(sin(x)))"},
    {"exp(-x^2)*sin(3x)", "exp(-x^2)*sin(3*x)"},
    {"exp(sin(x))/(1+x^2)", "exp(sin(x))/(1+x^2)"},
    {"sqrt(abs(x))+log(x^2+1)", "sqrt(abs(x))+ln(x^2+1)"},
    {"arctn(x)+sinh(x/4)", "atan(x)+sinh(x/4)"},
    {"(x>0)*x^2", "(x>0)*x^2"},
    {"x^2(0<x<1)", "x^2*(0<x)*(x<1)"},
    {"(x<0)+(x>1)", "(x<0)+(x>1)"},
    {"F1(x)+F1(2x)", "(x^2-3*x+1)+((2*x)^2-3*(2*x)+1)"},
};
constexpr int FormulaCount = sizeof formulas / sizeof formulas[0];

// The sample points, computed once: the loops time the evaluations alone.
const std::vector<Extended>& SamplePoints() {
  static const std::vector<Extended> xs = [] {
    std::vector<Extended> v(Samples);
    for (int i = 0; i < Samples; ++i) v[i] = -4 + 8 * (i + 0.5L) / Samples;
    return v;
  }();
  return xs;
}

void PrepareDocument() {
  static const bool ready = [] {
    ResetMiscSettings();
    ResetAllSettings(0);
    doc.DefinedFunctionTexts[1] = "x^2-3x+1";
    doc.DefinedFunctionCount = 1;
    WriteVariable(doc.VariableValues, 'a', 1.5L);
    WriteVariable(doc.VariableValues, 'b', -2);
    WriteVariable(doc.VariableValues, 'c', 0.5L);
    WriteVariable(doc.VariableValues, 'd', 3);
    eng.UseFigureFormulas = 0;
    return true;
  }();
  (void)ready;
}

void Ours(benchmark::State& state, int index) {
  PrepareDocument();
  const std::string text = sj(formulas[index].ours);
  const std::vector<Extended>& xs = SamplePoints();
  for (auto _ : state) {
    const TreePtr tree = ParseExpression(text, 3);
    Extended sum = 0;
    for (const Extended x : xs) sum += EvaluateTree(tree.get(), x, 0, 0);
    benchmark::DoNotOptimize(sum);
  }
}

void Muparser(benchmark::State& state, int index) {
  double x = 0, a = 1.5, b = -2, c = 0.5, d = 3;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.DefineVar("a", &a);
  parser.DefineVar("b", &b);
  parser.DefineVar("c", &c);
  parser.DefineVar("d", &d);
  std::vector<double> xs;
  for (const Extended v : SamplePoints()) xs.push_back(static_cast<double>(v));
  for (auto _ : state) {
    parser.SetExpr(formulas[index].muparser);
    double sum = 0;
    for (const double v : xs) {
      x = v;
      sum += parser.Eval();
    }
    benchmark::DoNotOptimize(sum);
  }
}

std::string Name(const char* who, int index) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s/%02d", who, index);
  return buf;
}

}  // namespace

int main(int argc, char** argv) {
  for (int k = 0; k < FormulaCount; ++k) {
    benchmark::RegisterBenchmark(Name("ours", k).c_str(), Ours, k)->Repetitions(3)->DisplayAggregatesOnly();
    benchmark::RegisterBenchmark(Name("muparser", k).c_str(), Muparser, k)->Repetitions(3)->DisplayAggregatesOnly();
  }
  benchmark::Initialize(&argc, argv);
  MedianTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\nparse + %d evaluations, ns per evaluation (80-bit here, double in muparser)\n", Samples);
  std::printf("%-28s %10s %10s %7s\n", "formula", "ours", "muparser", "ratio");
  double logSum = 0, oursTotal = 0, muTotal = 0;
  int counted = 0;
  for (int k = 0; k < FormulaCount; ++k) {
    const auto ours = reporter.times.find(Name("ours", k));
    const auto mu = reporter.times.find(Name("muparser", k));
    if (ours == reporter.times.end() || mu == reporter.times.end()) continue;
    const double o = ours->second / Samples, m = mu->second / Samples;
    std::printf("%-28s %10.1f %10.1f %7.2f\n", formulas[k].ours, o, m, o / m);
    logSum += std::log(o / m);
    oursTotal += o;
    muTotal += m;
    ++counted;
  }
  if (counted > 0)
    std::printf("%-28s %10.1f %10.1f %7.2f  (geometric mean of the ratios %.2f)\n", "all", oursTotal, muTotal,
                oursTotal / muTotal, std::exp(logSum / counted));
  benchmark::Shutdown();
  return 0;
}
