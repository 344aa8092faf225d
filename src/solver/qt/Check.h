#pragma once
// The check of the player's marks: with one picture fitting the clues, how many marks are wrong
// (outlined on request until the next mark); with several, whether the marks still fit one; and
// the way back to the newest state of the history without a wrong mark. The searches run off
// the UI thread (BackgroundSearch.h); Escape stops them. UI thread only.

namespace jcw {

class TGrid;

// Solving mode only; nothing while a run is in progress.
void CheckProcess(TGrid& field);
void BackToLastRight(TGrid& field);

}  // namespace jcw
