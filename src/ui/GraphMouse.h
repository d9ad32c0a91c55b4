#pragma once
// The mouse on the graph window's picture, as a state machine over the pixels of the
// drawing. Its state is SnapMode: 2 idle, 1 a point or a circle's radius dragged, 0 the
// view shifted by dragging (the window's "移動" button down), 3 a label moved (while the
// label editor holds the mouse, GraphMouseMode). In the plane:
//   - every move reads the mouse out in the status bars, snapped to the grid, and picks
//     the point or circle under it (the drag hint and its description beside the mouse);
//   - a press on a draggable entry starts the drag; the timer's job 25 then rewrites the
//     entry's texts from the mouse at most every 50 ms and redraws what moves, so a drag
//     never queues drawings behind the mouse;
//   - the release ends it: the last step, the navigator's list, and the change list of the
//     point's coordinates (codes point number x 100 + 1, 2, 3) to the macro's handlers;
//   - with the shift button down a press and drag shows where the view would go, and the
//     release moves it there; a double click centres the view on the mouse.
// In space the press picks a projected point and each move drags it over its plane of
// motion, with the wheel for its height. A lost mouse grab ends whatever runs as a release
// at the last position would.
#include <cstdint>
#include <string>

#include "formula/SpacePoint.h"
#include "formula/TableServices.h"
#include "platform/Canvas.h"

class LabelDrag;
class TimerJobs;

// What the mouse work asks of the graph window. Texts are CP932 unless said otherwise;
// positions are pixels of the drawing.
class GraphMouseHost {
 public:
  enum class Cursor { Cross, Drag, Hand };
  virtual ~GraphMouseHost() = default;

  // Panel 2 of the graph's and the navigator's status bars.
  virtual void ShowReadout(const std::string& text) = 0;
  // The mouse moved over the picture: the navigator's panel 0 is raised.
  virtual void RaiseNavigatorPanel() = 0;
  // The view's range in the status bar.
  virtual void ShowRange() = 0;
  // The hint "ドラッグで移動出来ます" and the read-out label with its text, each at
  // (x + dx, y + dy), or as far left of x where it would leave the drawing; hidden.
  virtual void ShowDragHint(int x, int y, int dx, int dy) = 0;
  virtual void HideDragHint() = 0;
  virtual void ShowInfo(const std::string& text, int x, int y, int dx, int dy) = 0;
  virtual void HideInfo() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // Space: the mouse moved onto the pixel.
  virtual void WarpCursor(int x, int y) = 0;
  // The window's picture, for outlines drawn in not-xor, and its repaint.
  virtual gfx::Canvas& Picture() = 0;
  virtual void PictureChanged() = 0;
  // The tool strip's "移動" (shift the view by dragging) button.
  virtual bool DragShiftDown() = 0;
  virtual void ReleaseDragShift() = 0;
  virtual void RebuildNavigatorList() = 0;
  virtual void SaveContinuousFrame() = 0;
  // The label editor's dragging, while it is open.
  virtual LabelDrag* Labels() = 0;
};

class GraphMouse {
 public:
  enum class Button { Left, Right, Middle };

  // Registers the drag step as the action of the timer's job 25.
  explicit GraphMouse(GraphMouseHost& window, TimerJobs& timer);
  ~GraphMouse();
  GraphMouse(const GraphMouse&) = delete;
  GraphMouse& operator=(const GraphMouse&) = delete;

  void Press(Button button, int x, int y);
  void Move(int x, int y);
  void Release(Button button, int x, int y);
  // The second press of a double click: the view centred on the mouse (plane), then the
  // press itself.
  void DoubleClick(Button button, int x, int y);
  // Wheel notches, up positive.
  void Wheel(int notches);
  // Job 25: one drag step.
  void Tick();
  // The mouse grab was lost (another window, the focus): the drag ends as released.
  void Cancel();

  // --- state ---
  TWorldPoint MouseWorldPoint;
  int MouseDownX = 0, MouseDownY = 0;
  int MouseCurrentX = 0, MouseCurrentY = 0;
  std::uint8_t PointPicked = 0;
  // The last coordinates read out (CP932); in space also z.
  std::string ReadoutXText = "0", ReadoutYText = "0", ReadoutZText = "0";
  Extended SpaceDragZ = 0;
  std::uint8_t ZAxisReadout = 0;
  std::uint8_t RightButtonDown = 0;
  // Space: the guide box from the origin follows the mouse; it is drawn now.
  std::uint8_t PointGuideShown = 0, GuideBoxShown = 0;
  int WheelCount = 0;
  std::uint8_t WheelHold = 0;

 private:
  bool InPlane() const;
  int Target() const;
  // --- plane ---
  void PlaneReadout(int x, int y);
  void PlaneHover(int x, int y);
  void PlanePress(int x, int y);
  void PlaneDragStep();
  void DragRadius(Tfuncprop& circle);
  void DragPoint(int entry);
  void ShowDraggedPoint(const TSpacePoint& p);
  void ShiftBand(int x, int y);
  void ShiftPreview(int x, int y);
  // --- space ---
  void SpaceHover(int x, int y);
  void SpacePress(int x, int y);
  void SpaceDragMove(int x, int y);
  void SpaceReadoutText(const TSpacePoint& p);
  void DrawDragPlaneGrid();
  void MoveGuideBox(int x, int y);
  // --- both ---
  void EndPointDrag();
  void RunChangeHandlers(int entry);

  GraphMouseHost& window_;
  TimerJobs& timer_;
  // Pixel of the last drag step (first the press); a tick without a move draws nothing.
  int stepX_ = 0, stepY_ = 0;
  // Where the shift band is drawn.
  int bandX_ = 0, bandY_ = 0;
  TSpacePoint guidePoint_;
};
