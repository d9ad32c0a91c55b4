// Equation and inequality entries: their hatch in the entry's brush, their boundary curves
// in the entry's pen, strict inequalities in grey.
#include <gtest/gtest.h>

#include <set>

#include "render/EntryDrawers.h"
#include "render/ImplicitFixture.h"

using gfx::OpKind;
using gfx::RecordingCanvas;

namespace {

constexpr gfx::Color kEntryColour = 0x0000FF, kHatchColour = 0x008000, kGrey = 0xC0C0C0;

void SetEntry(const char* text, std::uint8_t noBoundary = 0, std::uint8_t brushStyle = 0) {
  Tfuncprop e;
  InitFuncprop(e, kKindRelation);
  e.texts[0] = text;
  e.color = static_cast<int32_t>(kEntryColour);
  e.noBoundary = noBoundary;
  e.brushStyle = brushStyle;
  e.brushColor = static_cast<int32_t>(kHatchColour);
  doc.FigureTable[1] = e;
  doc.EntryCount = 1;
}

// The pen colours of everything drawn.
std::set<gfx::Color> Colours(const RecordingCanvas& c) {
  std::set<gfx::Color> colours;
  for (const gfx::RecordedOp& op : c.Ops())
    if (op.kind != OpKind::SetPixel) colours.insert(op.pen.color);
  return colours;
}

}  // namespace

TEST_F(ImplicitTest, ARelationEntryDrawsItsBoundariesGreyWhereTheInequalityIsStrict) {
  struct Case {
    const char* text;
    std::set<gfx::Color> colours;
    const char* curve;
  };
  const Case cases[] = {
      {"y=sin(x)", {kEntryColour}, "y=sin(x)"},
      {"x=2", {kEntryColour}, "x=2"},
      {"x^2+y^2=4", {kEntryColour}, "x^2+y^2=4"},
      {"xy>=1", {kEntryColour}, "xy=1"},
      {"y>x^2-3", {kGrey}, "y=x^2-3"},
      {"x^2+y^2<1", {kGrey}, "x^2+y^2=1"},
      {"(y>x)and(y=1)", {kGrey, kEntryColour}, "(y-x)(y-1)=0"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    SetEntry(k.text);
    RecordingCanvas c;
    DrawEquationRecord(c, 1);
    EXPECT_EQ(Colours(c), k.colours);
    EXPECT_TRUE(OffCurve(c, k.curve).empty());
    for (const gfx::RecordedOp& op : c.Ops()) EXPECT_EQ(op.pen.width, 2);
  }
}

TEST_F(ImplicitTest, ARelationEntryHatchesInItsBrushWhereItHasAnArea) {
  struct Case {
    const char* text;
    std::uint8_t noBoundary, brushStyle;
    std::set<gfx::Color> colours;
  };
  const Case cases[] = {
      {"x^2+y^2<4", 0, 1, {kHatchColour, kGrey}},
      {"x^2+y^2<4", 1, 3, {kHatchColour}},          // hatch only
      {"x^2+y^2<4", 0, 0, {kGrey}},                 // boundary only
      {"(y>x)and(y=1)", 0, 1, {kGrey, kEntryColour}},  // no area
      {"x^2+y^2=4", 1, 1, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    SetEntry(k.text, k.noBoundary, k.brushStyle);
    RecordingCanvas c;
    DrawEquationRecord(c, 1);
    EXPECT_EQ(Colours(c), k.colours);
  }
}

TEST_F(ImplicitTest, ARelationEntryDrawsNothingOnLogarithmicAxesOrWhenItDoesNotParse) {
  SetEntry("x^2+y^2<4", 0, 1);
  for (const std::uint8_t system : {2, 3, 4}) {
    doc.CoordinateSystem = system;
    RecordingCanvas logarithmic;
    DrawEquationRecord(logarithmic, 1);
    EXPECT_TRUE(logarithmic.Ops().empty()) << int{system};
  }

  doc.CoordinateSystem = 0;
  SetEntry("x^2+y^2=(");
  RecordingCanvas broken;
  DrawEquationRecord(broken, 1);
  EXPECT_TRUE(broken.Ops().empty());
}
