#pragma once
// Print scaling of pens, markers and fonts; font settings; whole-bitmap operations; and
// the redirection of drawing to the print metafile.
#include <cstdint>

#include "formula/Tlabelrec.h"
#include "platform/Canvas.h"

// round(max(s, LineWidthSetting) * OutputScale): pen widths and marker radii.
int ScaleToOutput(int size);
// Font heights under the medium (x1.1) and thick (x1.2) line settings.
int ScaleForThickness(int size);

void LfontFromFont(const gfx::Font& font, Tlfont& f);
// Size, then height scaled (and thickened), never below 8 pixels; name, style, colour.
void ApplyLfont(const Tlfont& f, gfx::Font& font, std::uint8_t thicken, float scale);
// The value boxes of the calculus animations: bold graph font, light yellow (white in
// grey and black output), black frame.
void SetValueBoxStyle(gfx::Canvas& canvas);

// Both do nothing while drawing to the metafile.
void CopyGraphBitmap(const gfx::Canvas& source, gfx::Canvas& dest, gfx::CopyMode copyMode);
void ClearGraphBitmap(gfx::Canvas& canvas);

// Selector frames of the palette windows: style 1 raised, 2 sunken, 3 flat.
void DrawBevelFrame(gfx::Canvas& canvas, std::uint8_t style, const gfx::Rect& r, gfx::Color colour);

// What a primitive hands on to the metafile canvas.
enum CanvasState : unsigned { kCopyPen = 1, kCopyBrush = 2, kCopyFont = 4 };
// The given canvas, or while drawing to the metafile the metafile canvas with the named
// state copied from the given one and the output mode applied to its pen and brush.
gfx::Canvas& OutputCanvas(gfx::Canvas& given, unsigned copy);
bool DrawingToMetafile();
