#include "ui/PalettePainter.h"

#include "formula/DocumentState.h"
#include "ui/FigureToolPicture.h"
#include "ui/SelectorDrawing.h"

namespace {

void DrawLetters(gfx::Canvas& canvas, const PaletteModel& model) {
  for (int i = 1; i <= kLetterButtons; ++i) {
    const PaletteModel::LetterButton& b = model.Letter(i);
    if (!b.shown) continue;
    const gfx::Rect r = LetterButtonRect(i);
    selector::DrawButton(canvas, r, model.PressedLetter() == i);
    selector::DrawCentredCaption(canvas, r, b.caption, 11, b.available ? gfx::kBlack : selector::kGreyInk);
  }
}

void DrawTools(gfx::Canvas& canvas, const PaletteModel& model) {
  for (int t = 1; t <= kToolButtons; ++t) {
    const PaletteModel::ToolButton& b = model.Tool(t);
    const gfx::Rect r = ToolButtonRect(t);
    selector::DrawButton(canvas, r, b.down);
    const int type = doc.Dimension == 3 ? MapSpaceTool(t) : t;
    const gfx::Rect inner{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
    DrawFigureToolPicture(canvas, type, doc.Dimension, inner, b.available ? gfx::kBlack : selector::kGreyInk);
  }
}

}  // namespace

gfx::Point ClpanelPictureSize(const PaletteModel& model) {
  return model.ShowsTools() ? gfx::Point{ToolButtonRect(kToolButtons).right + 12, ToolButtonRect(kToolButtons).bottom + 6}
                            : gfx::Point{LetterButtonRect(kLetterButtons).right + 7, LetterButtonRect(25).bottom + 5};
}

void DrawClpanel(gfx::Canvas& canvas, const PaletteModel& model) {
  canvas.brush = gfx::Brush{gfx::kBtnFace, gfx::BrushStyle::Solid};
  canvas.FillRect({0, 0, canvas.Width(), canvas.Height()});
  if (model.ShowsTools()) DrawTools(canvas, model);
  else DrawLetters(canvas, model);
}
