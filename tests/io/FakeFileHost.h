#pragma once
// A file host that records what the reader asks of the windows and stands in for the
// few window routines whose effect on the state the tests look at: the navigator's
// document reset, the graph size of window mode 1 and the list's scroll position. A test
// fixture installs it over the program's reset state.
#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "io/EquationFileHost.h"
#include "render/SpaceView.h"
#include "support/StateFixture.h"

class FakeFileHost : public EquationFileHost {
 public:
  std::vector<std::string> calls;
  std::vector<std::filesystem::path> loadedPictures;
  std::filesystem::path caption = "(none)";
  QImage picture;
  bool pictureLoads = true;
  int scroll = 0;

  int NavigatorScrollPosition() override { return scroll; }
  QImage BackgroundPicture() override { return picture; }
  void SetCaptionFileName(const std::filesystem::path& fileName) override {
    caption = fileName;
    Log("SetCaptionFileName");
  }

  void HideParameterPanel() override { Log("HideParameterPanel"); }
  void ShowGraphWindow() override { Log("ShowGraphWindow"); }
  void ResetDocument() override {
    Log("ResetDocument");
    doc.MemoLines.clear();
    ui.MemoShown = 0;
    settings.UnitSizeMode = 1;
    settings.XTickDensity = settings.YTickDensity = 0;
    doc.ThetaInDegrees = doc.OmegaInDegrees = 0;
    settings.StepWidthItem = 2;
    settings.TangentAfterImage = 0;
    doc.CoordinateSystem = 0;
    doc.CameraDistance = 40;
    doc.CameraTheta = std::numbers::pi_v<long double> / 8;
    doc.CameraPhi = 0.24375L * std::numbers::pi_v<long double>;
    doc.SpaceRange = 3;
    doc.SurfaceGridN = 20;
    doc.ShadingLevel = 15;
    doc.SpaceColorsNotInverted = 1;
    doc.Axes3DShown = 1;
    doc.RangeBoxShown = 0;
    doc.SurfaceDrawMode = 1;
    doc.SpaceSurfacePresent = 0;
    ResetAllSettings(1);
  }
  bool LoadBackgroundPicture(const std::filesystem::path& fileName) override {
    loadedPictures.push_back(fileName);
    Log("LoadBackgroundPicture");
    return pictureLoads && std::filesystem::exists(fileName);
  }
  void ClearBackgroundPicture() override { Log("ClearBackgroundPicture"); }
  void SetNavigatorScrollPosition(int position) override { scroll = position; }

  void RestoreGraphWindow(int width, int height) override {
    Log("RestoreGraphWindow");
    if (settings.GraphWindowMode == 1) {
      doc.GraphWidth = width;
      doc.GraphHeight = height;
    }
  }
  void SetUI3D(bool space) override { Log(space ? "SetUI3D(space)" : "SetUI3D(plane)"); }
  void RebuildEquationList() override { Log("RebuildEquationList"); }
  void OpenMeanRateNavi() override { Log("OpenMeanRateNavi"); }
  void OpenTangentNavi() override { Log("OpenTangentNavi"); }
  void OpenRiemannSumNavi() override { Log("OpenRiemannSumNavi"); }
  void OpenIntegralTheoremNavi() override { Log("OpenIntegralTheoremNavi"); }
  void SavePointPositions() override { Log("SavePointPositions"); }
  void ShowParameterValues() override { Log("ShowParameterValues"); }
  void CompileMacro() override { Log("CompileMacro"); }
  void RunMacroOnload() override { Log("RunMacroOnload"); }
  void ReportDeferredLoadFailure(const std::string& message) override { reported.push_back(message); }
  std::vector<std::string> reported;

  bool Called(const std::string& name) const {
    return std::find(calls.begin(), calls.end(), name) != calls.end();
  }
  // Position of a call in the log, -1 when it was not made.
  int IndexOf(const std::string& name) const {
    auto it = std::find(calls.begin(), calls.end(), name);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
  }

 private:
  void Log(const std::string& name) { calls.push_back(name); }
};

class FileHostTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    SetEquationFileHost(&host);
  }
  void TearDown() override {
    SetEquationFileHost(nullptr);
    StateTest::TearDown();
  }
  FakeFileHost host;
};
