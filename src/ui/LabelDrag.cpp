#include "ui/LabelDrag.h"

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitOutput.h"
#include "render/LabelDrawing.h"
#include "ui/LabelEditorModel.h"

namespace {

constexpr gfx::Color kOutlineColor = 0x808080;

bool Inside(const gfx::Rect& r, int x, int y) { return r.left < x && x < r.right && r.top < y && y < r.bottom; }

// Pixels of the picture to offsets: the drawing thickens offsets with the line width.
int Unscaled(int pixels) {
  return static_cast<int>(rtl::Round(static_cast<Extended>(pixels) * 100 / ScaleForThickness(100)));
}

}  // namespace

bool LabelDrag::Over(int x, int y) const {
  return ui.GraphMouseMode && Inside(labelSelection.CurrentLabelBox, x, y);
}

bool LabelDrag::Press(int x, int y, gfx::Canvas& picture) {
  if (!Over(x, y)) {
    modes.SnapMode = 2;
    return false;
  }
  modes.SnapMode = 3;
  startX_ = x;
  startY_ = y;
  startLeft_ = editor_.Label().shiftLeft;
  startTop_ = editor_.Label().shiftTop;
  startBox_ = outline_ = labelSelection.CurrentLabelBox;
  Outline(picture);
  return true;
}

void LabelDrag::Move(int x, int y, gfx::Canvas& picture) {
  if (modes.SnapMode != 3) return;
  Outline(picture);
  editor_.SetOffsets(startLeft_ + Unscaled(x - startX_), startTop_ + Unscaled(y - startY_));
  const int dx = x - startX_, dy = y - startY_;
  outline_ = {startBox_.left + dx, startBox_.top + dy, startBox_.right + dx, startBox_.bottom + dy};
  Outline(picture);
}

void LabelDrag::Release(gfx::Canvas& picture) {
  if (modes.SnapMode == 3) {
    Outline(picture);
    RedrawGraphWithLabels();
  }
  modes.SnapMode = 2;
}

void LabelDrag::Outline(gfx::Canvas& picture) const {
  const gfx::Pen pen = picture.pen;
  const gfx::Brush brush = picture.brush;
  picture.pen = gfx::Pen{kOutlineColor, 1, gfx::PenStyle::Solid, gfx::PenMode::NotXor};
  picture.brush.style = gfx::BrushStyle::Clear;
  picture.Rectangle(outline_.left, outline_.top, outline_.right, outline_.bottom);
  picture.pen = pen;
  picture.brush = brush;
}
