// links: animate benchmark
// One parameter step of the reference document (tools/ReferenceDocument.h: curves, figures
// and points, part of them moving with a and b) at 800 x 600, as the parameter panel runs
// it: the value stepped and rounded, the change list rebuilt, the moving layer composed
// over the kept back bitmap.
// Beside it, as the reference, the bare composition of the moving layer with the value
// written directly, which is the floor the panel's own work sits on.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "../tools/ReferenceDocument.h"
#include "animate/ParameterPanelModel.h"
#include "formula/UsageScan.h"
#include "formula/VariableValues.h"
#include "render/RedrawPipeline.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

void Prepare() {
  if (!QCoreApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_parameter_step";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
  }
  reference_document::Build(kWidth, kHeight);
  ClearUsageFlags();
  RecomputeParameterUsage();
  RedrawAll();
}

// Up and down in turn: every step draws a new picture.
void BM_PanelParameterStep(benchmark::State& state) {
  Prepare();
  TimerJobs timer;
  ParameterPanelModel panel(timer);
  modes.AnimationMode = 0;
  panel.FormShow();
  const int up = kParameterRows[0].upCode;  // a
  int i = 0;
  for (auto _ : state) panel.StepOneParameter(++i % 2 ? up : up + 14);
}
BENCHMARK(BM_PanelParameterStep)->Unit(benchmark::kMillisecond);

void BM_ReferenceComposeOnly(benchmark::State& state) {
  Prepare();
  int i = 0;
  for (auto _ : state) {
    WriteVariable(doc.VariableValues, 'a', ++i % 2 ? 1.1L : 1.0L);
    ComposeGraph(0);
  }
}
BENCHMARK(BM_ReferenceComposeOnly)->Unit(benchmark::kMillisecond);

}  // namespace
