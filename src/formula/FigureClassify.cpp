#include "formula/FigureClassify.h"

#include <vector>

#include "formula/DocumentState.h"
#include "formula/FigureTable.h"
#include "formula/Parser.h"

namespace {

struct UsedSymbols {
  bool x = false, y = false, z = false, other = false;
};

bool IsReference(int32_t code) {
  return (code > node::PointXBase && code <= node::PointZBase + kMaxPoints) ||
         (code > node::ConstantBase && code <= node::ConstantBase + kMaxDefinitions + 1) || code == node::Latx ||
         code == node::Laty || code == node::Arg || code == node::Angle;
}

// One walk without recursion: parsed trees may be thousands of nodes deep.
UsedSymbols SymbolsOf(const Tfrec* tree) {
  UsedSymbols used;
  std::vector<const Tfrec*> pending;
  if (tree) pending.push_back(tree);
  while (!pending.empty()) {
    const Tfrec* n = pending.back();
    pending.pop_back();
    if (n->code == node::VarX) used.x = true;
    else if (n->code == node::VarY) used.y = true;
    else if (n->code == node::VarZ) used.z = true;
    else if ((n->code >= node::VarA && n->code <= node::VarT) || IsReference(n->code)) used.other = true;
    if (n->left) pending.push_back(n->left);
    if (n->right) pending.push_back(n->right);
  }
  return used;
}

bool IsPlainConstant(const std::string& text) { return VariableSetOfFormula(text) == kVarsConstant; }

// A coordinate code that fixes the coordinate (it does not depend on the others).
bool IsFixed(int code) {
  return code == kVarsConstant || code == kVarsPlusConstant || code == kVarsOther || code == kVarsNone;
}
bool UsesXOrY(int code) { return code == kVarsX || code == kVarsY || code == kVarsXY; }

int DragAxesOf(int x, int y, int z) {
  const bool zFixed = IsFixed(z);
  if (IsFixed(x) && IsFixed(y)) return zFixed ? 5 : UsesXOrY(z) ? 4 : 7;
  if (IsFixed(x) && y == kVarsX) return zFixed ? 0 : UsesXOrY(z) ? 2 : 7;
  if (x == kVarsY && IsFixed(y)) return zFixed ? 1 : UsesXOrY(z) ? 3 : 7;
  return 7;
}

int DragClassOf(bool x, bool y, bool z) {
  // Indexed by which of x, y, z are plain constants: x 4, y 2, z 1.
  static constexpr int classes[8] = {10, 6, 3, 5, 2, 4, 1, 0};
  return classes[(x ? 4 : 0) | (y ? 2 : 0) | (z ? 1 : 0)];
}

void ClassifyConstructedPoint(Tfuncprop& entry, bool space) {
  entry.dragAxes = 6;
  entry.dragClass = 10;
  if (space) return;  // a drag in space can move only coordinates
  if (entry.subkind == 0 && IsPlainConstant(entry.texts[1]) && IsPlainConstant(entry.texts[3]))
    entry.dragClass = 7;  // the ratio of a division point
  else if (entry.subkind == 10 && IsPlainConstant(entry.texts[1]))
    entry.dragClass = 8;  // the angle of a point on a circle
}

}  // namespace

int VariableSetOfFormula(const std::string& text) {
  if (text.empty()) return kVarsNone;
  // Without figure formulas point coordinates and constants stay leaves of their own.
  const uint8_t figureFormulas = eng.UseFigureFormulas;
  eng.UseFigureFormulas = 0;
  const TreePtr tree = ParseExpression(text, 2);
  eng.UseFigureFormulas = figureFormulas;
  const bool parsed = eng.ParseOK;
  const UsedSymbols used = SymbolsOf(tree.get());
  if (!parsed) return kVarsNone;
  static constexpr int codes[8] = {kVarsConstant, kVarsZ, kVarsY, kVarsYZ, kVarsX, kVarsXZ, kVarsXY, kVarsXYZ};
  const int code = codes[(used.x ? 4 : 0) | (used.y ? 2 : 0) | (used.z ? 1 : 0)];
  if (code != kVarsConstant) return code;
  if (used.other) return kVarsOther;
  return text[0] == '+' ? kVarsPlusConstant : kVarsConstant;
}

void ClassifyCoordinatePoint(Tfuncprop& entry) {
  const int x = VariableSetOfFormula(entry.texts[0]);
  const int y = VariableSetOfFormula(entry.texts[1]);
  const int z = VariableSetOfFormula(entry.texts[3]);
  entry.dragClass = static_cast<uint8_t>(DragClassOf(x == kVarsConstant, y == kVarsConstant, z == kVarsConstant));
  entry.dragAxes = static_cast<uint8_t>(DragAxesOf(x, y, z));
}

void ClassifyFigure(Tfuncprop& entry) {
  const bool coordinates = entry.subkind == 255;
  if (doc.Dimension == 3) {
    if (entry.kind != kKindPoint) return;
    if (coordinates) {
      if (entry.texts[3].empty()) entry.texts[3] = "0";
      entry.dragAxes = 5;
      ClassifyCoordinatePoint(entry);
    } else if (entry.subkind < 128) {
      ClassifyConstructedPoint(entry, true);
    }
    return;
  }
  if (entry.kind == kKindFigure) {
    entry.dragClass = entry.subkind == 8 && IsPlainConstant(entry.texts[1]) ? 9 : 10;  // a circle's radius
  } else if (entry.kind == kKindPoint) {
    if (coordinates)
      ClassifyCoordinatePoint(entry);
    else
      ClassifyConstructedPoint(entry, false);
  }
}

void KeepCommonFigures() {
  const bool toSpace = doc.Dimension != 3;
  for (int e = 1; e <= doc.EntryCount;) {
    Tfuncprop& entry = doc.FigureTable[e];
    const bool kept = entry.kind == kKindParametric || entry.kind == kKindPoint ||
                      (entry.kind == kKindFigure && entry.subkind >= 2 && entry.subkind <= 6);
    if (!kept) {
      DeleteFigure(e);
      continue;
    }
    if (entry.kind == kKindPoint) {
      if (entry.letter >= 1 && entry.letter <= 28) doc.PointLetterEntry[entry.letter] = static_cast<uint8_t>(e);
      const int code = entry.subkind;
      if (code != 0 && code != 100 && code != 255) {
        // A construction the other dimension cannot build: left where it stood, at the origin.
        entry.subkind = 255;
        entry.texts = {"0", "0", "", "0", ""};
        ClassifyCoordinatePoint(entry);
      } else if (code == 255 && entry.dragAxes != 5) {
        entry.dragAxes = 5;
        entry.texts[0] = "0";
        entry.texts[1] = "0";
        entry.texts[2].clear();
        entry.texts[3] = "0";
        ClassifyCoordinatePoint(entry);
      } else if (code == 0) {
        // A drag in space would overwrite its letters and ratio with coordinates; back in
        // the plane it may change the ratio again.
        ClassifyConstructedPoint(entry, toSpace);
      }
    }
    ++e;
  }
}
