#pragma once
// The palette window: point-name picker, numbered figure picker and figure-tool palette
// over the program-wide PaletteModel `clpanel`. Modal for every mode but 1; in mode 1 it is
// a tool window of the formula keyboard, handing each picked letter to `letterPicked`.
#include <QDialog>
#include <QPoint>
#include <QSize>
#include <functional>

#include "platform/RasterCanvas.h"

class CanvasView;
class QPushButton;

class Tclpanel : public QDialog {
 public:
  explicit Tclpanel(QWidget* parent = nullptr);

  // FormShow: lays the window out for clpanel.ClpanelMode and draws it. Call before showing.
  void Prepare();

  std::function<void(char letter)> letterPicked;

  CanvasView* Picture() const { return view_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // "ｷｬﾝｾﾙ", Escape and the title bar.
  void reject() override;

 private:
  void Redraw();
  void Finish(bool accepted);

  CanvasView* view_;
  QPushButton* ok_;
  QPushButton* cancel_;
  gfx::RasterCanvas picture_{1, 1};
  bool finished_ = false;
};

// Shows the palette modally at (left, top) in the mode the caller set in
// clpanel.ClpanelMode; the results are in clpanel and ui.InputCancelled afterwards.
void ShowClpanelModal(int left, int top);
// The same, placed where `place` puts a window of the palette's size.
void ShowClpanelPlaced(const std::function<QPoint(QSize size)>& place);

// The point-name picker for a new point: every letter available but those of the
// existing points, `preset` (a point number) preselected. The chosen letter's number, 0
// when none was chosen.
int PickNewPointName(int preset, const std::function<QPoint(QSize size)>& place);
