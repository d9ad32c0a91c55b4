#pragma once
// Entry colours, the colour, grey and black output modes, hatch and dash tables.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Canvas.h"

// Default colour of an entry kind; other kinds give the default passed in.
gfx::Color KindDefaultColor(std::uint8_t kind, gfx::Color fallback);

struct RgbLightness {
  int r = 0, g = 0, b = 0, l = 0;
};
// L = round((max + min) / 2), half to even.
RgbLightness ColorToRGBLightness(gfx::Color c);
// White stays white; any other colour becomes the grey of its lightness.
gfx::Color GreyOf(gfx::Color c);
// k = 0 keeps the colour, 5 gives white.
gfx::Color LightenColor(gfx::Color c, int k);
// The colour as the output mode draws it, paled for after-images.
gfx::Color OutputColor(gfx::Color c);
// Colour hooks of the screen and of paper; both pass the colour through.
gfx::Color ScreenColor(gfx::Color c);
gfx::Color PaperColor(gfx::Color c);

// Grey or black pen, black font, in grey and black output.
void ApplyOutputModeToCanvas(gfx::Canvas& canvas);
// While drawing to the metafile: its pen and brush grey or black in those modes.
void ApplyOutputModeToMetafile();

// n + 1 entries, entry i the grey n - i.
std::vector<gfx::Color> CreateGreyPalette(std::uint8_t n);
// dest := source in grey, (R + G + B) div 3, as an inverted 8-bit index shown through
// the reversed grey palette.
void ConvertToInvertedGrey(const gfx::Canvas& source, gfx::Canvas& dest);

// 1 "/", 2 "\", 3 both, anything else none.
gfx::BrushStyle HatchBrushStyle(std::uint8_t kind);
// Dash and gap in pen widths for a pen width: 1: 6, 3; 2: 3, 2; others: 2, 1.
std::span<const double> DashPattern(int penWidth);
