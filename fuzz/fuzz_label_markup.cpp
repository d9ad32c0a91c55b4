// links: render
// Typesets arbitrary label text: the first byte picks the font height (8 to 71 pixels),
// the rest is the markup (lines split at newlines, as a label's lines are). Every text
// must lay out and draw without reading outside it; a laid-out line starts at the top it
// was asked for, and measuring gives the width the layout reached.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "formula/DocumentState.h"
#include "platform/RecordingCanvas.h"
#include "render/LabelDrawing.h"
#include "render/MarkupDraw.h"
#include "render/MarkupLayout.h"
#include "render/MathLabel.h"

namespace {

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  ResetMiscSettings();
  ResetAllSettings(0);
  doc.GraphWidth = doc.GraphHeight = 400;
  gfx::RecordingCanvas canvas(400, 400);
  canvas.font.height = -(8 + data[0] % 64);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  int x = 10, fontHeight = 0;
  MarkupTree tree = LayoutMathLabel(canvas, x, 50, 0, 0, text, fontHeight, 30);
  Check(!tree || SmallestTop(tree.get()) == 30);
  DrawLabelTree(canvas, tree.get(), 0, 0);
  Check(MeasureMathLabel(canvas, text, fontHeight, 0, 0) == x - 10);

  Tlabelrec& label = doc.LabelTable[1];
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    label.lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  label.transparent = 0;
  label.backStyle = data[0] % 3;
  doc.LabelCount = 1;
  DrawAllLabels(canvas, 1);
  return 0;
}
