#pragma once
// The references between entries, kept on the entries they name while entries move.
#include <string>

// Entries target.. are about to move up by one.
void ShiftReferencesForInsert(int target);
// Entry i is about to be removed and the entries behind it to move down by one.
void ShiftReferencesForDelete(int i);

// The text with every reference "yN" to explicit function N > removed renumbered to N-1
// (the references read as the parser reads them; double-byte characters are skipped).
std::string RenumberExplicitReferences(const std::string& text, int removed);
