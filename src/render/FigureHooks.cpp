#include "render/FigureHooks.h"

#include "render/ImplicitRelations.h"

TFigureHooks FigureHooks{.plotImplicitList = PlotImplicitList};
