#include "formula/TableServices.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/FormulaHost.h"
#include "formula/UsageScan.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"

namespace {

// The nearest grid value when it lies within two pixels, else the value itself.
Extended SnapCoordinate(Extended v, Extended tickStep, Extended pixelSize, bool dense) {
  if (!(tickStep > 0) || !std::isfinite(tickStep)) return v;
  const Extended grid = dense ? rtl::RoundToEven(2 * v / tickStep) * tickStep / 2 : rtl::RoundToEven(v / tickStep) * tickStep;
  return std::fabs(grid - v) < 2 * pixelSize ? grid : v;
}

std::string Fixed3(Extended v) { return rtl::FormatFloat("0.000", v); }

// The root of the parsed formula, nil when it does not parse.
TreePtr ParsedRoot(const std::string& text) {
  TreePtr tree = ParseExpression(text, 2);
  if (!eng.ParseOK) return nullptr;
  return tree;
}

}  // namespace

TWorldPoint SnappedToGrid(int px, int py) {
  const bool dense = doc.GridSettings.kind == 2;
  return {SnapCoordinate(doc.ViewRange.XMin + px * doc.PixelSizeX, eng.XTickStep, doc.PixelSizeX, dense),
          SnapCoordinate(doc.ViewRange.YMax - py * doc.PixelSizeY, eng.YTickStep, doc.PixelSizeY, dense)};
}

TWorldPoint SnapToGrid(int px, int py) {
  if (modes.SnapMode == 1) return SnappedToGrid(px, py);
  return {doc.ViewRange.XMin + px * doc.PixelSizeX, doc.ViewRange.YMax - py * doc.PixelSizeY};
}

void PanViewRange(int x1, int y1, int x2, int y2) {
  const Extended dx = (x2 - x1) * doc.PixelSizeX;
  const Extended dy = (y2 - y1) * doc.PixelSizeY;
  doc.ViewRange.XMin -= dx;
  doc.ViewRange.XMax -= dx;
  doc.ViewRange.YMin += dy;
  doc.ViewRange.YMax += dy;
}

std::string RangeText() {
  if (doc.Dimension == 3) {
    const Extended r = doc.SpaceRange;
    return " " + Fixed3(-r) + sj("≦x≦") + Fixed3(r) + "  " + Fixed3(-r) + sj("≦y≦") + Fixed3(r) + "  " + Fixed3(-r) +
           sj("≦Z≦") + Fixed3(r);
  }
  const int system = doc.CoordinateSystem;
  const std::string& x = system == 3 || system == 4 ? sj("≦log10(x)≦") : sj("≦x≦");
  const std::string& y = system == 2 || system == 3 ? sj("≦log10(y)≦") : sj("≦y≦");
  const TViewRange& v = doc.ViewRange;
  return "  " + Fixed3(v.XMin) + x + Fixed3(v.XMax) + "  " + Fixed3(v.YMin) + y + Fixed3(v.YMax);
}

std::string FigureDescription(const Tfuncprop& entry) {
  switch (entry.kind) {
    case kKindExplicit:
    case kKindDerivative:
      return "y=" + entry.texts[0];
    case kKindRelation:
      return entry.texts[0];
    case kKindParametric:
      return "x=" + entry.texts[0] + " , y=" + entry.texts[1];
    case kKindPolar:
      return "r=" + entry.texts[0];
    case kKindFigure:
      return entry.subkind == 8 ? sj("円周") : sj("線分");
    case kKindPoint:
      return entry.subkind == 255 ? "( " + entry.texts[0] + " , " + entry.texts[1] + " )" : std::string();
    default:
      return {};
  }
}

std::string FormatCoordinate(Extended value, Extended step) {
  struct Grain {
    Extended upTo;
    const char* pattern;
    Extended factor;
  };
  static constexpr Grain grains[] = {
      {5e-5L, "0.00000", 50000}, {5e-4L, "0.0000", 5000}, {0.005L, "0.000", 500}, {0.05L, "0.00", 50}, {0.5L, "0.0", 5},
  };
  const char* pattern = "0";
  Extended factor = 1;
  for (const Grain& g : grains) {
    if (step <= g.upTo) {
      pattern = g.pattern;
      factor = g.factor;
      break;
    }
  }
  const Extended rounded = rtl::RoundToEven(value * factor) / factor;
  if (3 * step >= std::fabs(rounded - value)) value = rounded;
  return rtl::FormatFloat(pattern, value);
}

std::string InsertBeforeExtension(const std::string& fileName, const std::string& insert) {
  // Only the file name's own dot counts, never one of a folder.
  const size_t slash = fileName.rfind('/');
  const size_t dot = fileName.find('.', slash == std::string::npos ? 0 : slash + 1);
  if (dot == std::string::npos) return fileName + insert;
  return fileName.substr(0, dot) + insert + fileName.substr(dot);
}

bool FormulaIsEquation(const std::string& text) {
  const TreePtr tree = ParsedRoot(text);
  return tree && (tree->code == node::Equal ||
                  (tree->code == node::Product && tree->right && tree->right->code == node::Equal));
}

int EquationKindOfFormula(const std::string& text) {
  const TreePtr tree = ParsedRoot(text);
  return tree && tree->code == node::Equal ? 1 : 2;
}

int MapStyleCode(int code, int fallback) { return code >= 0 && code <= 3 ? code : fallback; }

int ClampStyleCode(int code) { return code >= 1 && code <= 3 ? code : 0; }

void ClearRowRecords(std::span<TListRow> rows, int last) {
  for (int i = 0; i <= last && i < static_cast<int>(rows.size()); ++i) rows[i] = TListRow{0, 0, 0, 0, kNoRowAction};
}

void UpdateAxisLabelFlag() { doc.AxisLabelFlag = doc.CoordinateSystem == 0 && doc.KindCounts[kKindExplicit] > 0; }

void UpdateArrowHints() {
  const bool space = doc.Dimension == 3;
  const std::string prefix = space ? "視点を" : "";
  const std::string verb = space ? "回転" : "移動";
  const std::string hints[4] = {prefix + "左方向に" + verb, prefix + "右方向に" + verb, prefix + "上方向に" + verb,
                                prefix + "下方向に" + verb};
  EngineHost().SetArrowHints(hints);
}

void RedrawAndShowValueForm() {
  EngineHost().RedrawAll();
  if (doc.ParametersInUse) {
    modes.AnimationMode = 0;
    EngineHost().ShowParameterPanel();
  } else {
    modes.AnimationMode = 6;
  }
}

void ResetParameterInterval() {
  doc.IntervalLowerText = "0";
  doc.IntervalUpperText = "0";
  EngineHost().SetIntervalTexts("0.000", "0.000");
  ClearUsageFlags();
  RecomputeParameterUsage();
  doc.IntervalMode = 0;
  EngineHost().RefreshNavigator();
  modes.AnimationMode = 6;
}
