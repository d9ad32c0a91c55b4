#pragma once
// Curves r = f(t) about a centre (kind 6), drawn only on Cartesian and polar axes. A
// constant radius is a true circle or arc; any other radius is drawn as the parametric
// curve x = r cos t + cx, y = r sin t + cy.
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"

void DrawPolarCurve(gfx::Canvas& canvas, const Tfuncprop& entry);
