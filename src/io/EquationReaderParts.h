#pragma once
// Sections of the equation file reader shared between the current format and the
// sections only older generations hold.
#include "formula/Tlabelrec.h"
#include "io/EquationFile.h"
#include "io/EquationReader.h"

// A font size kept to 1..400; a style outside the four style bits is plain.
int32_t TakeFontSize(eqfile::LineReader& in);
uint8_t TakeFontStyle(eqfile::LineReader& in);
// Name, size and style.
void ReadFontFields(eqfile::LineReader& in, Tlfont& font);
// The entry count, or 0 for an empty line; the end of the file counts 0 too unless the
// file's version always writes the count.
int ReadEntryCount(eqfile::LineReader& in, const EquationReadContext& context);

// The space range a file's stored number means: older files kept it in other units.
Extended SpaceRangeOfStored(int version, float stored);

// The "label" section of older files (its key already taken).
void ReadOldLabels(eqfile::LineReader& in, const EquationReadContext& context);
// Entries in the layout of the two oldest generations, converted into the current kinds.
void ReadOldLayoutEntries(eqfile::LineReader& in, const EquationReadContext& context);
// After-image histories before version 446: groups skipped up to "end".
void SkipOldAfterImageHistory(eqfile::LineReader& in);
// Starting mode 7: groups of seven lines skipped up to "end".
void SkipStartingModeSeven(eqfile::LineReader& in);
