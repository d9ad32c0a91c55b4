#pragma once
// Explicit entries drawn on a recording canvas over the default view (-5..5 on 500 x 500
// pixels: pixel 250 is 0, one pixel 0.02), and the pieces the sampler hands on.
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "platform/RecordingCanvas.h"
#include "render/ExplicitCurveSampler.h"
#include "render/ExplicitCurves.h"
#include "render/ToolkitFixture.h"

class CurveTest : public ToolkitTest {
 protected:
  static Tfuncprop Entry(const std::string& text, int kind = kKindExplicit) {
    Tfuncprop e;
    InitFuncprop(e, kind);
    e.texts[0] = text;
    return e;
  }

  // The polylines a drawing left, as pixel lists.
  static std::vector<std::vector<gfx::Point>> Polylines(const gfx::RecordingCanvas& c) {
    std::vector<std::vector<gfx::Point>> lines;
    for (const gfx::RecordedOp& op : c.OpsOf(gfx::OpKind::Polyline)) lines.push_back(op.points);
    return lines;
  }

  static std::vector<std::vector<gfx::Point>> Draw(const std::string& text, gfx::RecordingCanvas& c) {
    DrawExplicitFunction(c, Entry(text), 0, doc.ViewRange.XMin, doc.ViewRange.XMax);
    return Polylines(c);
  }

  // The sampler's pieces in the order they were made, each in the order of its samples.
  struct WorldPoint {
    Extended x, y;
  };
  static std::vector<std::vector<WorldPoint>> Sample(const std::string& text) {
    const TreePtr tree = ParseExpression(text, 3);
    Tfrec* aux = nullptr;
    TCurveSegment* pieces = nullptr;
    ComputeFunctionCurve(tree.get(), aux, 0, pieces, doc.ViewRange.XMin, doc.ViewRange.XMax, false);
    std::vector<std::vector<WorldPoint>> out;
    for (TCurveSegment* s = pieces; s; s = s->next) {
      std::vector<WorldPoint> piece;
      for (TCurvePoint* p = s->points; p; p = p->next) piece.insert(piece.begin(), WorldPoint{p->x, p->y});
      out.push_back(piece);
    }
    DisposeCurveSegments(pieces);
    return out;
  }

  // Whether a polyline has points on both sides of the pixel column.
  static bool Straddles(const std::vector<gfx::Point>& line, double column) {
    bool left = false, right = false;
    for (const gfx::Point& p : line) {
      left = left || p.x < column;
      right = right || p.x > column;
    }
    return left && right;
  }
};
