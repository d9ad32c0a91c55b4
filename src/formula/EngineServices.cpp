#include "formula/EngineServices.h"

EngineServices engineServices;
