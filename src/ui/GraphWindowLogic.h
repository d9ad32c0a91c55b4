#pragma once
// The graph window's rules that need no widgets: the drawing size and the view after a
// resize, the 4:3 shape, the status-bar texts, the caption, and the names of serial frames.
// They read and write the document state; the window (Tgraph) applies the sizes.
#include <string>

inline constexpr int kMinClientHeight = 149;
// Window managers let a window become narrower than any drawing can be.
inline constexpr int kMinClientWidth = 149;

struct TClientSize {
  int width = 0, height = 0;
  bool operator==(const TClientSize&) const = default;
};

struct TResizeResult {
  // The client size the window must take (the remembered size, or a square in space);
  // equal to the size given when the window may stay as it is.
  TClientSize client;
  bool normalState = false;  // the window leaves the maximised state
};

// A new client size: GraphWidth and GraphHeight, and in the plane the view, which keeps
// its centre and either its pixel sizes or (KeepAspectRatio) its height.
//   plane: while a calculus animation runs the window is held to its size of creation;
//   space: the drawing area stays square; a width beyond the size of creation goes back to it.
TResizeResult ResizeDrawing(TClientSize client, TClientSize remembered);

// The 4:3 shape of a frame size (width, height): the longer side shortened.
TClientSize FourThreeShape(TClientSize frame);

// " W×H" and the panel width for it (7 pixels a character). Texts CP932.
std::string PictureSizeText();
int PictureSizePanelWidth(const std::string& text);

inline constexpr const char* kWindowTitle = "Lumenplotter";
inline constexpr const char* kNewDocumentSuffix = "  [新規]";
// The caption for a file name (UTF-8): the title with the bare name, or the title alone.
std::string CaptionForFile(const std::string& bareName);

// Serial frames: the counter + 10000 goes before the first "." of the file name (never
// of a folder), so a.png gives a10001.png, a10002.png, ... and the series sorts in order.
inline constexpr int kSerialFrameOffset = 10000;
inline constexpr int kLastSerialFrame = 9999;
std::string SerialFrameName(const std::string& baseName, int counter);
