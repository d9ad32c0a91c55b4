#include <gtest/gtest.h>

#include "EntryFormFixture.h"
#include "ui/PointRename.h"

namespace {

TEST(PointRenameReferences, OnlyPointReferencesChange) {
  struct Case {
    const char* text;
    char from, to;
    const char* renamed;
  };
  const Case cases[] = {
      {"Ax+By", 'A', 'N', "Nx+By"},
      {"Max(Ax,1)", 'A', 'N', "Max(Nx,1)"},
      {"Max(Mx,1)+MinV([0,1],x)+Mi", 'M', 'N', "Max(Nx,1)+MinV([0,1],x)+Mi"},
      {"MaxV([0,Vx],x)", 'V', 'N', "MaxV([0,Nx],x)"},
      {"C(5,2)+Cx", 'C', 'N', "C(5,2)+Nx"},
      {"P(5,2)*PQ", 'P', 'N', "P(5,2)*NQ"},
      {"Sum(i=[1,3],Sx)", 'S', 'N', "Sum(i=[1,3],Nx)"},
      {"F1(x)+Fx+F", 'F', 'N', "F1(x)+Nx+N"},
      {"Q2*Qy", 'Q', 'N', "Q2*Ny"},
      {"2.5E-3*Ex+2E4+.5E2", 'E', 'N', "2.5E-3*Nx+2E4+.5E2"},
      {"2Ex+3E", 'E', 'N', "2Nx+3N"},
      {"AB", 'A', 'N', "NB"},
      {"angle(ABC)+arg(AB,CA)", 'A', 'N', "angle(NBC)+arg(NB,CN)"},
      {"X+Ax", 'A', 'N', "X+Nx"},
      {"", 'A', 'N', ""},
  };
  for (const Case& c : cases) EXPECT_EQ(RenamePointReferences(c.text, c.from, c.to), c.renamed) << c.text;
  // The trail byte of ア (0x83 0x41) is no letter A.
  EXPECT_EQ(RenamePointReferences(sj("アA点A"), 'A', 'N'), sj("アN点N"));
}

using PointRenameTest = EntryFormTest;

TEST_F(PointRenameTest, TheWholeDocumentFollowsAndTheRenameUndoes) {
  const int curve = Add(kKindParametric, 255, {"Ax+t", "t", "0", "AB"});
  doc.FigureTable[curve].stepText = "AB/10";
  const int segment = Add(kKindFigure, 3, {"A", "B"});
  doc.FigureTable[segment].letter = static_cast<uint8_t>(PointNumber('A'));
  doc.FigureTable[segment].letter2 = static_cast<uint8_t>(PointNumber('B'));
  AddPoint('A', "0", "0");
  AddPoint('B', "1", "Ay");
  doc.DefinedFunctionTexts[1] = "x*Ax";
  doc.DefinedFunctionCount = 1;
  doc.DefinedConstantTexts[1] = "AB";
  doc.DefinedConstantCount = 1;
  doc.LabelCount = 1;
  doc.LabelTable[1].xText = "Ax";
  Refresh();
  const int a2 = doc.PointLetterEntry[PointNumber('A')];
  ASSERT_NE(a2, 0);
  const DocumentState before = doc;

  ASSERT_TRUE(RenamePointLetter(PointNumber('A'), PointNumber('N')));
  const int n = PointNumber('N');
  EXPECT_EQ(doc.FigureTable[a2].letter, n);
  EXPECT_EQ(doc.FigureTable[a2].texts[2], "N");  // the point's own label
  EXPECT_EQ(doc.FigureTable[segment].letter, n);
  EXPECT_EQ(doc.FigureTable[segment].texts[0], "N");
  EXPECT_EQ(doc.FigureTable[curve].texts[0], "Nx+t");
  EXPECT_EQ(doc.FigureTable[curve].texts[3], "NB");
  EXPECT_EQ(doc.FigureTable[curve].stepText, "NB/10");
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "x*Nx");
  EXPECT_EQ(doc.DefinedConstantTexts[1], "NB");
  EXPECT_EQ(doc.LabelTable[1].xText, "Nx");
  EXPECT_EQ(doc.PointLetterEntry[n], a2);
  EXPECT_EQ(doc.PointLetterUsage[n].exists, 1);
  EXPECT_EQ(doc.PointLetterUsage[PointNumber('A')].exists, 0);
  // The texts still parse: the usage scan finds point N where A was.
  Refresh();
  EXPECT_EQ(doc.PointLetterUsage[n].used, 1);

  // Never onto a point that exists.
  const DocumentState renamed = doc;
  EXPECT_FALSE(RenamePointLetter(n, PointNumber('B')));
  EXPECT_TRUE(doc == renamed);

  ASSERT_TRUE(RenamePointLetter(n, PointNumber('A')));
  Refresh();
  EXPECT_TRUE(doc == before);
}

}  // namespace
