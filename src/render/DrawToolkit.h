#pragma once
// The drawing toolkit every plane picture goes through (the projected space picture
// too): world <-> pixel mapping, output colours, print scaling, clipped lines, markers,
// arrowheads, arcs and the mixed Japanese/Latin text writer. Every primitive draws on the
// canvas it is given or, while settings.DrawToMetafile is set, on settings.MetafileCanvas.
#include "render/DrawToolkitColor.h"
#include "render/DrawToolkitFigures.h"
#include "render/DrawToolkitLines.h"
#include "render/DrawToolkitMapping.h"
#include "render/DrawToolkitOutput.h"
#include "render/DrawToolkitText.h"
