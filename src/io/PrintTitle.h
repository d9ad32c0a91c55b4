#pragma once
// The title of a printed page: label markup typeset in the print settings' title font at
// the printer's resolution, on a white box, at the title position.
#include <string>

#include "platform/Canvas.h"

namespace platform {
class PrinterService;
}

// The title font (settings.PrintSettings.TitleFont) as the printer draws it: its point
// size at the printer's dots per inch.
void ApplyPrinterTitleFont(gfx::Font& font, int dpi);
// The title (CP932 markup) typeset with its top-left at (left, top) on the current page;
// nothing for an empty title.
void PrintTitle(platform::PrinterService& printer, const std::string& title, int left, int top);
