#pragma once
// The entry window's tables: the kinds' names, and what each field edits by dimension,
// kind and figure type or construction code: where its value comes from (the formula
// keyboard with its caption and kind, point letters or a figure from the palette) and
// which text of the entry holds it.
#include <cstdint>
#include <string>

#include "formula/Tfuncprop.h"
#include "ui/EntryFormView.h"

enum class FieldSource : std::uint8_t {
  None,           // no such field
  Display,        // shown, not edited (a derivative's formula)
  Keyboard,       // a formula or value on the formula keyboard
  SequencePoint,  // a coordinate of the point sequence's point at UpDown1's position
  Letters,        // `count` point letters from the palette
  LetterList,     // point letters until the palette's OK, at least two (polylines, polygons)
  FigurePoint,    // one point for the figure's `letter` (slot 1) or `letter2` (slot 2)
  FigureNumber,   // a figure from the numbered picker in palette mode `pickerMode`
};

inline constexpr int kStepText = 5;  // `text` of the step field

struct EntryFieldSpec {
  FieldSource source = FieldSource::None;
  int text = 0;          // 0..4 the entry's texts, kStepText its step text
  std::string caption;   // keyboard caption (UTF-8)
  std::uint8_t keyboardKind = 0;
  bool besideWindow = false;  // the keyboard opens beside the window (the range of t)
  int count = 0;         // Letters
  int slot = 0;          // FigurePoint
  int pickerMode = 0;    // FigureNumber
  int axis = 0;          // SequencePoint: 0 x, 1 y, 2 z
};

// The name of an entry kind (UTF-8) in the plane or in space; empty for a kind without one.
const char* KindName(int kind, bool space);

// The rows of a point entry by construction code (signed: -1 by coordinates): the
// captions of equ1, equ2 (nullptr: as it is) and minpanel, and the layout code.
struct PointRowSpec {
  const char* first = nullptr;
  const char* second = nullptr;
  const char* range = nullptr;
  int layout = 9;
};
PointRowSpec PointRowsFor(int code, bool space);

// The field of the entry in the plane or in space; `position` is UpDown1's position in a
// point sequence.
EntryFieldSpec FieldSpecFor(const Tfuncprop& entry, bool space, EntryField field, int position);
