#pragma once
// The label editor's logic without widgets: which label is edited, the buttons that
// step through the labels, add and delete them, and every control's change stored into
// the current label, followed by a redraw of the labels on the graph. The window shows
// the current label's fields and calls these; tests call them directly.
#include <cstdint>
#include <string>
#include <vector>

#include "animate/ModelView.h"
#include "formula/Tlabelrec.h"

class LabelEditorModel {
 public:
  // The window, told when the current label or one of its fields changed (nullptr: none).
  // The caller keeps ownership.
  void SetWindow(ModelView* window) { window_ = window; }

  // The editor is shown: label 1 becomes current and the graph's mouse moves labels.
  void Open();
  // The editor is closed: the graph's mouse is back to normal.
  void Close();
  // The document changed under the open editor (a file was read): its labels shown.
  void Refresh();

  // 1-based.
  int Current() const;
  const Tlabelrec& Label() const;

  // "追加": a new label with the defaults becomes current; refused at the last one.
  bool CanAdd() const;
  bool Add();
  // "削除": the current label is removed and those after it move down; the last label
  // left is only cleared.
  void Delete();
  // Next and previous, wrapping round; nothing with one label.
  void Next();
  void Previous();

  // The controls. Values outside a control's range are held to it.
  void SetCoordKind(std::uint8_t kind);         // 0 pixels, 1 graph coordinates
  void SetPositionText(int axis, const std::string& text);  // 0 x, 1 y, 2 z (CP932)
  void SetOffsets(int left, int top);           // -10000..10000
  void SetFontSize(int size);                   // 9..100
  void SetFontColor(std::int32_t color);
  void SetBackColor(std::int32_t color);
  void SetBackStyle(std::uint8_t style);        // 0..2
  void SetTransparent(bool transparent);
  void SetShown(bool shown);
  // The memo's lines (CP932); an empty memo gives no line.
  void SetLines(std::vector<std::string> lines);

 private:
  // A label to edit: with none (a file without labels was read under the open editor)
  // label 1 is made; the current number is kept within the count.
  Tlabelrec& Edited();
  // Stored: the document is touched, the picture redrawn, the window told.
  void Stored();
  void Show(int n);

  ModelView* window_ = nullptr;
};
