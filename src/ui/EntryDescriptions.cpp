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
  switch (code) {
    case 1:
    case 36:
      return a + sj("の重心");
    case 2:
    case 37:
      return a + sj("の外心");
    case 3:
    case 38:
      return a + sj("の内心");
    case 4:
      return a + sj("の垂心");
    case 5:
      return a + sj("の") + b + sj("の外の傍心");
    case 6:
      return a + sj("から") + b + sj("に下した垂線の足");
    case 7:
      return a + sj("と") + b + sj("に関して対称な点");
    case 8:
      return a + sj("と") + b + sj("の交点");
    case 9:
      return sj("点") + a + sj("を中心に点") + b + sj("を回転");
    case 10:
      return a + sj("上の点");
    case 11:
      return b + sj("から") + a + sj("に") + sj("引いた左側の接線の接点");
    case 12:
      return b + sj("から") + a + sj("に") + sj("引いた右側の接線の接点");
    case 13:
      return a + sj("と円s") + b + sj("との交点");
    case 15:
    case 40:
      return a + sj("と直線") + b + sj("との交点");
    case 16:
    case 17:
      return a + sj("とs") + b + sj("との共通外接線のs") + a + sj("上の接点");
    case 18:
    case 19:
      return a + sj("とs") + b + sj("との共通内接線のs") + a + sj("上の接点");
    case 25:
      return a + sj("の九点円の中心");
    case 26:
      return a + sj("から直線s") + b + sj("に下した垂線の足");
    case 27:
      return a + sj("と直線s") + b + sj("に関して対称な点");
    case 28:
      return sj("直線s") + a + sj("と直線s") + b + sj("の交点");
    case 30:
      return sj("球面s") + a + sj("上の点");
    case 31:
      return a + sj("から平面(円)s") + b + sj("に下した垂線の足");
    case 32:
      return a + sj("から") + b + sj("を含む平面への垂線の足");
    case 33:
      return a + sj("を通り") + b + sj("を含む平面の法線上の点");
    case 34:
      return sj("軸") + a + sj("を中心に点") + b + sj("を回転");
    case 35:
      return sj("直線") + a + sj("と") + b + sj("を含む平面の交点");
    case 39:
      return sj("四面体") + a + sj("の") + rtl::Copy(a, 2, 3) + sj("の外の傍心");
    case 45:
      return sj("直線") + a + sj("と") + b + sj("との交点");
    default:
      return {};
  }
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
  const int code = entry.signedSubkind();
  std::string a = entry.texts[0];
  std::string b = entry.texts[1];
  switch (code) {
    case -1:
      return doc.Dimension == 3 ? sj("空間の点") : sj("平面の点");
    case 100:
      return sj("点列");
    case 0:
    case 20:
    case 21: {
      const char* verb = code == 0 ? "分ける点" : code == 20 ? "内分する点" : "外分する点";
      return sj("線分") + Or(a, "**") + sj("を ") + b + sj(" ： ") + entry.texts[3] + sj(" に") + sj(verb);
    }
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 25:
      a = sj("△") + Or(a, "***");
      if (code == 5) b = Or(b, "**");
      break;
    case 6:
    case 7:
      a = sj("点") + Or(a, "*");
      b = sj("直線") + Or(b, "**");
      break;
    case 8:
      a = sj("直線") + Or(a, "**");
      b = sj("直線") + Or(b, "**");
      break;
    case 36:
    case 37:
    case 38:
      a = sj("四面体") + Or(a, "****");
      break;
    case 39:
      a = Or(a, "****");
      break;
    case 40:
      a = sj("球s") + Or(a, "*");
      b = Or(b, "**");
      break;
    case 45:
      a = Or(a, "**");
      b = sj("平面s") + Or(b, "*");
      break;
    default:
      if (code >= 9 && code <= 19) {
        a = Or(a, "*");
        b = Or(b, "*");
        if (code > 9) a = sj("円s") + a;
      }
      break;
  }
  std::string text = PointSentence(code, a, b);
  if (code == 16 || code == 18) text += "1";
  if (code == 17 || code == 19) text += "2";
  return text;
}

std::string DescribePointEntry(int entry) {
  return IsEntryNumber(entry) ? DescribePointEntry(doc.FigureTable[entry]) : std::string();
}
