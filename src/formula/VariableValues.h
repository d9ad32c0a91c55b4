#pragma once
// The current values of the letter variables and the one mapping between letters, node
// codes, change-list codes, single-precision cells and parameter increment slots.
//
// Letters are 'a'..'z'; 'o' stands for ω and 'r' for θ (both in radians).
//   cells 1..19  a..s by alphabet position (ω in 15, θ in 18), cells 20..22 u, v, w;
//   t, x, y, z live only in the 80-bit T, X, Y, Z; e reads Euler's number.
//   node code     10000 + position in "abcdefghklmnpqorsuvwijtxyz"
//   change code   alphabet position (a 1 ... t 20 ... z 26)
//   increment     1..14 in the order a, b, c, d, t, θ, ω, p, q, k, s, h, m, n
#include <cstdint>

#include "platform/Extended.h"
#include "platform/OneBased.h"

struct TVariableValues {
  OneBased<float, 1, 22> cells;
  Extended X = 0, Y = 0, Z = 0, T = 0;
  bool operator==(const TVariableValues&) const = default;
};

enum class VariableHome : uint8_t { None, Cell, X, Y, Z, T, Euler };

struct VariableSlot {
  VariableHome home = VariableHome::None;
  uint8_t cell = 0;  // 1..22 when home is Cell
};

inline constexpr char kNodeLetterOrder[] = "abcdefghklmnpqorsuvwijtxyz";
inline constexpr char kIncrementLetterOrder[] = "abcdtropqkshmn";
// Node codes of the 14 parameters: a, b, c, d, h, k, m, n, p, q, ω, θ, s, t.
inline constexpr int kParameterCodes[14] = {10001, 10002, 10003, 10004, 10008, 10009, 10011,
                                            10012, 10013, 10014, 10015, 10016, 10017, 10023};

constexpr int AlphabetPosition(char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 1 : 0; }

constexpr VariableSlot SlotOfLetter(char c) {
  switch (c) {
    case 'e': return {VariableHome::Euler, 0};
    case 't': return {VariableHome::T, 0};
    case 'x': return {VariableHome::X, 0};
    case 'y': return {VariableHome::Y, 0};
    case 'z': return {VariableHome::Z, 0};
    case 'u': case 'v': case 'w': return {VariableHome::Cell, static_cast<uint8_t>(20 + (c - 'u'))};
    default:
      if (c >= 'a' && c <= 's') return {VariableHome::Cell, static_cast<uint8_t>(AlphabetPosition(c))};
      return {};
  }
}

constexpr int NodeCodeOfLetter(char c) {
  for (int k = 0; kNodeLetterOrder[k]; ++k)
    if (kNodeLetterOrder[k] == c) return 10001 + k;
  return 0;
}

// 0 for codes outside 10001..10026.
constexpr char LetterOfNodeCode(int code) {
  return (code >= 10001 && code <= 10026) ? kNodeLetterOrder[code - 10001] : '\0';
}

constexpr int ChangeCodeOfLetter(char c) { return AlphabetPosition(c); }
constexpr char LetterOfChangeCode(int code) {
  return (code >= 1 && code <= 26) ? static_cast<char>('a' + code - 1) : '\0';
}

// 1..14, 0 for letters that are not parameters.
constexpr int IncrementSlotOfLetter(char c) {
  for (int k = 0; kIncrementLetterOrder[k]; ++k)
    if (kIncrementLetterOrder[k] == c) return k + 1;
  return 0;
}
constexpr char LetterOfIncrementSlot(int slot) {
  return (slot >= 1 && slot <= 14) ? kIncrementLetterOrder[slot - 1] : '\0';
}

constexpr bool IsParameterLetter(char c) { return IncrementSlotOfLetter(c) != 0; }

// Reads widen a single-precision cell; Euler's number for e; 0 for letters with no home.
Extended ReadVariable(const TVariableValues& values, char letter);
// Writes round to the nearest single-precision value for cells.
void WriteVariable(TVariableValues& values, char letter, Extended value);
