#pragma once
// How fair an author's clues are: whether one picture fits them, and whether row and column
// logic alone finds it. Runs the sweeps from an empty picture, then the complete solver for what
// they leave open. Pure and deterministic; any one thread may run it (the program runs it off
// its user-interface thread and cancels it when the picture changes again).

#include <vector>

#include "model/ClueLists.h"
#include "solver/CancelCheck.h"
#include "solver/CompleteSolver.h"
#include "solver/WorkGrid.h"

namespace jcw {

enum class Fairness {
  Cancelled,    // the check stopped the work; nothing else is meaningful
  ByLines,      // one picture, and line logic finds it
  NeedsTrying,  // one picture, but line logic leaves cells open
  Several,      // two or more pictures fit
  None,         // no picture fits
};

struct PictureAnalysis {
  Fairness fairness = Fairness::Cancelled;
  long long nodes = 0;  // search nodes the complete solver needed; 0 when line logic decided
  WorkGrid byLines;     // what the sweeps decide from an empty picture; unknown cells are open
  // Several: the cells where two of the pictures differ.
  std::vector<PictureCell> differing;
};

// `drawn`, when given (every cell wcFilled or wcEmpty), is a picture the clues were made from:
// a second picture is then first looked for as a swap of four of its cells, which settles most
// ambiguous drawings at once. A `drawn` of another size or other clues is ignored.
PictureAnalysis analyseClues(const ClueLists& clues, const CancelCheck& cancel = {},
                             const WorkGrid& drawn = {});

// The cells line logic leaves open in the clues' picture, by sweeps from an empty one (with no
// cancellation: a stopped sweep would leave cells open that it would have decided).
WorkGrid decidedByLines(const ClueLists& clues);

}  // namespace jcw
