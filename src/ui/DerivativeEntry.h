#pragma once
// The entry window's "導関数表示": a derivative entry (kind 2) for an explicit function.

// Inserts the derivative of explicit function `source` into the derivative group, in the
// order of the functions they derive from, and links the two; the entries behind it move
// up with every reference to them. Its formula is the derivative of the source's with
// respect to x. Returns the new entry's number, 0 (nothing changed) when `source` is no
// explicit function or the table is full.
int InsertDerivativeEntry(int source);
