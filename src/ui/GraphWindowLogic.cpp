#include "ui/GraphWindowLogic.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "formula/TableServices.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/DrawToolkitMapping.h"
#include "ui/StartupLayout.h"

namespace {

int DrawingHeightOf(int clientHeight) { return clientHeight - kToolStripHeight - kStatusBarHeight - 2; }

void ResizePlaneView() {
  TViewRange& v = doc.ViewRange;
  const Extended cx = ToSingle((v.XMin + v.XMax) / 2);
  const Extended cy = ToSingle((v.YMin + v.YMax) / 2);
  const Extended w = doc.GraphWidth, h = doc.GraphHeight;
  if (settings.KeepAspectRatio) {
    const Extended oldPixelY = ToSingle(doc.PixelSizeY);
    doc.PixelSizeY = (v.YMax - v.YMin) / h;
    if (oldPixelY != 0) {
      const Extended half = doc.PixelSizeY / oldPixelY * doc.PixelSizeX * w / 2;
      v.XMin = cx - half;
      v.XMax = cx + half;
    }
    doc.PixelSizeX = (v.XMax - v.XMin) / w;
  } else {
    v.XMin = cx - w * doc.PixelSizeX / 2;
    v.XMax = cx + w * doc.PixelSizeX / 2;
    v.YMin = cy - h * doc.PixelSizeY / 2;
    v.YMax = cy + h * doc.PixelSizeY / 2;
  }
}

}  // namespace

TResizeResult ResizeDrawing(TClientSize client, TClientSize remembered) {
  client.width = std::max(client.width, kMinClientWidth);
  client.height = std::max(client.height, kMinClientHeight);
  TResizeResult r{client, false};
  if (doc.Dimension == 3) {
    if (client.width > remembered.width) {
      r.client = remembered;
      r.normalState = true;
    }
    doc.GraphHeight = DrawingHeightOf(r.client.height);
    doc.GraphWidth = doc.GraphHeight;
    r.client.width = doc.GraphWidth + 2;
    return r;
  }
  if (modes.CalculusActive) {
    r.client = {std::min(client.width, remembered.width), std::min(client.height, remembered.height)};
    r.normalState = true;
  }
  doc.GraphWidth = r.client.width - 2;
  doc.GraphHeight = DrawingHeightOf(r.client.height);
  ResizePlaneView();
  return r;
}

TClientSize FourThreeShape(TClientSize frame) {
  const int fourThirds = 4 * frame.height / 3;
  if (frame.width > fourThirds)
    frame.height = frame.width * 3 / 4;
  else if (frame.width < fourThirds)
    frame.width = frame.height * 4 / 3;
  return frame;
}

std::string PictureSizeText() {
  return " " + rtl::IntToStr(doc.GraphWidth) + sj("×") + rtl::IntToStr(doc.GraphHeight);
}

int PictureSizePanelWidth(const std::string& text) { return 7 * static_cast<int>(text.size()); }

std::string CaptionForFile(const std::string& bareName) {
  if (bareName.empty()) return kWindowTitle;
  return std::string(kWindowTitle) + "   [" + bareName + "]";
}

std::string SerialFrameName(const std::string& baseName, int counter) {
  return InsertBeforeExtension(baseName, rtl::IntToStr(counter + kSerialFrameOffset));
}
