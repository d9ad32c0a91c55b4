#include "ui/LabelEditorModel.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "render/LabelDrawing.h"

namespace {

constexpr int kMaxOffset = 10000;
constexpr int kMinFontSize = 9, kMaxFontSize = 100;

}  // namespace

void LabelEditorModel::Open() {
  ui.GraphMouseMode = 1;
  Show(1);
}

void LabelEditorModel::Close() { ui.GraphMouseMode = 0; }

void LabelEditorModel::Refresh() { Show(Current()); }

int LabelEditorModel::Current() const { return labelSelection.CurrentLabel; }

const Tlabelrec& LabelEditorModel::Label() const {
  return doc.LabelTable[std::clamp(Current(), 1, kMaxLabels)];
}

bool LabelEditorModel::CanAdd() const { return doc.LabelCount < kMaxLabels; }

bool LabelEditorModel::Add() {
  Edited();
  if (!CanAdd()) return false;
  ++doc.LabelCount;
  InitLabelrec(doc.LabelTable[doc.LabelCount]);
  labelSelection.CurrentLabel = static_cast<std::uint8_t>(doc.LabelCount);
  Stored();
  return true;
}

void LabelEditorModel::Delete() {
  Edited();
  const int n = Current();
  if (doc.LabelCount == 1) {
    InitLabelrec(doc.LabelTable[1]);
  } else {
    for (int i = n; i < doc.LabelCount; ++i) doc.LabelTable[i] = doc.LabelTable[i + 1];
    InitLabelrec(doc.LabelTable[doc.LabelCount]);
    --doc.LabelCount;
    if (n > doc.LabelCount) labelSelection.CurrentLabel = static_cast<std::uint8_t>(doc.LabelCount);
  }
  Stored();
}

void LabelEditorModel::Next() {
  Edited();
  if (doc.LabelCount > 1) Show(Current() == doc.LabelCount ? 1 : Current() + 1);
}

void LabelEditorModel::Previous() {
  Edited();
  if (doc.LabelCount > 1) Show(Current() == 1 ? doc.LabelCount : Current() - 1);
}

void LabelEditorModel::SetCoordKind(std::uint8_t kind) {
  Edited().coordKind = kind == 1 ? 1 : 0;
  Stored();
}

void LabelEditorModel::SetPositionText(int axis, const std::string& text) {
  Tlabelrec& label = Edited();
  (axis == 0 ? label.xText : axis == 1 ? label.yText : label.zText) = text;
  Stored();
}

void LabelEditorModel::SetOffsets(int left, int top) {
  Tlabelrec& label = Edited();
  label.shiftLeft = std::clamp(left, -kMaxOffset, kMaxOffset);
  label.shiftTop = std::clamp(top, -kMaxOffset, kMaxOffset);
  Stored();
}

void LabelEditorModel::SetFontSize(int size) {
  Edited().font.size = std::clamp(size, kMinFontSize, kMaxFontSize);
  Stored();
}

void LabelEditorModel::SetFontColor(std::int32_t color) {
  Edited().font.color = color;
  Stored();
}

void LabelEditorModel::SetBackColor(std::int32_t color) {
  Edited().backColor = color;
  Stored();
}

void LabelEditorModel::SetBackStyle(std::uint8_t style) {
  Edited().backStyle = std::min<std::uint8_t>(style, 2);
  Stored();
}

void LabelEditorModel::SetTransparent(bool transparent) {
  Edited().transparent = transparent ? 1 : 0;
  Stored();
}

void LabelEditorModel::SetShown(bool shown) {
  Edited().shown = shown ? 1 : 0;
  Stored();
}

void LabelEditorModel::SetLines(std::vector<std::string> lines) {
  Edited().lines = std::move(lines);
  Stored();
}

Tlabelrec& LabelEditorModel::Edited() {
  if (doc.LabelCount < 1) {
    doc.LabelCount = 1;
    InitLabelrec(doc.LabelTable[1]);
  }
  doc.LabelCount = std::min(doc.LabelCount, kMaxLabels);
  labelSelection.CurrentLabel = static_cast<std::uint8_t>(std::clamp(Current(), 1, doc.LabelCount));
  return doc.LabelTable[Current()];
}

void LabelEditorModel::Stored() {
  ui.DocumentUntouched = 0;
  if (window_) window_->ModelChanged();
  RedrawGraphWithLabels();
}

void LabelEditorModel::Show(int n) {
  labelSelection.CurrentLabel = static_cast<std::uint8_t>(n);
  Edited();
  if (window_) window_->ModelChanged();
  RedrawGraphWithLabels();
}
