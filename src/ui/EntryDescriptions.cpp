#include "ui/EntryDescriptions.h"

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "ui/PaletteModel.h"

namespace {

// The text, or the placeholder while it is still empty.
std::string Or(const std::string& text, const char* placeholder) { return text.empty() ? placeholder : text; }

bool IsEntryNumber(int entry) { return entry >= 1 && entry <= kMaxEntries; }

// The sentence of step 2, from the operands A and B prepared in step 1.
std::string PointSentence(int code, const std::string& a, const std::string& b) {
  switch (static_cast<ConstructionCode>(code)) {
    case kCentroid:
    case kTetrahedronCentroid:
      return a + sj("の重心");
    case kCircumcentre:
    case kTetrahedronCircumcentre:
      return a + sj("の外心");
    case kIncentre:
    case kInsphereCentre:
      return a + sj("の内心");
    case kOrthocentre:
      return a + sj("の垂心");
    case kExcentre:
      return a + sj("の") + b + sj("の外の傍心");
    case kFoot:
      return a + sj("から") + b + sj("に下した垂線の足");
    case kReflection:
      return a + sj("と") + b + sj("に関して対称な点");
    case kLineIntersection:
      return a + sj("と") + b + sj("の交点");
    case kRotation:
      return sj("点") + a + sj("を中心に点") + b + sj("を回転");
    case kPointOnCircle:
      return a + sj("上の点");
    case kTangentLeft:
      return b + sj("から") + a + sj("に") + sj("引いた左側の接線の接点");
    case kTangentRight:
      return b + sj("から") + a + sj("に") + sj("引いた右側の接線の接点");
    case kCircleIntersection:
      return a + sj("と円s") + b + sj("との交点");
    case kLineSphere:
    case kLineSphereSpace:
      return a + sj("と直線") + b + sj("との交点");
    case kOuterTangent1:
    case kOuterTangent2:
      return a + sj("とs") + b + sj("との共通外接線のs") + a + sj("上の接点");
    case kInnerTangent1:
    case kInnerTangent2:
      return a + sj("とs") + b + sj("との共通内接線のs") + a + sj("上の接点");
    case kNinePointCentre:
      return a + sj("の九点円の中心");
    case kFootOnLineFigure:
      return a + sj("から直線s") + b + sj("に下した垂線の足");
    case kReflectionInLineFigure:
      return a + sj("と直線s") + b + sj("に関して対称な点");
    case kLineFigureIntersection:
      return sj("直線s") + a + sj("と直線s") + b + sj("の交点");
    case kPointOnSphere:
      return sj("球面s") + a + sj("上の点");
    case kFootOnPlaneFigure:
      return a + sj("から平面(円)s") + b + sj("に下した垂線の足");
    case kFootOnPlane:
      return a + sj("から") + b + sj("を含む平面への垂線の足");
    case kPointOnNormal:
      return a + sj("を通り") + b + sj("を含む平面の法線上の点");
    case kRotationAboutAxis:
      return sj("軸") + a + sj("を中心に点") + b + sj("を回転");
    case kLinePlane:
      return sj("直線") + a + sj("と") + b + sj("を含む平面の交点");
    case kExsphereCentre:
      return sj("四面体") + a + sj("の") + rtl::Copy(a, 2, 3) + sj("の外の傍心");
    case kLinePlaneFigure:
      return sj("直線") + a + sj("と") + b + sj("との交点");
    case kDivisionPoint:  // described without a sentence
    case kInternalDivision:
    case kExternalDivision:
    case kPointSequence:
    case kByCoordinates:
      break;
  }
  return {};
}

}  // namespace

std::string DescribeFigureEntry(const Tfuncprop& entry) {
  const bool space = doc.Dimension == 3;
  const std::string& a = entry.texts[0];
  const std::string& b = entry.texts[1];
  switch (entry.subkind) {
    case 1:
      return sj("点") + a + sj("と") + (space ? sj("法線") : sj("方向")) + sj("で決まる") +
             (space ? sj("平面") : sj("直線"));
    case 2:
      return sj("直線") + a + b;
    case 3:
      return sj("線分") + a + b;
    case 4:
      return sj("線分") + a + sj("→") + b;
    case 5:
      return sj("半直線") + a + b;
    case 6:
      return a.empty() ? sj("折れ線") : a + sj("を結んだ折れ線");
    case 7:
      if (space) return sj("球面s") + Or(a, "*") + sj("上の") + Or(b, "**") + sj("を結ぶ最短路");
      return sj("多角形") + a + sj("(周囲+内部)");
    case 8:
      return sj("中心") + a + sj("半径") + b + (space ? sj("の球") : sj("の円"));
    case 9:
      if (space) return sj("中心") + a + sj("半径") + entry.texts[4] + sj("の円");
      return sj("線分") + a + b + sj("の補助線");
    case 10:
      return sj(GetFigureToolCaption(10));
    case 11:
      return b + sj("を中心とし") + a + sj("を始点とする弧");
    case 12:
      return sj("∠") + a + sj("の補助線");
    default:
      return {};
  }
}

std::string DescribeFigureEntry(int entry) {
  return IsEntryNumber(entry) ? DescribeFigureEntry(doc.FigureTable[entry]) : std::string();
}

std::string DescribePointEntry(const Tfuncprop& entry) {
  const int code = entry.subkind;
  std::string a = entry.texts[0];
  std::string b = entry.texts[1];
  switch (static_cast<ConstructionCode>(code)) {
    case kByCoordinates:
      return doc.Dimension == 3 ? sj("空間の点") : sj("平面の点");
    case kPointSequence:
      return sj("点列");
    case kDivisionPoint:
    case kInternalDivision:
    case kExternalDivision: {
      const char* verb = code == kDivisionPoint ? "分ける点" : code == kInternalDivision ? "内分する点" : "外分する点";
      return sj("線分") + Or(a, "**") + sj("を ") + b + sj(" ： ") + entry.texts[3] + sj(" に") + sj(verb);
    }
    case kCentroid:
    case kCircumcentre:
    case kIncentre:
    case kOrthocentre:
    case kExcentre:
    case kNinePointCentre:
      a = sj("△") + Or(a, "***");
      if (code == kExcentre) b = Or(b, "**");
      break;
    case kFoot:
    case kReflection:
      a = sj("点") + Or(a, "*");
      b = sj("直線") + Or(b, "**");
      break;
    case kLineIntersection:
      a = sj("直線") + Or(a, "**");
      b = sj("直線") + Or(b, "**");
      break;
    case kTetrahedronCentroid:
    case kTetrahedronCircumcentre:
    case kInsphereCentre:
      a = sj("四面体") + Or(a, "****");
      break;
    case kExsphereCentre:
      a = Or(a, "****");
      break;
    case kLineSphereSpace:
      a = sj("球s") + Or(a, "*");
      b = Or(b, "**");
      break;
    case kLinePlaneFigure:
      a = Or(a, "**");
      b = sj("平面s") + Or(b, "*");
      break;
    default:
      if (code >= kRotation && code <= kInnerTangent2) {
        a = Or(a, "*");
        b = Or(b, "*");
        if (code > kRotation) a = sj("円s") + a;
      }
      break;
  }
  std::string text = PointSentence(code, a, b);
  if (code == kOuterTangent1 || code == kInnerTangent1) text += "1";
  if (code == kOuterTangent2 || code == kInnerTangent2) text += "2";
  return text;
}

std::string DescribePointEntry(int entry) {
  return IsEntryNumber(entry) ? DescribePointEntry(doc.FigureTable[entry]) : std::string();
}
