#pragma once
// Keeping the figure table in shape: entries inserted into and removed from their kind's
// group, entries of old files converted, and the small lists the windows ask for.
//
// Entries refer to each other by number: a derivative to its source (`link`), a point
// construction to a figure ("3", the third figure), a formula to an explicit function
// ("y3"), and PointLetterEntry to each point's entry. Insertion and deletion keep every
// such reference on the entry it named.
#include "formula/Tfuncprop.h"

// Places the record at the end of its kind's group; the entries behind move up by one.
// The caller increments EntryCount afterwards. Refused (false, nothing changed) when the
// table is full or the kind is no entry kind.
bool InsertEntry(const Tfuncprop& record);
// Removes entry i; its kind's count and EntryCount decrease by one. A removed point's
// list is reset. Callers do not renumber references themselves.
void DeleteFigure(int i);

// Converts a record in the old kind numbering (0 derivative, 1 explicit, 2 equation "=0",
// 3 parametric, 4 polar with its centre in the second text, 5 point, 6 figure given by end
// coordinates, 7 relation) and inserts it; EntryCount increases. False when it was not
// inserted: an unknown old kind, a full table, or a point beyond the 25th.
bool ConvertOldFigure(Tfuncprop record);
// The number, counted among the point entries from firstPointEntry, of the first point
// whose first and second texts equal the record's; 0 when none.
int FindPointByCoordinates(int firstPointEntry, const Tfuncprop& record);
// Turns the figures of old files, given by end coordinates, into segments between two
// points, reusing equal points and adding the others. False when a point could not be
// added (a full table or a 26th point); the figures before it are converted.
bool LinkSegmentPoints();

// Number of point entries whose point list holds exactly one point.
int CountSinglePointFigures();
// Every point's list back to one valid point (0, 0, 0).
void ResetPointLists();
// Writes into FigureKindList the numbers (counted among the figures) of the circles, or
// of the lines, segments and rays (types 1..5 in the plane, 2..5 in space); the count.
int ListCircleFigures();
int ListLineFigures();
