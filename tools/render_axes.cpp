// links: render
// Draws the axes and grids of every plane coordinate system, both passes, and saves one
// PNG file per case, to look at them by eye:
//   render_axes [folder]
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <functional>
#include <string>

#include "formula/DocumentState.h"
#include "platform/RasterCanvas.h"
#include "render/Axes.h"
#include "render/DrawToolkit.h"
#include "render/TickSteps.h"

namespace {

constexpr int kSize = 500;

struct Case {
  const char* file;
  std::uint8_t coordinateSystem;
  TViewRange view;
  std::function<void()> setup;
};

void Render(const Case& c, const std::string& folder) {
  doc = DocumentState{};
  settings = ProgramSettings{};
  ResetMiscSettings();
  ResetAllSettings(0);
  doc.GraphWidth = doc.GraphHeight = kSize;
  ReferenceHeight = kSize;
  doc.CoordinateSystem = c.coordinateSystem;
  doc.ViewRange = c.view;
  if (c.setup) c.setup();
  gfx::RasterCanvas back(kSize, kSize);
  ClearGraphBitmap(back);
  DrawAxes(back, 1);
  gfx::RasterCanvas composite(kSize, kSize);
  CopyGraphBitmap(back, composite, gfx::CopyMode::Copy);
  DrawAxes(composite, 2);
  const std::string path = folder + "/" + c.file;
  if (!composite.Image().save(QString::fromStdString(path), "PNG"))
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
  else
    std::printf("%s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::string folder = argc > 1 ? argv[1] : ".";
  const Case cases[] = {
      {"axes_cartesian.png", 0, {-5, 5, -5, 5}, nullptr},
      {"axes_cartesian_units.png", 0, {-2, 8, -1.5L, 2.5L},
       [] {
         doc.XAxisUnit = 2;
         doc.YAxisUnit = 3;
         doc.GridSettings.kind = 2;
         doc.GridSettings.dashed = 1;
         doc.AxisNumberPosition = 1;
         doc.XAxisColor = 0x0000C0;
         doc.YAxisColor = 0xC00000;
       }},
      {"axes_cartesian_above.png", 0, {-3, 7, 1, 11}, [] { settings.AxisWidthMode = 0; }},
      {"axes_polar.png", 1, {-5, 5, -5, 5}, nullptr},
      {"axes_semilog_vertical.png", 2, {-1, 9, -2, 3}, nullptr},
      {"axes_loglog.png", 3, {-1, 3, -2, 2}, nullptr},
      {"axes_semilog_horizontal.png", 4, {-2, 2, -5, 5}, nullptr},
  };
  for (const Case& c : cases) Render(c, folder);
  return 0;
}
