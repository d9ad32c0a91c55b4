#pragma once
// The check a text passes before the formula keyboard hands it back: it must parse, as a
// check and as a symbolic tree, and it must not use the variables its kind forbids:
//   kinds 0, 13  y, t, z        kinds 3, 12  x, y, z        kind 11  x
//   kinds 1, 2   t, z           kinds 5, 10  x, y           kinds 7, 8  every letter, π
// Every other kind (4: the definitions F and Q) has no variable check.
#include <cstdint>
#include <string>

// True when the (non-empty) text is accepted for the kind.
bool KeyboardTextAccepted(const std::string& cp932, std::uint8_t kind);

// Where the caret goes after a refusal: the parser's error position, which counts bytes of
// the normalised text, carried back into the typed text, the caret just behind the
// character at which reading failed (behind the whole word or sign when that character
// came from one, such as "sqrt(" from "√").
int ErrorCaretInTypedText(const std::string& cp932, int parseErrorPos);
