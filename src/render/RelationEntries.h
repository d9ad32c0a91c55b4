#pragma once
// Entries of equations and inequalities in x and y (kind 3).
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"

// On Cartesian and polar axes: the relation text parsed anew, the area where it holds
// hatched by the entry's brush style and colour, and its boundary curves drawn in the
// entry's colour and width (strict inequalities grey) unless the entry hides its boundary.
// Nothing on logarithmic axes or for a text that does not parse.
void DrawInequalityEntry(gfx::Canvas& canvas, const Tfuncprop& entry);
