#pragma once
// The fourteen parameters of the parameter panel and the orders they are kept in: the
// rows top to bottom, the button codes, the change list, the increments and the cells.
// Row indices 0..13 follow the panel's layout: a, b, c, d, h, k, m, n, p, q, ω, θ, s, t.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Extended.h"

struct ParameterRow {
  char letter;              // letter of VariableValues: 'r' is θ, 'o' is ω
  const char* name;         // component names: "a" gives aupv, valua, aincv ...
  const char* panelName;    // the row panel ("apanel", "h_panel", "sitapanel" ...)
  const char* caption;      // the row panel's caption (UTF-8)
  const char* valueCaption; // the question when a value is typed (UTF-8)
  int changeCode;           // code in the change list
  int incrementSlot;        // 1..14 of ParameterIncrements
  int upCode;               // button code of the up button; down = up + 14
  int nodeCode;             // index of ParameterUsed
};

inline constexpr int kParameterRowCount = 14;
inline constexpr int kThetaRow = 11;
inline constexpr int kOmegaRow = 10;
inline constexpr int kAllUpCode = 28;
inline constexpr int kAllDownCode = 29;

extern const std::array<ParameterRow, kParameterRowCount> kParameterRows;
// Rows in the order the change list is rebuilt: a, b, c, d, p, q, t, k, s, h, m, n; θ and ω
// come after them.
extern const std::array<int, 12> kChangeListRowOrder;

// The row of a value button code 0..27 (down buttons are up + 14); -1 for others.
int RowOfButtonCode(int code);
inline bool IsAngleRow(int row) { return row == kThetaRow || row == kOmegaRow; }

// x written with the pattern "0.000" and read back.
Extended RoundTo3Decimals(Extended x);

// Radians of an angle shown in degrees or in multiples of π.
Extended AngleRadians(Extended display, bool degrees);

// The text of a value panel: fixed with three decimals; θ and ω with two decimals and "ﾟ"
// in degrees or three decimals and "π". UTF-8.
std::string ParameterValueText(Extended value);
std::string AngleValueText(Extended display, bool degrees);
// The text of an increment panel.
std::string IncrementText(Extended increment);
// Its font colour ($BBGGRR): grey for 0, blue for a rise, red for a fall.
uint32_t IncrementColor(Extended increment);
