// links: render io animate
// Draws a document headlessly through the redraw pipeline and saves the picture the graph
// window shows (the composite bitmap with the point names and labels written over it) as
// a PNG file, to look at it:
//   render_document [FILE.lpw] [OUT.png] [WIDTH HEIGHT] [a=value ...] [--space[=f1[;f2]]]
// FILE.lpw is read by the program's equation-file reader and drawn with its own view at
// the given size (800 x 600 by default), a file saved during a calculus animation with
// that animation's picture and value box (the integral with the theorem's lines, the
// tangent with P, its tangent and its values); without it the reference document built in
// code is drawn. A file that does not load ends the tool with the reader's message.
// --space draws the space reference document (600 x 600 unless a size is given), or the
// surfaces z = f1 (and f2).
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../tools/ReferenceDocument.h"
#include "../tools/SpaceReferenceDocument.h"
#include "animate/AnimationRedrawHost.h"
#include "animate/CalculusWindowModel.h"
#include "animate/ParameterPanelModel.h"
#include "animate/TangentModel.h"
#include "formula/UsageScan.h"
#include "formula/VariableValues.h"
#include "io/EquationFileCommands.h"
#include "io/EquationFileHost.h"
#include "platform/RasterCanvas.h"
#include "platform/Runtime.h"
#include "render/Axes.h"
#include "render/LabelDrawing.h"
#include "render/PointEntries.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceView.h"

namespace {

struct Arguments {
  std::string file;  // empty: the reference document
  std::string out = "document.png";
  int size[2] = {800, 600};
  std::vector<std::string> parameters;
  bool space = false;
  std::vector<std::string> surfaces = space_reference_document::kSurfaces;
};

bool EndsWith(const std::string& s, const char* tail) {
  const std::string t = tail;
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// Names are the file and the picture, in this order; a single name is the picture when it
// ends in ".png", else the file.
bool ParseArguments(int argc, char** argv, Arguments& a) {
  int sizes = 0;
  std::vector<std::string> names;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    int64_t n = 0;
    if (arg.rfind("--space", 0) == 0) {
      a.space = true;
      if (arg.size() > 8 && arg[7] == '=') {
        a.surfaces.clear();
        for (size_t from = 8, to; from <= arg.size(); from = to + 1) {
          to = std::min(arg.find(';', from), arg.size());
          a.surfaces.push_back(arg.substr(from, to - from));
        }
      }
    } else if (arg.size() > 2 && arg[1] == '=')
      a.parameters.push_back(arg);
    else if (rtl::TryStrToInt(arg, n) && sizes < 2)
      a.size[sizes++] = static_cast<int>(std::clamp<int64_t>(n, 0, kMaxBitmapSide + 1));
    else
      names.push_back(arg);
  }
  if (names.size() > 2) {
    std::fprintf(stderr, "usage: render_document [FILE.lpw] [OUT.png] [WIDTH HEIGHT] [a=value ...]\n");
    return false;
  }
  if (names.size() == 2) {
    a.file = names[0];
    a.out = names[1];
  } else if (names.size() == 1) {
    (EndsWith(names[0], ".png") || EndsWith(names[0], ".PNG") ? a.out : a.file) = names[0];
  }
  if (a.space && sizes == 0) a.size[0] = a.size[1] = 600;
  if (sizes == 1) {
    std::fprintf(stderr, "give both the width and the height\n");
    return false;
  }
  for (int s : a.size) {
    if (s < 1 || s > kMaxBitmapSide) {
      std::fprintf(stderr, "size must be 1..%d pixels each way\n", kMaxBitmapSide);
      return false;
    }
  }
  return true;
}

// Which calculus animation the file was saved in.
struct ToolFileHost : EquationFileHost {
  void OpenTangentNavi() override { tangent = true; }
  void OpenMeanRateNavi() override { calculus = CalculusSet::MeanRate; }
  void OpenRiemannSumNavi() override { calculus = CalculusSet::Riemann; }
  void OpenIntegralTheoremNavi() override { calculus = CalculusSet::Integral; }
  bool tangent = false;
  std::optional<CalculusSet> calculus;
};
ToolFileHost host;

// The equation file as the program opens it, then drawn at the given size with the
// file's own view.
bool LoadDocument(const std::string& file, int w, int h) {
  ResetMiscSettings();
  ResetAllSettings(0);
  ResetRenderState();
  ResetSpaceView();
  doc.GraphWidth = w;
  doc.GraphHeight = h;
  SetEquationFileHost(&host);
  const EquationFileResult result = LoadEquationFile(file);
  if (!result.ok) {
    std::fprintf(stderr, "%s\n", result.message.empty() ? "the file did not load" : result.message.c_str());
    return false;
  }
  doc.GraphWidth = w;
  doc.GraphHeight = h;
  UpdatePixelSize(doc.Dimension == 3 ? 0 : 1);
  if (doc.Dimension == 3) UpdateCamera();
  // What the navigator does after a load: which entries move with the parameters.
  ClearUsageFlags();
  RecomputeParameterUsage();
  doc.IncrementalDisplay = 0;
  if (host.tangent)
    modes.AnimationMode = 5;
  else if (!host.calculus)
    modes.AnimationMode = 0;
  RecreateBufferBitmaps();
  return true;
}

bool SetParameters(const std::vector<std::string>& parameters) {
  for (const std::string& p : parameters) {
    Extended v = 0;
    if (!rtl::TryStrToFloat(p.substr(2), v) || !IsParameterLetter(p[0])) {
      std::fprintf(stderr, "not a parameter value: %s\n", p.c_str());
      return false;
    }
    WriteVariable(doc.VariableValues, p[0], v);
  }
  return true;
}

// The window's picture, as the graph window keeps it.
gfx::RasterCanvas* windowImage = nullptr;

// The composite onto the window's picture as the graph window copies it; interval mode
// and the after-image history as the program has them.
struct ToolRedrawHost : AnimationRedrawHost {
  void CopyBufferToGraph(gfx::CopyMode mode) override {
    const gfx::Rect area{0, 0, doc.GraphWidth, doc.GraphHeight};
    windowImage->CopyRect(area, CompositeCanvas(), area, mode);
    if (doc.Dimension == 3) return;
    DrawAxes(*windowImage, 2);
    DrawPointListLabels(*windowImage);
    DrawAllLabels(*windowImage, settings.OutputScale);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Arguments a;
  if (!ParseArguments(argc, argv, a)) return 2;
  if (a.space)
    space_reference_document::Build(a.size[0], a.size[1], a.surfaces);
  else if (a.file.empty())
    reference_document::Build(a.size[0], a.size[1]);
  else if (!LoadDocument(a.file, a.size[0], a.size[1]))
    return 1;
  if (!SetParameters(a.parameters)) return 2;

  gfx::RasterCanvas window(doc.GraphWidth, doc.GraphHeight);
  windowImage = &window;
  render.WindowImage = &window;
  static ToolRedrawHost redrawHost;
  SetRedrawHost(&redrawHost);
  // A calculus window takes the saved animation up and paints it.
  platform::QtEventPump pump;
  std::unique_ptr<CalculusWindowModel> calculus;
  if (host.calculus) {
    calculus = std::make_unique<CalculusWindowModel>(*host.calculus, Timer1(), pump);
    calculus->FormShow();
    if (*host.calculus == CalculusSet::Integral) calculus->TheoremClick(true);
  } else {
    if (host.tangent) {
      Tangent().OpenTangentNavi();
      Tangent().FormShow(true);
    }
    RedrawAll();
  }
  if (!window.Image().save(QString::fromStdString(a.out), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", a.out.c_str());
    return 1;
  }
  std::printf("%s\n", a.out.c_str());
  return 0;
}
