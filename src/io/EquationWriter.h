#pragma once
// The equation file as the writer produces it: "[LP5 Data]" or "[LP3D Data]", version
// 597, every section of the document in its fixed order, built from the program-wide
// state (and the few values the windows hold, through the file host).
#include <string>

// Starting modes: what was running when the file was saved, restored when it is loaded.
enum : int {
  kStartPlain = 0,
  kStartMeanRate = 1,
  kStartTangent = 2,
  kStartRiemann = 3,
  kStartIntegral = 4,
  kStartAfterImages = 5,  // parameter mode with the after-image history
  kStartParameters = 6,
};

// The starting mode the navigator's save passes for an AnimationMode.
int StartingModeOfAnimationMode(int animationMode);

// The whole file, CP932 bytes with CR LF line ends.
std::string WriteEquationFile(int startingMode);
