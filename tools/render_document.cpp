// links: render
// Draws a document headlessly through the redraw pipeline and saves the composite bitmap
// (the picture the graph window shows, without labels) as a PNG file, to look at it:
//   render_document [out.png] [width height] [a=value] [b=value] [--space[=f1[;f2]]]
// The document is the reference document built in code; with --space the space
// reference document (600 x 600 unless a size is given), or surfaces z = f1 (and f2).
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tools/ReferenceDocument.h"
#include "../tools/SpaceReferenceDocument.h"
#include "formula/VariableValues.h"
#include "platform/Runtime.h"
#include "render/RedrawPipeline.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::string out = "document.png";
  int size[2] = {800, 600}, sizes = 0;
  std::string parameters[8];
  int parameterCount = 0;
  bool space = false;
  std::vector<std::string> surfaces = space_reference_document::kSurfaces;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    int64_t n = 0;
    if (arg.rfind("--space", 0) == 0) {
      space = true;
      if (arg.size() > 8 && arg[7] == '=') {
        surfaces.clear();
        for (size_t from = 8, to; from <= arg.size(); from = to + 1) {
          to = std::min(arg.find(';', from), arg.size());
          surfaces.push_back(arg.substr(from, to - from));
        }
      }
    } else if (arg.size() > 2 && arg[1] == '=' && parameterCount < 8)
      parameters[parameterCount++] = arg;
    else if (rtl::TryStrToInt(arg, n) && sizes < 2)
      size[sizes++] = static_cast<int>(std::min<int64_t>(n, kMaxBitmapSide + 1));
    else
      out = arg;
  }
  if (size[0] < 1 || size[1] < 1 || size[0] > kMaxBitmapSide || size[1] > kMaxBitmapSide) {
    std::fprintf(stderr, "size must be 1..%d pixels each way\n", kMaxBitmapSide);
    return 2;
  }
  if (space && sizes == 0) size[0] = size[1] = 600;
  if (space)
    space_reference_document::Build(size[0], size[1], surfaces);
  else
    reference_document::Build(size[0], size[1]);
  for (int i = 0; i < parameterCount; ++i) {
    Extended v = 0;
    if (!rtl::TryStrToFloat(parameters[i].substr(2), v) || !IsParameterLetter(parameters[i][0])) {
      std::fprintf(stderr, "not a parameter value: %s\n", parameters[i].c_str());
      return 2;
    }
    WriteVariable(doc.VariableValues, parameters[i][0], v);
  }
  RedrawAll();
  if (!CompositeCanvas().Image().save(QString::fromStdString(out), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s\n", out.c_str());
  return 0;
}
