#pragma once
// The print job: the graph drawn once through the redraw pipeline onto a print picture
// (a raster at the printed size, GraphWidth x GraphHeight set to it for the time of the
// drawing), then placed on as many pages as copies are asked for, each with white margins
// around it, an optional frame and the title. Everything the drawing changes (drawing
// size, scales, region density, grid thickness, the print flags, the colour mode) is put
// back afterwards, so the screen keeps its own colours.
#include <string>

namespace platform {
class Dialogs;
class PrinterService;
}  // namespace platform

struct PrintJobRequest {
  int pictureWidth = 1000;  // printer pixels; the height keeps the graph's shape
  int left = 0, top = 200;  // picture position
  int thickness = 0;        // 0..2: grid and region lines this much thicker
  int density = 1;          // 0 coarse, 1 normal, 2 dense hatching of regions
  int colorMode = 0;        // 0 colour, 1 grey, 2 black
  int copies = 1;
  bool frame = true;
  std::string title;        // CP932 label markup, at the print settings' title position
};

// True when every page went to the printer. On any failure (the printer does not start,
// the drawing fails, the printer reports an error) the job is dropped, nothing is
// printed, and "印刷エラー" is shown. The graph window's picture is redrawn afterwards.
bool RunPrintJob(const PrintJobRequest& request, platform::PrinterService& printer, platform::Dialogs* dialogs);
