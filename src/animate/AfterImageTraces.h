#pragma once
// What the after-images and loci draw: the traces of one parameter step into the back
// bitmap, and the replay of the whole history when the picture is rebuilt.
//
// After-images are the moving entries marked for them, drawn as they stand at each step
// (pale when that colour mode is chosen). A locus joins a point's position before the step
// (doc.PreviousPointPositions) to its position now.
#include "platform/Canvas.h"

// Every point entry's current position becomes its previous one.
void SavePointPositions();

// The defined values and points recomputed, then the traces of this step: the locus
// segments while LocusOn and the after-images while AfterImageOn. True when the step
// leaves a trace, so that a snapshot is due.
bool DrawStepTraces(gfx::Canvas& canvas);

// Every snapshot of the history replayed from the oldest, its traces drawn; on the
// composite bitmap the traces go into the back bitmap, which is then copied onto it. The
// parameters, the entries, the switches and the previous point positions are as they were
// before afterwards. Nothing without a history.
void RedrawAfterImages(gfx::Canvas& target);
