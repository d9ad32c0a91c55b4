#pragma once
// Puts the program-wide state back to what start-up and a new document leave.
#include <gtest/gtest.h>

#include "formula/AnimationState.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"

inline void ResetProgramStateForTest() {
  DisposeProgramLists();
  doc = DocumentState{};
  modes = ModeFlags{};
  settings = ProgramSettings{};
  eng = EngineFlags{};
  ui = UiFlags{};
  anim = AnimationState{};
  ResetMiscSettings();
  ResetAllSettings(0);
}

class StateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramStateForTest(); }
  void TearDown() override { DisposeProgramLists(); }
};
