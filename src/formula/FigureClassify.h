#pragma once
// Classification of points and figures by what their texts depend on: which coordinates
// or measures a mouse drag may rewrite (`dragClass`) and in which order the coordinate
// texts of a point are evaluated (`dragAxes`).
#include <string>

#include "formula/Tfuncprop.h"

// What a formula uses, by the codes below; 10 also for an empty text or one that does not
// parse. A reference to a point, a defined constant, the tick steps or an angle form makes
// a text without x, y and z count as 9: it is no plain constant a drag may overwrite.
enum : int {
  kVarsConstant = 0,
  kVarsPlusConstant = 1,  // a constant written with a leading "+": pinned against dragging
  kVarsX = 2,
  kVarsY = 3,
  kVarsZ = 4,
  kVarsXY = 5,
  kVarsYZ = 6,
  kVarsXZ = 7,
  kVarsXYZ = 8,
  kVarsOther = 9,  // none of x, y, z, but another letter or a reference
  kVarsNone = 10,
};
int VariableSetOfFormula(const std::string& text);

// dragClass and dragAxes of a point given by coordinates (first, second and fourth text).
void ClassifyCoordinatePoint(Tfuncprop& entry);
// dragClass and dragAxes of a figure or point for the current dimension; in space only
// points are classified. A point by coordinates in space gets "0" as an empty z text.
void ClassifyFigure(Tfuncprop& entry);

// On the switch between plane and space, while Dimension still names the dimension being
// left: removes the entries the other dimension cannot show, turns constructed points that
// it cannot build into points by coordinates and classifies division points for it.
void KeepCommonFigures();
