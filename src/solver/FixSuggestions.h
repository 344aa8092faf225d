#pragma once
// One-cell changes that make an author's picture fairer: each flips one cell of the picture and
// is judged by how many of the cells line logic leaves open it decides. Pure; any one thread
// may run it, and the check stops it between candidates.

#include <cstddef>
#include <vector>

#include "solver/CancelCheck.h"
#include "solver/CompleteSolver.h"
#include "solver/PictureAnalysis.h"
#include "solver/WorkGrid.h"

namespace jcw {

inline constexpr std::size_t kMostSuggestions = 10;

struct FixSuggestion {
  PictureCell cell;
  bool fill = false;         // the change fills the cell; false: it clears it
  int decided = 0;           // open cells the change decides (open before less open after)
  bool makesUnique = false;  // line logic decides every cell after it: one picture
  bool inHatch = false;      // the cell is one where two pictures differ
  bool operator==(const FixSuggestion&) const = default;
};

// The best `most` changes of `picture` (every cell wcFilled or wcEmpty), given its analysis:
// those that leave no cell open first, then by cells decided, then cells of the hatch, then
// in reading order. Only cells on a row or column with an open cell are tried, and only changes
// that decide something are kept. Empty when nothing is open.
std::vector<FixSuggestion> suggestFixes(const WorkGrid& picture, const PictureAnalysis& analysis,
                                        const CancelCheck& cancel = {},
                                        std::size_t most = kMostSuggestions);

}  // namespace jcw
