#include "ui/GraphViewHooks.h"

TGraphViewHooks GraphViewHooks;
