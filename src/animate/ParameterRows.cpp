#include "animate/ParameterRows.h"

#include <cmath>

#include "platform/Runtime.h"

namespace {
constexpr Extended kPi = 3.14159265358979323846264338327950288L;
}

// clang-format off
const std::array<ParameterRow, kParameterRowCount> kParameterRows = {{
    {'a', "a",    "apanel",    " a=", "aの値",  1,  1,  0, 10001},
    {'b', "b",    "bpanel",    " b=", "bの値",  2,  2,  1, 10002},
    {'c', "c",    "cpanel",    " c=", "cの値",  3,  3,  2, 10003},
    {'d', "d",    "dpanel",    " d=", "dの値",  4,  4,  3, 10004},
    {'h', "h",    "h_panel",   " h=", "hの値",  8, 12, 13, 10008},
    {'k', "k",    "k_Panel",   " k=", "kの値", 11, 10, 11, 10009},
    {'m', "m",    "mpanel",    " m=", "mの値", 13, 13,  4, 10011},
    {'n', "n",    "npanel",    " n=", "nの値", 14, 14,  5, 10012},
    {'p', "p",    "ppanel",    " p=", "pの値", 16,  8,  6, 10013},
    {'q', "q",    "qpanel",    " q=", "qの値", 17,  9,  7, 10014},
    {'o', "w",    "wpanel",    "ω=",  "ωの値", 15,  7,  9, 10015},
    {'r', "sita", "sitapanel", "θ=",  "θの値", 18,  6,  8, 10016},
    {'s', "s",    "s_Panel",   " s=", "sの値", 19, 11, 12, 10017},
    {'t', "t",    "t_Panel",   " t=", "tの値", 20,  5, 10, 10023},
}};
// clang-format on

// a, b, c, d, p, q, t, k, s, h, m, n
const std::array<int, 12> kChangeListRowOrder = {0, 1, 2, 3, 8, 9, 13, 5, 12, 4, 6, 7};

int RowOfButtonCode(int code) {
  if (code < 0 || code > 27) return -1;
  const int up = code % 14;
  for (int row = 0; row < kParameterRowCount; ++row)
    if (kParameterRows[row].upCode == up) return row;
  return -1;
}

Extended RoundTo3Decimals(Extended x) {
  if (!std::isfinite(x)) return x;
  Extended back = x;
  rtl::TryStrToFloat(rtl::FormatFloat("0.000", x), back);
  return back;
}

Extended AngleRadians(Extended display, bool degrees) {
  return degrees ? display * kPi / 180 : display * kPi;
}

std::string ParameterValueText(Extended value) { return rtl::FloatToStrFixed(value, 10, 3); }

std::string AngleValueText(Extended display, bool degrees) {
  return degrees ? rtl::FloatToStrFixed(display, 10, 2) + "ﾟ" : rtl::FloatToStrFixed(display, 10, 3) + "π";
}

std::string IncrementText(Extended increment) { return rtl::FloatToStrFixed(increment, 10, 3); }

uint32_t IncrementColor(Extended increment) {
  if (increment > 0) return 0xFF0000;
  if (increment < 0) return 0x0000FF;
  return 0x808080;
}
