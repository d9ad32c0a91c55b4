#include "io/PrintJob.h"

#include <memory>
#include <new>

#include "formula/DocumentState.h"
#include "io/PrintTitle.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"
#include "platform/RasterCanvas.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitMapping.h"
#include "render/MetafileRecording.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"

namespace {

// The print picture: the graph recorded at the printed size.
std::unique_ptr<gfx::RasterCanvas> RecordGraph() {
  auto picture = std::make_unique<gfx::RasterCanvas>(doc.GraphWidth, doc.GraphHeight);
  if (picture->Image().isNull()) throw std::bad_alloc();
  const MetafileRecording recording(*picture);
  RedrawAll();
  return picture;
}

// One copy: the picture, white margins around it, the frame, the title.
void PrintPage(platform::PrinterService& printer, const gfx::RasterCanvas& picture, const PrintJobRequest& r) {
  const int pw = printer.pageWidth(), ph = printer.pageHeight();
  const int w = doc.GraphWidth, h = doc.GraphHeight;
  const int left = r.left, top = r.top;
  printer.drawImage(picture.Image(), left, top, w, h);
  printer.fillRect(0, 0, pw, top, gfx::kWhite);
  printer.fillRect(0, 0, left, ph, gfx::kWhite);
  printer.fillRect(0, top + h, pw, ph - top - h, gfx::kWhite);
  printer.fillRect(left + w, 0, pw - left - w, ph, gfx::kWhite);
  if (r.frame) {
    // A line two pixels wide on the picture's edge.
    printer.fillRect(left - 1, top - 1, w + 2, 2, gfx::kBlack);
    printer.fillRect(left - 1, top + h - 1, w + 2, 2, gfx::kBlack);
    printer.fillRect(left - 1, top - 1, 2, h + 2, gfx::kBlack);
    printer.fillRect(left + w - 1, top - 1, 2, h + 2, gfx::kBlack);
  }
  PrintTitle(printer, r.title, settings.PrintSettings.TitleLeft, settings.PrintSettings.TitleTop);
}

}  // namespace

bool RunPrintJob(const PrintJobRequest& r, platform::PrinterService& printer, platform::Dialogs* dialogs) {
  // The screen bitmaps exist at the screen size before the drawing size changes.
  BackCanvas();
  CompositeCanvas();
  const int32_t w0 = doc.GraphWidth, h0 = doc.GraphHeight;
  const uint8_t t0 = doc.GridSettings.thickness;
  const uint8_t screenColors = modes.OutputColorMode;
  const bool sized = w0 > 0 && h0 > 0 && r.pictureWidth > 0;

  if (sized) {
    doc.GraphHeight = static_cast<int32_t>(rtl::Round(static_cast<Extended>(r.pictureWidth) * h0 / w0));
    doc.GraphWidth = r.pictureWidth;
  }
  settings.PolygonPrintMode = static_cast<uint8_t>(r.thickness + 1);
  doc.GridSettings.thickness = static_cast<uint8_t>(t0 + r.thickness);
  UpdatePixelSize(1);
  doc.RegionDensity[0] = static_cast<uint8_t>(r.density);
  modes.OutputColorMode = static_cast<uint8_t>(r.colorMode);

  bool ok = sized && doc.GraphHeight > 0 && printer.beginDocument("Lumenplotter");
  if (ok) {
    settings.OutputScale = settings.PrintScale = static_cast<float>(doc.GraphHeight) / static_cast<float>(h0);
    settings.Printing = 1;
    try {
      const std::unique_ptr<gfx::RasterCanvas> picture = RecordGraph();
      for (int copy = 1; ok && copy <= r.copies; ++copy) {
        PrintPage(printer, *picture, r);
        if (copy < r.copies) ok = printer.newPage();
      }
    } catch (...) {
      ok = false;
    }
  }

  settings.Printing = 0;
  if (ok)
    ok = printer.endDocument();
  else
    printer.abortDocument();
  doc.GraphWidth = w0;
  doc.GraphHeight = h0;
  UpdatePixelSize(1);
  settings.OutputScale = 1;
  doc.RegionDensity[0] = 1;
  settings.PolygonPrintMode = 1;
  doc.GridSettings.thickness = t0;
  settings.PrintScale = 1;
  modes.OutputColorMode = screenColors;
  // The window's picture lost its labels and point names to the print picture, and the
  // back layer holds the print's colours: both are drawn anew.
  RedrawAll();
  if (!ok && dialogs) dialogs->showMessage("印刷エラー");
  return ok;
}
