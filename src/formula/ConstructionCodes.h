#pragma once
// The constructions by code, below ComputeConstructedPoint: operands read from the
// entry's texts, then the construction. Codes by coordinates (255) and point sequences
// (100) are handled by the caller.
#include "formula/SpacePoint.h"
#include "formula/Tfuncprop.h"

// `entry` is the table's entry `entryNumber`; `point` holds the point's previous record and
// receives the result.
void ConstructByCode(int entryNumber, const Tfuncprop& entry, TSpacePoint& point);
