#pragma once
// The hint that explains itself: line logic applied to one line at a time, so the player learns
// which line gives way and why. When no single line can advance, one open cell is tried both
// ways; a value that runs line logic into a line no arrangement fits proves the other value.
// Pure functions of the clues and the marks; the probe may run on any one thread.

#include <cstdint>
#include <vector>

#include "model/ClueLists.h"
#include "solver/CancelCheck.h"
#include "solver/CompleteSolver.h"
#include "solver/WorkGrid.h"

namespace jcw {

// A picture row or column, from 1 as the player counts them.
struct PictureLine {
  bool row = true;
  int index = 0;
  bool operator==(const PictureLine&) const = default;
};

enum class LineHintKind : std::uint8_t {
  Advance,        // `line` decides `cells` (new values in `values`)
  Contradiction,  // the marks of `line` fit no arrangement of its clue
  Stuck,          // no line advances, cells are open
  Done,           // every cell is decided
};

struct LineHint {
  LineHintKind kind = LineHintKind::Done;
  PictureLine line;
  std::vector<PictureCell> cells;    // in the line's order
  std::vector<std::uint8_t> values;  // wcFilled or wcEmpty, one per cell
};

// Rows top to bottom, then columns left to right: the first line whose marks contradict its clue
// or from which line logic decides a cell not yet marked. `marks` is the picture as the solver
// reads it (wcUnknown for undecided).
LineHint firstLineHint(const ClueLists& clues, const WorkGrid& marks);

struct ProbeHint {
  bool found = false;
  PictureCell cell;            // the open cell proved
  std::uint8_t value = 0;      // the value it must take
  PictureLine contradiction;   // the line the other value ran into
  bool cancelled = false;      // the check stopped the probe before it found one
};

// The first open cell in reading order one of whose values line logic, spreading from that cell,
// leads to a line no arrangement fits. Meant for marks from which no single line advances.
ProbeHint probeOneCell(const ClueLists& clues, const WorkGrid& marks, const CancelCheck& cancel);

}  // namespace jcw
