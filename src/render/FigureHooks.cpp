#include "render/FigureHooks.h"

TFigureHooks FigureHooks;
