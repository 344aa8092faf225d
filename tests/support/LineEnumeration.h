#pragma once
// The reference line solver: enumerates every placement of a line's blocks one by one, in
// odometer order, and keeps those that agree with the line's known cells. Its cost grows with
// the number of placements, so the sweeps use LineSolver instead; this one stays as the plain
// statement of what LineSolver must compute, and tests compare the two.

#include <cstdint>
#include <span>

#include "solver/LineState.h"
#include "solver/WorkGrid.h"

namespace jcw {

// Block i (from 0) starts at p; every later block, the terminating entry included, is packed
// against it; the pattern is rendered again.
void PlaceBlock(LineState& line, int i, std::uint8_t p);
// Moves block i one cell right (packing the later ones); false when it is at its MaxStart.
bool AdvanceBlock(LineState& line, int i);
// The next placement in odometer order; false when there is none (or the line has no blocks).
bool NextPlacement(LineState& line);
// True iff every known cell of `cells` matches the pattern.
bool PatternFits(const LineState& line, LineView cells);
// Packs all blocks left, then steps to the first placement that fits; false if none does.
bool FirstFittingPlacement(LineState& line, LineView cells);
// Steps to the next placement that fits; false when they run out.
bool NextFittingPlacement(LineState& line, LineView cells);

// Sets the first line.Length entries of the buffers: filledInAll[k] is 1 when every fitting
// placement fills cell k, else 2; filledInAny[k] is 2 when some fitting placement fills it, else
// 0. With no fitting placement they stay 1 and 0. Returns whether any placement fits.
bool enumerateLine(LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
                   std::span<std::uint8_t> filledInAny);

}  // namespace jcw
