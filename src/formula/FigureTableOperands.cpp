#include "formula/FigureTableOperands.h"

#include "formula/DocumentState.h"
#include "platform/Runtime.h"

namespace {
constexpr TextRole _ = TextRole::None;
constexpr TextRole L = TextRole::Letters;
constexpr TextRole S = TextRole::Formula;
constexpr TextRole F = TextRole::Figure;
}  // namespace

TextRoles PointOperandRoles(int code) {
  switch (code) {
    case 0:  // division points: AB, ratio m, ratio n
    case 20:
    case 21:
      return {L, S, _, S, _};
    case 1:  // triangle and tetrahedron centres
    case 2:
    case 3:
    case 4:
    case 5:
    case 25:
    case 36:
    case 37:
    case 38:
    case 39:
      return {L, _, _, _, _};
    case 6:  // a point and a line, two lines, a point and a plane by three points
    case 7:
    case 8:
    case 32:
    case 33:
    case 35:
      return {L, L, _, _, _};
    case 9:  // rotations: centre or axis, point, angle, ratio
    case 34:
      return {L, L, _, S, S};
    case 10:  // on a circle at an angle
      return {F, S, _, _, _};
    case 11:  // a circle or sphere and points
    case 12:
    case 15:
    case 40:
      return {F, L, _, _, _};
    case 13:  // two circles, two line figures
    case 16:
    case 17:
    case 18:
    case 19:
    case 28:
      return {F, F, _, _, _};
    case 26:  // a point (or line) and a line or plane figure
    case 27:
    case 31:
    case 45:
      return {L, F, _, _, _};
    case 30:  // on a sphere at latitude and longitude
      return {F, S, _, S, _};
    default:
      return {};
  }
}

TextRoles FigureOperandRoles(int type, int dimension) {
  const bool space = dimension == 3;
  switch (type) {
    case 1:  // a point (in `letter`) and a direction or normal
      return space ? TextRoles{_, S, S, S, _} : TextRoles{_, S, S, _, _};
    case 6:
      return {L, _, _, _, _};
    case 7:  // polygon; in space a geodesic on a sphere figure
      return space ? TextRoles{F, L, _, _, _} : TextRoles{L, _, _, _, _};
    case 8:  // centre and radius
    case 12:
      return {L, S, _, _, _};
    case 9:  // in space a circle: centre, normal, radius
      return space ? TextRoles{L, S, S, S, S} : TextRoles{L, L, S, _, _};
    case 10:  // Bézier curve; in space a circle on a sphere figure
      return space ? TextRoles{F, S, S, S, S} : TextRoles{L, _, _, _, _};
    case 11:
      return {L, L, S, _, _};
    default:
      return {};
  }
}

int KindGroupStart(int kind) {
  int start = 1;
  for (int k = 1; k < kind && k <= 10; ++k) start += doc.KindCounts[k];
  return start;
}

int FigureEntryOfNumber(const std::string& text) {
  int64_t n = 0;
  if (!rtl::TryStrToInt(rtl::Trim(text), n) || n < 1 || n > doc.KindCounts[kKindFigure]) return 0;
  const int64_t e = KindGroupStart(kKindFigure) + n - 1;
  if (e > doc.EntryCount || e > kMaxEntries || doc.FigureTable[static_cast<int>(e)].kind != kKindFigure) return 0;
  return static_cast<int>(e);
}
