#include "ui/NavigatorPainter.h"

#include "platform/Sjis.h"

namespace {

constexpr gfx::Color kHiddenStrike = 0x0000FF;

void Fill(gfx::Canvas& c, int left, int top, int right, int bottom, gfx::Color color) {
  c.brush = {color, gfx::BrushStyle::Solid};
  c.FillRect({left, top, right, bottom});
}

void HorizontalLine(gfx::Canvas& c, int x1, int x2, int y, gfx::Color color) {
  c.pen = gfx::Pen{color};
  c.MoveTo(x1, y);
  c.LineTo(x2, y);
}

void TransparentText(gfx::Canvas& c, int x, int y, const std::string& cp932, gfx::Color color) {
  c.brush.style = gfx::BrushStyle::Clear;
  c.font.color = color;
  c.TextOut(x, y, cp932);
}

// White upper-left and black lower-right edges.
void Bevel(gfx::Canvas& c, const gfx::Rect& r) {
  c.pen = gfx::Pen{gfx::kWhite};
  c.MoveTo(r.left, r.bottom - 1);
  c.LineTo(r.left, r.top);
  c.LineTo(r.right - 1, r.top);
  c.pen = gfx::Pen{gfx::kBlack};
  c.MoveTo(r.right - 1, r.top);
  c.LineTo(r.right - 1, r.bottom - 1);
  c.LineTo(r.left - 1, r.bottom - 1);
}

void PaintSection(const TListSection& s, const TListLayout& layout, gfx::Canvas& text, gfx::Canvas& labels) {
  const int bottom = s.top + kSectionBandHeight;
  gfx::Font caption = ListFont(layout);
  caption.SetSize(11);
  for (gfx::Canvas* c : {&text, &labels}) {
    Fill(*c, 0, s.top, c->Width(), bottom, s.color);
    HorizontalLine(*c, 0, c->Width(), s.top, gfx::kBlack);
    c->font = caption;
  }
  TransparentText(text, 5, s.top + 2, s.caption, gfx::kBlack);
  if (s.space) TransparentText(labels, 5, s.top + 2, "3D", gfx::kBlack);
}

// The letter with its small bold number after it, half a font height lower; a white
// entry's label is outlined in grey so that it stays visible.
void PaintLabelText(const TListEntryRow& row, const TListLayout& layout, gfx::Canvas& labels) {
  const int fh = layout.FontHeight();
  const int y = row.row.top + fh / 6;
  labels.font = ListFont(layout);
  const int letterWidth = labels.TextWidth(row.letter);
  gfx::Font small = ListFont(layout);
  small.SetSize(layout.fontSize * 2 / 3);
  small.style = gfx::fontstyle::kBold;
  auto draw = [&](int dx, int dy, gfx::Color color) {
    labels.font = ListFont(layout);
    TransparentText(labels, 6 + dx, y + dy, row.letter, color);
    if (!row.index.empty()) {
      labels.font = small;
      TransparentText(labels, 6 + letterWidth + dx, y + fh / 2 + dy, row.index, color);
    }
  };
  if (row.color == gfx::kWhite) {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (dx || dy) draw(dx, dy, kListGrey);
  }
  draw(0, 0, row.color);
}

void PaintDeleteButton(const TListEntryRow& row, const TListLayout& layout, gfx::Canvas& text) {
  const int left = layout.DeleteButtonLeft();
  const gfx::Rect r{left, row.row.top + 1, left + kDeleteButtonWidth, row.row.top + 1 + kDeleteButtonHeight};
  Fill(text, r.left, r.top, r.right, r.bottom, gfx::kBtnFace);
  Bevel(text, r);
  text.font = ListFont(layout);
  text.font.SetSize(9);
  const std::string& caption = sj("削");
  TransparentText(text, r.left + (r.Width() - text.TextWidth(caption)) / 2, r.top + 2, caption, gfx::kBlack);
}

void PaintEntryRow(const TListEntryRow& row, const TListLayout& layout, gfx::Canvas& text, gfx::Canvas& labels) {
  text.font = ListFont(layout);
  for (const TListTextLine& line : row.lines) TransparentText(text, 4, line.y, line.text, row.color);
  PaintDeleteButton(row, layout, text);
  PaintLabelBox(row, layout, labels, false);
}

void PaintAddRow(const TListAddRow& add, const TListLayout& layout, gfx::Canvas& text, gfx::Canvas& labels) {
  const int top = add.row.top;
  Fill(labels, 0, top, labels.Width(), add.row.bottom + 2, add.sectionColor);
  text.pen = gfx::Pen{kListGrey};
  text.brush.style = gfx::BrushStyle::Clear;
  text.Rectangle(2, top, layout.imageWidth - 27, top + kAddRowHeight);
  text.font = ListFont(layout);
  TransparentText(text, 4, top + 1, sj("　   未登録"), kListGrey);
}

}  // namespace

void PaintLabelBox(const TListEntryRow& row, const TListLayout& layout, gfx::Canvas& labels, bool raised) {
  Fill(labels, 0, row.row.top, labels.Width(), row.row.bottom + 2, row.sectionColor);
  PaintLabelText(row, layout, labels);
  if (raised) Bevel(labels, {0, row.row.top, layout.listIndent - 2, row.toggleBottom});
  if (row.hidden) {
    const int middle = (row.row.top + row.toggleBottom) / 2;
    for (int dy : {1, 3}) HorizontalLine(labels, 2, layout.listIndent - 4, middle + dy, kHiddenStrike);
  }
}

void PaintNavigatorList(const NavigatorList& list, const TListLayout& layout, gfx::Canvas& text, gfx::Canvas& labels) {
  for (gfx::Canvas* c : {&text, &labels}) Fill(*c, 0, 0, c->Width(), c->Height(), gfx::kWhite);
  for (const TListSection& s : list.sections) PaintSection(s, layout, text, labels);
  for (const TListEntryRow& row : list.entries) PaintEntryRow(row, layout, text, labels);
  for (const TListAddRow& add : list.adds) PaintAddRow(add, layout, text, labels);
  for (int y : list.sectionEnds)
    for (gfx::Canvas* c : {&text, &labels}) HorizontalLine(*c, 0, c->Width(), y, gfx::kBlack);
}
