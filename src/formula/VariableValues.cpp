#include "formula/VariableValues.h"

#include <cmath>

Extended ReadVariable(const TVariableValues& values, char letter) {
  const VariableSlot slot = SlotOfLetter(letter);
  switch (slot.home) {
    case VariableHome::Cell: return values.cells[slot.cell];
    case VariableHome::X: return values.X;
    case VariableHome::Y: return values.Y;
    case VariableHome::Z: return values.Z;
    case VariableHome::T: return values.T;
    case VariableHome::Euler: return std::exp(1.0L);
    case VariableHome::None: break;
  }
  return 0;
}

void WriteVariable(TVariableValues& values, char letter, Extended value) {
  const VariableSlot slot = SlotOfLetter(letter);
  switch (slot.home) {
    case VariableHome::Cell: values.cells[slot.cell] = static_cast<float>(value); break;
    case VariableHome::X: values.X = value; break;
    case VariableHome::Y: values.Y = value; break;
    case VariableHome::Z: values.Z = value; break;
    case VariableHome::T: values.T = value; break;
    case VariableHome::Euler:
    case VariableHome::None: break;
  }
}
