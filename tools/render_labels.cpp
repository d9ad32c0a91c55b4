// links: render
// Draws the reference document with a set of labels over it, the way the graph window
// shows them (the composite bitmap copied onto the window's picture, the labels written
// there), and saves the picture as a PNG file, to look at the typesetter:
//   render_labels [out.png] [width height]
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "../tools/ReferenceDocument.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/LabelDrawing.h"
#include "render/RedrawHooks.h"
#include "render/RedrawPipeline.h"

namespace {

gfx::RasterCanvas* window = nullptr;

Tlabelrec& AddLabel(int left, int top, std::initializer_list<const char*> lines) {
  Tlabelrec& label = doc.LabelTable[++doc.LabelCount];
  InitLabelrec(label);
  label.shiftLeft = left;
  label.shiftTop = top;
  for (const char* line : lines) label.lines.push_back(sj(line));
  return label;
}

void AddLabels() {
  AddLabel(10, 10, {"y=x^2/4-3", "f(x)=\\frac{1}{x-1}+2", "\\sqrt{x+1}, \\sqrt{x^2}+1, 10^-3"});
  Tlabelrec& boxed = AddLabel(10, 130, {"\\vec{AB}+\\vec{BC}=\\vec{AC}", "\\ovl{AB}, \\udl{CD}, a_(n+1)=a_n+d"});
  boxed.transparent = 0;
  boxed.backStyle = 1;
  boxed.backColor = 0xE0FFFF;
  boxed.font.color = 0x800000;
  Tlabelrec& japanese = AddLabel(10, 240, {"角θ=30ﾟ のとき sin^2θ+cos^2θ=1", "π/2={pi/2|deg}, 1/3+1/6={1/3+1/6}, a={a}"});
  japanese.font.size = 14;
  japanese.font.color = 0x0000C0;
  Tlabelrec& big = AddLabel(10, 330, {"e^(x^2), x_1^2, \\frac{\\sqrt{3}}{2}"});
  big.font.size = 24;
  big.transparent = 0;
  big.backStyle = 0;
  big.backColor = 0xD0F0D0;
  Tlabelrec& placed = AddLabel(6, -20, {"(1 , {F1(1)})"});
  placed.coordKind = 1;
  placed.xText = "1";
  placed.yText = "0";
  placed.font.size = 10;
  placed.backStyle = 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::string out = "labels.png";
  int size[2] = {800, 600}, sizes = 0;
  for (int i = 1; i < argc; ++i) {
    int64_t n = 0;
    if (rtl::TryStrToInt(argv[i], n) && sizes < 2)
      size[sizes++] = static_cast<int>(n);
    else
      out = argv[i];
  }
  if (size[0] < 1 || size[1] < 1 || size[0] > kMaxBitmapSide || size[1] > kMaxBitmapSide) {
    std::fprintf(stderr, "size must be 1..%d pixels each way\n", kMaxBitmapSide);
    return 2;
  }
  reference_document::Build(size[0], size[1]);
  doc.DefinedFunctionTexts[1] = "x^2/4-3";
  doc.DefinedFunctionCount = 1;
  AddLabels();
  gfx::RasterCanvas image(size[0], size[1]);
  window = &image;
  render.WindowImage = &image;
  RedrawHooks.copyBufferToGraph = [](gfx::CopyMode mode) {
    const gfx::Rect area{0, 0, doc.GraphWidth, doc.GraphHeight};
    window->CopyRect(area, CompositeCanvas(), area, mode);
    DrawAllLabels(*window, settings.OutputScale);
  };
  RedrawAll();
  render.WindowImage = nullptr;
  if (!image.Image().save(QString::fromStdString(out), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s\n", out.c_str());
  return 0;
}
