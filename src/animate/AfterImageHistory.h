#pragma once
// The history of after-images and loci: one snapshot per traced step and per switch-on,
// newest first in settings.AfterImageHistory (older and newer links). A snapshot holds the
// change list of its step, the shown flags changed since the one before, and the two
// switches; replaying them from the oldest brings every earlier state back in turn.
#include "formula/Records.h"

// A day of holding a step button adds about two million snapshots; the history keeps the
// newest ones, so that memory and the replay after a view change stay bounded.
inline constexpr int kMaxAfterImageSnapshots = 10000;

int AfterImageSnapshotCount();

// Pushes the change list as the newest snapshot (nothing when the list is empty). At the
// bound the oldest snapshot goes: its values and shown flags are folded into the next one,
// so that replaying from the new oldest still starts from the same state.
void PushAfterImageSnapshot();

// The snapshot's values written as a macro writes variables, its switches set and its
// shown flags applied. Points moved by it are not recorded as macro moves.
void ApplyAfterImageSnapshot(const TAfterImageEntry& snapshot);
