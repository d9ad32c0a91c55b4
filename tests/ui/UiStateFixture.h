#pragma once
// The program-wide state as start-up and a new document leave it, the windows' own
// variables included.
#include "support/StateFixture.h"
#include "ui/KeyboardModel.h"
#include "ui/PaletteModel.h"

inline void ResetUiStateForTest() {
  ResetProgramStateForTest();
  keyboard = KeyboardGlobals{};
  clpanel = PaletteModel{};
}

class UiStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetUiStateForTest(); }
  void TearDown() override { DisposeProgramLists(); }
};
