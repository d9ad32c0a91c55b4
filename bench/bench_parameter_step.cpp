// links: ui benchmark
// One parameter step of the reference document (tools/ReferenceDocument.h: curves, figures
// and points, part of them moving with a and b) at 800 x 600, as the parameter panel runs
// it: the value stepped and rounded, the change list rebuilt, the moving layer composed
// over the kept back bitmap.
// Beside it, as the reference, the bare composition of the moving layer with the value
// written directly, which is the floor the panel's own work sits on; and one step of a
// mouse drag of the point B, on which the triangle ABC, its centroid and circumcentre,
// the midpoint of BC, the circle, the arc, the Bezier curve and the angle mark are built:
// its texts rewritten, the point recomputed, the moving layer composed. After the runs the
// times are printed side by side.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "../tools/ReferenceDocument.h"
#include "BenchApp.h"
#include "RunTimes.h"
#include "animate/ParameterPanelModel.h"
#include "formula/UsageScan.h"
#include "formula/VariableValues.h"
#include "render/DrawToolkitMapping.h"
#include "render/RedrawPipeline.h"
#include "ui/GraphMouse.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

void Prepare() {
  EnsureGuiApp();
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

// The graph window as far as the drag needs it: a picture and nothing shown.
class NoWindow : public GraphMouseHost {
 public:
  void ShowReadout(const std::string&) override {}
  void RaiseNavigatorPanel() override {}
  void ShowRange() override {}
  void ShowDragHint(int, int, int, int) override {}
  void HideDragHint() override {}
  void ShowInfo(const std::string&, int, int, int, int) override {}
  void HideInfo() override {}
  void SetCursor(Cursor) override {}
  void WarpCursor(int, int) override {}
  gfx::Canvas& Picture() override { return picture_; }
  void PictureChanged() override {}
  bool DragShiftDown() override { return false; }
  void ReleaseDragShift() override {}
  void RebuildNavigatorList() override {}
  void SaveContinuousFrame() override {}
  LabelDrag* Labels() override { return nullptr; }

 private:
  gfx::RasterCanvas picture_{kWidth, kHeight};
};

// B is picked at (0.5, -3) and moved a pixel to and fro, each move one timer tick.
void BM_PointDragStep(benchmark::State& state) {
  Prepare();
  NoWindow window;
  TimerJobs timer;
  GraphMouse mouse(window, timer);
  const int x = WorldToScreenX(0.5L), y = WorldToScreenY(-3);
  mouse.Move(x, y);
  mouse.Press(GraphMouse::Button::Left, x, y);
  if (modes.SnapMode != 1) state.SkipWithError("B was not picked");
  int i = 0;
  for (auto _ : state) {
    const bool away = ++i % 2;
    mouse.Move(x + (away ? 7 : 0), y - (away ? 5 : 0));
    mouse.Tick();
  }
  mouse.Cancel();
}
BENCHMARK(BM_PointDragStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, double> t = RunBenchmarks(&argc, argv);
  std::printf("\n(800 x 600)        parameter step   point drag step   moving layer alone\n");
  auto time = [&t](const char* name) { return t.count(name) ? t.at(name) : 0.0; };
  std::printf("                   %11.2f ms   %12.2f ms   %15.2f ms\n", time("BM_PanelParameterStep"),
              time("BM_PointDragStep"), time("BM_ReferenceComposeOnly"));
  benchmark::Shutdown();
  return 0;
}
