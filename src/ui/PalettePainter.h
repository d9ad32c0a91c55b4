#pragma once
// The palette window's picture: the letter (or figure number) buttons, or the tools.
#include "platform/Canvas.h"
#include "ui/PaletteModel.h"

// Size of the picture the model's mode shows.
gfx::Point ClpanelPictureSize(const PaletteModel& model);
void DrawClpanel(gfx::Canvas& canvas, const PaletteModel& model);
